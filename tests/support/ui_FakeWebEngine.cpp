#include "support/ui_FakeWebEngine.h"

#include "base/Error.h"

namespace testing_support {

FakeWebEngine::FakeWebEngine(QWidget *host, const browser::WebEngineEvents &events)
    : m_widget(new QWidget(host))
    , m_events(events)
{
}

FakeWebEngine::~FakeWebEngine()
{
    delete m_widget;
}

void FakeWebEngine::navigate(const QUrl &url)
{
    requests << QStringLiteral("navigate ") + url.toString();
    loading = true;
}

void FakeWebEngine::back()
{
    if (failBack)
        throw base::Error(QStringLiteral("No page to go back to."));
    requests << QStringLiteral("back");
}

void FakeWebEngine::forward()
{
    requests << QStringLiteral("forward");
}

void FakeWebEngine::reload()
{
    requests << QStringLiteral("reload");
}

void FakeWebEngine::stop()
{
    requests << QStringLiteral("stop");
    loading = false;
}

void FakeWebEngine::arrive(const QUrl &url, const QString &title)
{
    m_url = url;
    m_events.urlChanged(url);
    m_title = title;
    loading = false;
    m_events.titleChanged(title);
    m_events.loadFinished(true);
}

QString FakeWebEngine::offerDownload(const QUrl &url, const QString &suggestedFileName)
{
    return m_events.downloadRequested(url, suggestedFileName);
}

void FakeWebEngine::finishDownload(const QString &path, const QString &error)
{
    m_events.downloadFinished(path, error);
}

} // namespace testing_support
