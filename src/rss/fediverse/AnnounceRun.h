#pragma once

#include "rss/RssItem.h"
#include "rss/fediverse/AnnounceSummary.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace rss::fediverse {

// What every network's announcing run shares: items posted one after another, oldest
// first, each marked announced (by `markAnnounced`, which may throw base::Error) only
// after the network's success reply, and a summary of what was and was not posted.
// A network supplies how a run begins and how one item is sent; the item's send ends
// in posted(), refused() or leaveRest().
class AnnounceRun : public QObject
{
    Q_OBJECT

public:
    using MarkAnnounced = std::function<void(const RssItem &item, const QString &postAddress)>;

    void start(const QList<RssItem> &items);
    // Stops at once: what is under way is abandoned.
    void stop();
    // Ends the run once the item being sent now has its answer.
    void stopAfterCurrentItem() { m_stopRequested = m_running; }
    bool isRunning() const { return m_running; }

signals:
    void finished(const rss::fediverse::AnnounceSummary &summary);

protected:
    explicit AnnounceRun(MarkAnnounced markAnnounced, QObject *parent = nullptr);

    // Prepares the run (limits, a session...), then calls postNext().
    virtual void begin() = 0;
    virtual void send(const RssItem &item) = 0;
    virtual void stopNetwork() = 0;

    void postNext();
    void posted(const RssItem &item, const QString &address);
    // The network refused this item for its own reason; the others go on.
    void refused(const RssItem &item, const QString &reason);
    // Ends the run here: the items not sent yet are named as not posted.
    void leaveRest(const QString &why);
    bool isStopRequested() const { return m_stopRequested; }
    // stop() was called: nothing more may be sent, not even a retry.
    bool isAborted() const { return m_aborted; }

private:
    void end();

    MarkAnnounced m_markAnnounced;
    QList<RssItem> m_items;
    qsizetype m_next = 0;
    AnnounceSummary m_summary;
    bool m_running = false;
    bool m_stopRequested = false;
    bool m_aborted = false;
};

} // namespace rss::fediverse
