#include "rss/bluesky/BlueskyAnnounce.h"

#include "base/Error.h"

#include <QTimer>

namespace rss::bluesky {

using fediverse::shownTitle;
using O = XrpcReply::Outcome;

BlueskyAnnounce::BlueskyAnnounce(BlueskyClient &client, QString handle, QString appPassword,
                                 MarkAnnounced markAnnounced, QObject *parent)
    : AnnounceRun(std::move(markAnnounced), parent)
    , m_client(client)
    , m_handle(std::move(handle))
    , m_appPassword(std::move(appPassword))
{
}

void BlueskyAnnounce::begin()
{
    m_recent = QJsonArray();
    signIn([this]() {
        m_client.listPosts(LostReplyLookback, [this](const XrpcReply &reply) {
            if (!reply.ok()) {
                leaveRest(reply.message);
                return;
            }
            m_recent = reply.json.value(QLatin1String("records")).toArray();
            postNext();
        });
    });
}

void BlueskyAnnounce::stopNetwork()
{
    m_client.stop();
}

void BlueskyAnnounce::signIn(const std::function<void()> &then)
{
    if (m_client.session().refreshJwt.isEmpty()) {
        createSession(then);
        return;
    }
    m_client.refreshSession([this, then](const XrpcReply &reply) {
        switch (reply.outcome) {
        case O::Ok: then(); return;
        // The refresh token ran out or was revoked: only then a new session.
        case O::Expired:
        case O::NotAccepted:
        case O::Rejected: createSession(then); return;
        default: leaveRest(reply.message); return;
        }
    });
}

void BlueskyAnnounce::createSession(const std::function<void()> &then)
{
    if (m_appPassword.isEmpty()) {
        leaveRest(tr("The session at %1 has expired; connect the account again.").arg(m_client.service().host()));
        return;
    }
    m_client.createSession(m_handle, m_appPassword, [this, then](const XrpcReply &reply) {
        if (reply.ok())
            then();
        else
            leaveRest(reply.message);
    });
}

QString BlueskyAnnounce::uriOfPost(const PostText &post) const
{
    for (const QJsonValue &entry : m_recent) {
        const QJsonObject record = entry.toObject();
        if (isPostOf(record.value(QLatin1String("value")).toObject(), post))
            return record.value(QLatin1String("uri")).toString();
    }
    return {};
}

void BlueskyAnnounce::send(const RssItem &item)
{
    const PostText post = postText(item);
    const QString already = uriOfPost(post);
    if (!already.isEmpty()) {
        postedAt(item, already);
        return;
    }
    sendPost(item, post, m_retries, false);
}

void BlueskyAnnounce::sendPost(const RssItem &item, const PostText &post, int triesLeft, bool renewed)
{
    m_client.createPost(postRecord(post, QDateTime::currentDateTimeUtc()), [this, item, post, triesLeft,
                                                                            renewed](const XrpcReply &reply) {
        if (reply.ok()) {
            postedAt(item, reply.json.value(QLatin1String("uri")).toString());
            return;
        }
        // A refused session stored nothing: renew it once and send again.
        if ((reply.outcome == O::Expired || reply.outcome == O::NotAccepted) && !renewed) {
            signIn([this, item, post, triesLeft]() { sendPost(item, post, triesLeft, true); });
            return;
        }
        if (reply.outcome == O::Rejected) {
            refused(item, reply.message);
            return;
        }
        if (reply.lost() && triesLeft > 0 && !isAborted()) {
            afterPause([this, item, post, triesLeft]() { lookForLostPost(item, post, triesLeft - 1, false); });
            return;
        }
        if (reply.lost()) {
            leaveRest(tr("%1 may or may not have been posted (the next run looks for it "
                         "first): %2")
                          .arg(shownTitle(item), reply.message));
            return;
        }
        leaveRest(reply.message);
    });
}

void BlueskyAnnounce::afterPause(const std::function<void()> &then)
{
    QTimer::singleShot(m_retryPause, this, [this, then]() {
        if (isAborted()) {
            leaveRest(tr("Stopped."));
            return;
        }
        then();
    });
}

void BlueskyAnnounce::lookForLostPost(const RssItem &item, const PostText &post, int triesLeft, bool renewed)
{
    m_client.listPosts(LostReplyLookback, [this, item, post, triesLeft, renewed](const XrpcReply &reply) {
        if (reply.ok()) {
            m_recent = reply.json.value(QLatin1String("records")).toArray();
            const QString uri = uriOfPost(post);
            if (!uri.isEmpty())
                postedAt(item, uri);
            else
                sendPost(item, post, triesLeft, false);
            return;
        }
        if ((reply.outcome == O::Expired || reply.outcome == O::NotAccepted) && !renewed) {
            signIn([this, item, post, triesLeft]() { lookForLostPost(item, post, triesLeft, true); });
            return;
        }
        if (reply.lost() && triesLeft > 0 && !isAborted()) {
            afterPause([this, item, post, triesLeft]() { lookForLostPost(item, post, triesLeft - 1, false); });
            return;
        }
        leaveRest(tr("%1 may or may not have been posted (the next run looks for it first): %2")
                      .arg(shownTitle(item), reply.message));
    });
}

void BlueskyAnnounce::postedAt(const RssItem &item, const QString &uri)
{
    const QString address = postAddress(m_client.session().handle, uri);
    posted(item, address.isEmpty() ? uri : address);
}

} // namespace rss::bluesky
