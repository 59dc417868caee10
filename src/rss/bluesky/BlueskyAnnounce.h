#pragma once

#include "rss/RssItem.h"
#include "rss/bluesky/BlueskyClient.h"
#include "rss/bluesky/PostRecord.h"
#include "rss/fediverse/AnnounceSummary.h"

#include <QJsonArray>
#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>

namespace rss::bluesky {

// How many of the account's latest posts are looked through, after a lost reply, for
// the item's post before it is sent again.
constexpr int LostReplyLookback = 50;

// Posts items one after another, oldest first, each marked announced (by `markAnnounced`,
// which may throw base::Error) only after the service's success reply.
//
// A run first refreshes the stored session (the service allows few new sessions a day)
// and signs in with the app password only when refreshing is refused. Bluesky has no
// idempotency key, so an item is never simply sent again: the latest posts are looked
// through when the run begins (a reply lost in an earlier run, a mark that could not be
// stored) and after each lost reply, and a post of the item found there counts.
// A refused item is skipped; a refused connection, a rate limit, a service that does
// not answer or a mark that cannot be stored ends the run there.
class BlueskyAnnounce : public QObject
{
    Q_OBJECT

public:
    using MarkAnnounced = std::function<void(const RssItem &item, const QString &postAddress)>;

    BlueskyAnnounce(BlueskyClient &client, QString handle, QString appPassword, MarkAnnounced markAnnounced,
                    QObject *parent = nullptr);

    // A lost reply is looked into and the item sent again this many times, after this pause.
    void setRetries(int retries, std::chrono::milliseconds pause)
    {
        m_retries = retries;
        m_retryPause = pause;
    }

    void start(const QList<RssItem> &items);
    void stop();
    // Ends the run once the item being sent now has its answer.
    void stopAfterCurrentItem() { m_stopRequested = m_running; }
    bool isRunning() const { return m_running; }

signals:
    void finished(const rss::fediverse::AnnounceSummary &summary);

private:
    void signIn(const std::function<void()> &then);
    void createSession(const std::function<void()> &then);
    void postNext();
    void send(const RssItem &item, const PostText &post, int triesLeft, bool renewed);
    void afterPause(const std::function<void()> &then);
    void lookForLostPost(const RssItem &item, const PostText &post, int triesLeft, bool renewed);
    QString uriOfPost(const PostText &post) const;
    void posted(const RssItem &item, const QString &uri);
    void leaveRest(const QString &why);
    void end();

    BlueskyClient &m_client;
    QString m_handle;
    QString m_appPassword;
    MarkAnnounced m_markAnnounced;
    QList<RssItem> m_items;
    qsizetype m_next = 0;
    fediverse::AnnounceSummary m_summary;
    int m_retries = 3;
    std::chrono::milliseconds m_retryPause{std::chrono::seconds(5)};
    QJsonArray m_recent; // the account's latest posts as the run began
    bool m_running = false;
    bool m_stopRequested = false;
    bool m_aborted = false;
};

} // namespace rss::bluesky
