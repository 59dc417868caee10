#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QWidget;

namespace browser {

// What the web view is told by the engine behind it.
struct WebEngineEvents
{
    std::function<void()> loadStarted;
    std::function<void(bool ok)> loadFinished;
    std::function<void(const QUrl &url)> urlChanged;
    std::function<void(const QString &title)> titleChanged;
    // A link led to a file rather than a page: the path to save it as, or an empty
    // string to let it go.
    std::function<QString(const QUrl &url, const QString &suggestedFileName)> downloadRequested;
    // A download accepted above has ended: saved at `path` when `error` is empty.
    std::function<void(const QString &path, const QString &error)> downloadFinished;
};

// The engine behind a WebView: the real one lives in the run-time module
// libtallowmere_webengine.so, tests put a fake one in its place. Only inline and pure
// virtual members, so the module needs nothing from the program but this header.
class WebEngine
{
public:
    virtual ~WebEngine() = default;
    // The widget that shows the page; the web view lays it over its whole area.
    virtual QWidget *widget() = 0;
    virtual void navigate(const QUrl &url) = 0;
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual void reload() = 0;
    virtual void stop() = 0;
    virtual QUrl url() const = 0;
    virtual QString title() const = 0;
    virtual bool isLoading() const = 0;
};

// Makes an engine showing its page in `host`, reporting to `events`.
using WebEngineFactory = std::function<std::unique_ptr<WebEngine>(QWidget *host, const WebEngineEvents &events)>;

} // namespace browser

// The module's one export: a new engine (owned by the caller) showing its page in host.
extern "C" {
using TallowmereCreateWebEngine = browser::WebEngine *(*)(QWidget *host, const browser::WebEngineEvents *events);
}
