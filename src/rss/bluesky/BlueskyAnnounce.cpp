#include "rss/bluesky/BlueskyAnnounce.h"

#include "base/Error.h"

#include <QTimer>

namespace rss::bluesky {

using fediverse::shownTitle;
using O = XrpcReply::Outcome;

BlueskyAnnounce::BlueskyAnnounce(BlueskyClient &client, QString handle, QString appPassword,
                                 MarkAnnounced markAnnounced, QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_handle(std::move(handle))
    , m_appPassword(std::move(appPassword))
    , m_markAnnounced(std::move(markAnnounced))
{
}

void BlueskyAnnounce::start(const QList<RssItem> &items)
{
    if (m_running)
        return;
    m_running = true;
    m_stopRequested = false;
    m_aborted = false;
    m_items = items;
    m_next = 0;
    m_summary = fediverse::AnnounceSummary();
    m_recent = QJsonArray();
    if (m_items.isEmpty()) {
        end();
        return;
    }
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

void BlueskyAnnounce::stop()
{
    if (!m_running)
        return;
    m_stopRequested = true;
    m_aborted = true;
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

void BlueskyAnnounce::postNext()
{
    if (m_stopRequested) {
        leaveRest(tr("Stopped."));
        return;
    }
    if (m_next >= m_items.size()) {
        end();
        return;
    }
    const RssItem item = m_items.at(m_next);
    const PostText post = postText(item);
    const QString already = uriOfPost(post);
    if (!already.isEmpty()) {
        posted(item, already);
        return;
    }
    send(item, post, m_retries, false);
}

void BlueskyAnnounce::send(const RssItem &item, const PostText &post, int triesLeft, bool renewed)
{
    m_client.createPost(postRecord(post, QDateTime::currentDateTimeUtc()), [this, item, post, triesLeft,
                                                                            renewed](const XrpcReply &reply) {
        if (reply.ok()) {
            posted(item, reply.json.value(QLatin1String("uri")).toString());
            return;
        }
        // A refused session stored nothing: renew it once and send again.
        if ((reply.outcome == O::Expired || reply.outcome == O::NotAccepted) && !renewed) {
            signIn([this, item, post, triesLeft]() { send(item, post, triesLeft, true); });
            return;
        }
        if (reply.outcome == O::Rejected) {
            m_summary.notPosted << shownTitle(item) + QStringLiteral(": ") + reply.message;
            ++m_next;
            postNext();
            return;
        }
        if (reply.lost() && triesLeft > 0 && !m_aborted) {
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
        if (m_aborted) {
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
                posted(item, uri);
            else
                send(item, post, triesLeft, false);
            return;
        }
        if ((reply.outcome == O::Expired || reply.outcome == O::NotAccepted) && !renewed) {
            signIn([this, item, post, triesLeft]() { lookForLostPost(item, post, triesLeft, true); });
            return;
        }
        if (reply.lost() && triesLeft > 0 && !m_aborted) {
            afterPause([this, item, post, triesLeft]() { lookForLostPost(item, post, triesLeft - 1, false); });
            return;
        }
        leaveRest(tr("%1 may or may not have been posted (the next run looks for it first): %2")
                      .arg(shownTitle(item), reply.message));
    });
}

void BlueskyAnnounce::posted(const RssItem &item, const QString &uri)
{
    QString address = postAddress(m_client.session().handle, uri);
    if (address.isEmpty())
        address = uri;
    try {
        m_markAnnounced(item, address);
    } catch (const base::Error &error) {
        // Posted, but the list will not know: say so rather than post it again later.
        m_summary.posted << shownTitle(item);
        ++m_next;
        leaveRest(tr("%1 was posted at %2 but could not be marked announced: %3")
                      .arg(shownTitle(item), address, error.description()));
        return;
    }
    m_summary.posted << shownTitle(item);
    ++m_next;
    postNext();
}

void BlueskyAnnounce::leaveRest(const QString &why)
{
    for (qsizetype i = m_next; i < m_items.size(); ++i)
        m_summary.notPosted << shownTitle(m_items.at(i));
    m_next = m_items.size();
    m_summary.stoppedBecause = why;
    end();
}

void BlueskyAnnounce::end()
{
    m_running = false;
    emit finished(m_summary);
}

} // namespace rss::bluesky
