#include "PlaceholderEngine.h"

namespace screenshots {

PlaceholderEngine::PlaceholderEngine(QWidget *host, const browser::WebEngineEvents &events)
    : m_page(new QLabel(host))
    , m_events(events)
{
    m_page->setAlignment(Qt::AlignCenter);
    m_page->setAutoFillBackground(true);
    m_page->setBackgroundRole(QPalette::Mid);
    m_page->setText(QStringLiteral("(web page)"));
}

void PlaceholderEngine::navigate(const QUrl &url)
{
    m_url = url;
    m_page->setText(QStringLiteral("(web page: %1)").arg(url.toDisplayString()));
    if (m_events.loadStarted)
        m_events.loadStarted();
    if (m_events.urlChanged)
        m_events.urlChanged(url);
    if (m_events.titleChanged)
        m_events.titleChanged(title());
    if (m_events.loadFinished)
        m_events.loadFinished(true);
}

} // namespace screenshots
