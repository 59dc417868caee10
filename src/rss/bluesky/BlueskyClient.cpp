#include "rss/bluesky/BlueskyClient.h"

#include "rss/fediverse/TimedReply.h"

#include <QIODevice>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>

namespace rss::bluesky {

namespace {

const QString PostCollection = QStringLiteral("app.bsky.feed.post");

QString serviceReason(const QJsonObject &json)
{
    const QString error = json.value(QLatin1String("error")).toString();
    const QString message = json.value(QLatin1String("message")).toString();
    if (!error.isEmpty() && !message.isEmpty() && message != error)
        return error + QStringLiteral(" (") + message + QLatin1Char(')');
    return error.isEmpty() ? message : error;
}

// A request body that can be read once only. Qt Network quietly sends a request again
// when the connection closes before any answer; for a post that means a second post.
// A body it cannot rewind makes it report the lost reply instead, which the caller
// looks into before sending anything again.
class OneShotBody final : public QIODevice
{
public:
    explicit OneShotBody(QByteArray data)
        : m_data(std::move(data))
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_data.size() - m_at + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *into, qint64 most) override
    {
        const qint64 count = std::min(most, qint64(m_data.size()) - m_at);
        std::copy_n(m_data.constData() + m_at, count, into);
        m_at += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_at = 0;
};

} // namespace

QString postAddress(const QString &handle, const QString &uri)
{
    // at://did:plc:abc/app.bsky.feed.post/3kxyz
    const QString prefix = QStringLiteral("at://");
    const QStringList parts = uri.mid(prefix.size()).split(QLatin1Char('/'));
    if (!uri.startsWith(prefix) || parts.size() != 3 || parts.at(1) != PostCollection || parts.at(2).isEmpty()
        || handle.isEmpty())
        return {};
    return QStringLiteral("https://bsky.app/profile/%1/post/%2")
        .arg(QString::fromUtf8(QUrl::toPercentEncoding(handle, "@.")),
             QString::fromUtf8(QUrl::toPercentEncoding(parts.at(2))));
}

BlueskyClient::BlueskyClient(const QUrl &service, QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_network(new QNetworkAccessManager(this))
{
    // Only the service typed is spoken to; a redirect elsewhere would carry the tokens along.
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

BlueskyClient::~BlueskyClient()
{
    m_stopped = true;
    const QList<QNetworkReply *> replies = findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies) {
        reply->disconnect(this);
        reply->abort();
    }
}

void BlueskyClient::stop()
{
    m_stopped = true;
    const QList<QNetworkReply *> replies = findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies)
        reply->abort();
}

void BlueskyClient::createSession(const QString &identifier, const QString &appPassword, const Done &done)
{
    const QJsonObject body{{QStringLiteral("identifier"), identifier}, {QStringLiteral("password"), appPassword}};
    send(QStringLiteral("com.atproto.server.createSession"), {}, &body, {},
         [this, done](const XrpcReply &reply) { takeSession(done, reply); });
}

void BlueskyClient::refreshSession(const Done &done)
{
    const QJsonObject none;
    send(QStringLiteral("com.atproto.server.refreshSession"), {}, &none, m_session.refreshJwt,
         [this, done](const XrpcReply &reply) { takeSession(done, reply); });
}

void BlueskyClient::takeSession(const Done &done, const XrpcReply &reply)
{
    Session session{reply.json.value(QLatin1String("did")).toString(),
                    reply.json.value(QLatin1String("handle")).toString(),
                    reply.json.value(QLatin1String("accessJwt")).toString(),
                    reply.json.value(QLatin1String("refreshJwt")).toString()};
    if (reply.ok() && (session.did.isEmpty() || session.accessJwt.isEmpty() || session.refreshJwt.isEmpty())) {
        done(XrpcReply{XrpcReply::Outcome::Failed,
                       reply.status,
                       reply.json,
                       tr("The service %1 answered without a session.").arg(m_service.host()),
                       {}});
        return;
    }
    if (reply.ok())
        m_session = session;
    done(reply);
}

void BlueskyClient::deleteSession(const Done &done)
{
    const QJsonObject none;
    send(QStringLiteral("com.atproto.server.deleteSession"), {}, &none, m_session.refreshJwt, done);
}

void BlueskyClient::createPost(const QJsonObject &record, const Done &done)
{
    const QJsonObject body{{QStringLiteral("repo"), m_session.did},
                           {QStringLiteral("collection"), PostCollection},
                           {QStringLiteral("record"), record}};
    send(QStringLiteral("com.atproto.repo.createRecord"), {}, &body, m_session.accessJwt, done);
}

void BlueskyClient::listPosts(int limit, const Done &done)
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("repo"), m_session.did);
    query.addQueryItem(QStringLiteral("collection"), PostCollection);
    query.addQueryItem(QStringLiteral("limit"), QString::number(limit));
    send(QStringLiteral("com.atproto.repo.listRecords"), query, nullptr, m_session.accessJwt, done);
}

