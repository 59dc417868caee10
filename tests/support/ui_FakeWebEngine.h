#pragma once

#include "browser/ui/WebEngine.h"

#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace testing_support {

// An engine that loads nothing: it records what it was asked and reports the events a
// test makes it report.
class FakeWebEngine : public browser::WebEngine
{
public:
    FakeWebEngine(QWidget *host, const browser::WebEngineEvents &events);
    ~FakeWebEngine() override;

    QWidget *widget() override { return m_widget; }
    void navigate(const QUrl &url) override;
    void back() override;
    void forward() override;
    void reload() override;
    void stop() override;
    QUrl url() const override { return m_url; }
    QString title() const override { return m_title; }
    bool isLoading() const override { return loading; }

    // The engine arrives at `url` (navigation complete), then the page with `title` has loaded.
    void arrive(const QUrl &url, const QString &title);
    // A link led to a file: returns where the view chose to save it ("" when it let it go).
    QString offerDownload(const QUrl &url, const QString &suggestedFileName);
    // The download accepted at `path` ended, with `error` when it failed.
    void finishDownload(const QString &path, const QString &error = {});

    // Every request, in order: "navigate <url>", "back", "forward", "reload", "stop".
    QStringList requests;
    bool loading = false;
    // When set, back() fails as an engine does with no page to go back to.
    bool failBack = false;

private:
    QWidget *m_widget;
    browser::WebEngineEvents m_events;
    QUrl m_url;
    QString m_title;
};

} // namespace testing_support
