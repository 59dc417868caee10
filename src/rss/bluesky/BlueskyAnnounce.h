#pragma once

#include "rss/RssItem.h"
#include "rss/bluesky/BlueskyClient.h"
#include "rss/bluesky/PostRecord.h"
#include "rss/fediverse/AnnounceRun.h"

#include <QJsonArray>
#include <QString>

#include <chrono>
#include <functional>

namespace rss::bluesky {

// How many of the account's latest posts are looked through, after a lost reply, for
// the item's post before it is sent again.
constexpr int LostReplyLookback = 50;

// Posts items on a Bluesky account (see AnnounceRun).
//
// A run first refreshes the stored session (the service allows few new sessions a day)
// and signs in with the app password only when refreshing is refused. Bluesky has no
// idempotency key, so an item is never simply sent again: the latest posts are looked
// through when the run begins (a reply lost in an earlier run, a mark that could not be
// stored) and after each lost reply, and a post of the item found there counts.
// A refused item is skipped; a refused connection, a rate limit, a service that does
// not answer or a mark that cannot be stored ends the run there.
class BlueskyAnnounce : public fediverse::AnnounceRun
{
    Q_OBJECT

public:
    BlueskyAnnounce(BlueskyClient &client, QString handle, QString appPassword, MarkAnnounced markAnnounced,
                    QObject *parent = nullptr);

    // A lost reply is looked into and the item sent again this many times, after this pause.
    void setRetries(int retries, std::chrono::milliseconds pause)
    {
        m_retries = retries;
        m_retryPause = pause;
    }

private:
    void begin() override;
    void send(const RssItem &item) override;
    void stopNetwork() override;
    void signIn(const std::function<void()> &then);
    void createSession(const std::function<void()> &then);
    void sendPost(const RssItem &item, const PostText &post, int triesLeft, bool renewed);
    void afterPause(const std::function<void()> &then);
    void lookForLostPost(const RssItem &item, const PostText &post, int triesLeft, bool renewed);
    QString uriOfPost(const PostText &post) const;
    void postedAt(const RssItem &item, const QString &uri);

    BlueskyClient &m_client;
    QString m_handle;
    QString m_appPassword;
    int m_retries = 3;
    std::chrono::milliseconds m_retryPause{std::chrono::seconds(5)};
    QJsonArray m_recent; // the account's latest posts as the run began
};

} // namespace rss::bluesky
