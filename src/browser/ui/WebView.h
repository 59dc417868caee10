#pragma once

#include "browser/ui/WebEngine.h"

#include <QUrl>
#include <QWidget>

#include <memory>

namespace browser {

// A web page inside a window. The web engine is loaded when the first view is made.
// Links meant for a new window open in the view itself; a file a link leads to is
// saved where the person chooses.
class WebView : public QWidget
{
    Q_OBJECT

public:
    // Throws base::Error when the web engine cannot be loaded.
    static WebView *create(QWidget *parent);
    // Replaces the web engine of views made from now on (tests); an empty factory
    // restores the real one.
    static void setEngineFactory(WebEngineFactory factory);

    ~WebView() override;

    // Opens the address; one without a scheme gets "http://" in front. Throws
    // base::Error when the address is empty or not a web address.
    void navigate(const QString &address);
    void back();
    void forward();
    void reload();
    void stop();
    // The home page and the search page (named in the README).
    void home();
    void search();

    QUrl url() const;
    // The page's title; its address while it has none.
    QString title() const;
    bool isLoading() const;

signals:
    void loadStarted();
    void loadFinished(bool ok);
    void urlChanged(const QUrl &url);
    void titleChanged(const QString &title);

private:
    explicit WebView(QWidget *parent);

    // A link led to a file: the person chooses where it goes (an empty string lets it go).
    QString askWhereToSave(const QUrl &url, const QString &suggestedFileName);
    // Says how a download ended and offers to open a saved file with the desktop's program for it.
    void reportDownload(const QString &path, const QString &error);

    std::unique_ptr<WebEngine> m_engine;
};

} // namespace browser
