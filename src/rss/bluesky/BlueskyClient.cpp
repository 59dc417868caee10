#include "rss/bluesky/BlueskyClient.h"

#include <QJsonDocument>

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
{
}

// The exchange ends the calls still running without reporting them.
BlueskyClient::~BlueskyClient() = default;

void BlueskyClient::stop()
{
    m_stopped = true;
    m_http.stop();
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
    QList<QByteArray> headers{"Accept: application/json"};
    if (!token.isEmpty())
        headers.append("Authorization: Bearer " + token.toUtf8());
    ++m_busy;
    const auto judged = [this, done](const TransferResult &result) {
        --m_busy;
        done(judge(result));
    };
    // A post whose reply is lost is reported as lost, never sent again unasked: the
    // caller looks for it first.
    if (body)
        m_http.post(url, headers, "application/json", QJsonDocument(*body).toJson(QJsonDocument::Compact), judged);
    else
        m_http.get(url, headers, judged);
}

XrpcReply BlueskyClient::judge(const TransferResult &transfer) const
{
    using O = XrpcReply::Outcome;
    using E = HttpExchange::Ending;
    XrpcReply result;
    result.status = static_cast<int>(transfer.responseCode);
    const QString host = m_service.host();
    E ending = HttpExchange::endingOf(transfer);
    if (m_stopped && ending != E::TimedOut)
        ending = E::Stopped;
    if (ending != E::Answered) {
        result.outcome = HttpExchange::outcomeWithoutAnswer<O>(ending);
        result.message = m_http.noAnswerMessage(ending, transfer, host);
        return result;
    }
    result.json = QJsonDocument::fromJson(transfer.body).object();
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
        const qint64 reset = transfer.header("ratelimit-reset").trimmed().toLongLong(&isNumber);
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