void BlueskyClient::send(const QString &method, const QUrlQuery &query, const QJsonObject *body, const QString &token,
                         const Done &done)
{
    m_stopped = false;
    QUrl url = m_service;
    url.setPath(QStringLiteral("/xrpc/") + method);
    url.setQuery(query);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Tallowmere"));
    request.setRawHeader("Accept", "application/json");
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    QNetworkReply *reply = nullptr;
    if (body) {
        const QByteArray data = QJsonDocument(*body).toJson(QJsonDocument::Compact);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        request.setHeader(QNetworkRequest::ContentLengthHeader, data.size());
        request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
        auto *once = new OneShotBody(data);
        reply = m_network->post(request, once);
        once->setParent(reply);
    } else {
        reply = m_network->get(request);
    }
    ++m_busy;
    fediverse::watchReply(reply, m_timeout, this, [this, done](QNetworkReply *finished, bool timedOut, bool tooLarge) {
        --m_busy;
        XrpcReply judged = judge(finished, timedOut);
        if (tooLarge) {
            judged = XrpcReply{
                XrpcReply::Outcome::Failed,
                judged.status,
                {},
                tr("The service %1 sent a reply far larger than any answer of its kind.").arg(m_service.host()),
                {}};
        }
        done(judged);
    });
}

XrpcReply BlueskyClient::judge(QNetworkReply *reply, bool timedOut) const
{
    using O = XrpcReply::Outcome;
    XrpcReply result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body
        = reply->isOpen() && reply->bytesAvailable() <= fediverse::MaxReplyBytes ? reply->readAll() : QByteArray();
    result.json = QJsonDocument::fromJson(body).object();
    const QString host = m_service.host();
    if (timedOut) {
        result.outcome = O::TimedOut;
        result.message = tr("The service %1 did not answer within %2 seconds.")
                             .arg(host)
                             .arg(std::chrono::duration_cast<std::chrono::seconds>(m_timeout).count());
        return result;
    }
    if (m_stopped) {
        result.outcome = O::Stopped;
        result.message = tr("Stopped.");
        return result;
    }
    // A success whose body broke off is no success: the record may or may not be stored.
    const bool brokenOff = reply->error() != QNetworkReply::NoError && result.status >= 200 && result.status < 300;
    if (result.status == 0 || brokenOff) {
        result.outcome = O::Unreachable;
        result.message = tr("The service %1 could not be reached: %2").arg(host, reply->errorString());
        return result;
    }
    if (result.status >= 200 && result.status < 300) {
        result.outcome = O::Ok;
        return result;
    }
    const QString error = result.json.value(QLatin1String("error")).toString();
    const QString reason = serviceReason(result.json);
    if ((result.status == 400 || result.status == 401) && error == QLatin1String("ExpiredToken")) {
        result.outcome = O::Expired;
        result.message = tr("The session at %1 has expired; connect the account again.").arg(host);
    } else if (result.status == 401 || error == QLatin1String("InvalidToken")
               || error == QLatin1String("AuthenticationRequired") || error == QLatin1String("AccountTakedown")) {
        result.outcome = O::NotAccepted;
        result.message = tr("The service %1 no longer accepts this connection; connect the account again.").arg(host);
        if (!reason.isEmpty())
            result.message += QStringLiteral(" (") + reason + QLatin1Char(')');
    } else if (result.status == 429) {
        result.outcome = O::RateLimited;
        bool isNumber = false;
        const qint64 reset = reply->rawHeader("ratelimit-reset").trimmed().toLongLong(&isNumber);
        if (isNumber && reset > 0)
            result.retryAt = QDateTime::fromSecsSinceEpoch(reset).toUTC();
        result.message = result.retryAt.isValid()
                             ? tr("The service %1 takes no more posts until %2.")
                                   .arg(host, result.retryAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")))
                             : tr("The service %1 takes no more posts for now; try again later.").arg(host);
    } else if (result.status == 400) {
        result.outcome = O::Rejected;
        result.message
            = tr("The service %1 refused it: %2").arg(host, reason.isEmpty() ? tr("no reason given") : reason);
    } else {
        result.outcome = O::Failed;
        result.message = reason.isEmpty()
                             ? tr("The service %1 answered %2.").arg(host).arg(result.status)
                             : tr("The service %1 answered %2: %3").arg(host).arg(result.status).arg(reason);
    }
    return result;
}

} // namespace rss::bluesky
