#include "rss/fediverse/AnnounceRun.h"

#include "base/Error.h"

namespace rss::fediverse {

AnnounceRun::AnnounceRun(MarkAnnounced markAnnounced, QObject *parent)
    : QObject(parent)
    , m_markAnnounced(std::move(markAnnounced))
{
}

void AnnounceRun::start(const QList<RssItem> &items)
{
    if (m_running)
        return;
    m_running = true;
    m_stopRequested = false;
    m_aborted = false;
    m_items = items;
    m_next = 0;
    m_summary = AnnounceSummary();
    if (m_items.isEmpty()) {
        end();
        return;
    }
    begin();
}

void AnnounceRun::stop()
{
    if (!m_running)
        return;
    m_stopRequested = true;
    m_aborted = true;
    stopNetwork();
}

void AnnounceRun::postNext()
{
    if (m_stopRequested) {
        leaveRest(tr("Stopped."));
        return;
    }
    if (m_next >= m_items.size()) {
        end();
        return;
    }
    send(m_items.at(m_next));
}

void AnnounceRun::posted(const RssItem &item, const QString &address)
{
    m_summary.posted << shownTitle(item);
    ++m_next;
    try {
        m_markAnnounced(item, address);
    } catch (const base::Error &error) {
        // Posted, but the list will not know: say so rather than post it again later.
        leaveRest(tr("%1 was posted at %2 but could not be marked announced: %3")
                      .arg(shownTitle(item), address, error.description()));
        return;
    }
    postNext();
}

void AnnounceRun::refused(const RssItem &item, const QString &reason)
{
    m_summary.notPosted << shownTitle(item) + QStringLiteral(": ") + reason;
    ++m_next;
    postNext();
}

void AnnounceRun::leaveRest(const QString &why)
{
    for (qsizetype i = m_next; i < m_items.size(); ++i)
        m_summary.notPosted << shownTitle(m_items.at(i));
    m_next = m_items.size();
    m_summary.stoppedBecause = why;
    end();
}

void AnnounceRun::end()
{
    m_running = false;
    emit finished(m_summary);
}

} // namespace rss::fediverse
