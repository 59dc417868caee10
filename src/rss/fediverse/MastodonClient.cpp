#include "rss/fediverse/MastodonClient.h"

#include "rss/fediverse/TimedReply.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace rss::fediverse {

namespace {

QString serverReason(const QJsonObject &json)
{
    const QString error = json.value(QLatin1String("error")).toString();
    const QString description = json.value(QLatin1String("error_description")).toString();
    if (!error.isEmpty() && !description.isEmpty() && description != error)
        return error + QStringLiteral(" (") + description + QLatin1Char(')');
    return error.isEmpty() ? description : error;
}

} // namespace

MastodonClient::MastodonClient(const QUrl &server, QObject *parent)
    : QObject(parent)
    , m_server(server)
    , m_network(new QNetworkAccessManager(this))
{
    // Only the server typed is spoken to; a redirect elsewhere would carry the token along.
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

MastodonClient::~MastodonClient()
{
    // Nobody is left to hear how the calls ended.
    m_stopped = true;
    const QList<QNetworkReply *> replies = findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies) {
        reply->disconnect(this);
        reply->abort();
    }
}

void MastodonClient::stop()
{
    m_stopped = true;
    const QList<QNetworkReply *> replies = findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies)
        reply->abort();
}

void MastodonClient::registerApp(const Done &done)
{
    const auto registerWith = [this](const char *scopes, const Done &then) {
        m_registeredScopes = QLatin1String(scopes);
        QUrlQuery form;
        form.addQueryItem(QStringLiteral("client_name"), QStringLiteral("Tallowmere"));
        form.addQueryItem(QStringLiteral("redirect_uris"), QLatin1String(RedirectUri));
        form.addQueryItem(QStringLiteral("scopes"), m_registeredScopes);
        send(Method::PostForm, QStringLiteral("/api/v1/apps"), form, {}, then);
    };
    registerWith(Scopes, [this, done, registerWith](const MastodonReply &reply) {
        const bool scopeRefused = reply.status == 400 || reply.status == 422;
        if (scopeRefused)
            registerWith(OlderServerScopes, done);
        else
            done(reply);
    });
}

AppRegistration MastodonClient::registration(const MastodonReply &reply) const
{
    return {reply.json.value(QLatin1String("client_id")).toString(),
            reply.json.value(QLatin1String("client_secret")).toString(), m_registeredScopes};
}

QUrl MastodonClient::authorizationAddress(const AppRegistration &app) const
{
    QUrl address = m_server;
    address.setPath(QStringLiteral("/oauth/authorize"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("client_id"), app.clientId);
    query.addQueryItem(QStringLiteral("redirect_uri"), QLatin1String(RedirectUri));
    query.addQueryItem(QStringLiteral("response_type"), QStringLiteral("code"));
    query.addQueryItem(QStringLiteral("scope"), app.scopes);
    address.setQuery(query);
    return address;
}

void MastodonClient::exchangeCode(const AppRegistration &app, const QString &code, const Done &done)
{
    QUrlQuery form;
    form.addQueryItem(QStringLiteral("grant_type"), QStringLiteral("authorization_code"));
    form.addQueryItem(QStringLiteral("code"), code.trimmed());
    form.addQueryItem(QStringLiteral("client_id"), app.clientId);
    form.addQueryItem(QStringLiteral("client_secret"), app.clientSecret);
    form.addQueryItem(QStringLiteral("redirect_uri"), QLatin1String(RedirectUri));
    form.addQueryItem(QStringLiteral("scope"), app.scopes);
    send(Method::PostForm, QStringLiteral("/oauth/token"), form, {}, done);
}

void MastodonClient::verifyCredentials(const Done &done)
{
    send(Method::Get, QStringLiteral("/api/v1/accounts/verify_credentials"), {}, {}, done);
}

void MastodonClient::revoke(const AppRegistration &app, const Done &done)
{
    QUrlQuery form;
    form.addQueryItem(QStringLiteral("client_id"), app.clientId);
    form.addQueryItem(QStringLiteral("client_secret"), app.clientSecret);
    form.addQueryItem(QStringLiteral("token"), m_token);
    send(Method::PostForm, QStringLiteral("/oauth/revoke"), form, {}, done);
}

void MastodonClient::instance(const Done &done)
{
    send(Method::Get, QStringLiteral("/api/v2/instance"), {}, {}, done);
}

void MastodonClient::postStatus(const QString &text, const QByteArray &idempotencyKey, const Done &done)
{
    postAttempt(text, idempotencyKey, m_retries, done);
}

void MastodonClient::postAttempt(const QString &text, const QByteArray &key, int triesLeft, const Done &done)
{
    QUrlQuery form;
    form.addQueryItem(QStringLiteral("status"), text);
    form.addQueryItem(QStringLiteral("visibility"), QStringLiteral("public"));
    const QPointer<MastodonClient> self(this);
    send(Method::PostForm, QStringLiteral("/api/v1/statuses"), form, {QByteArray("Idempotency-Key"), key},
         [self, text, key, triesLeft, done](const MastodonReply &reply) {
             // A lost reply may hide a stored post: the same key makes the server answer
             // with that post rather than make a second one.
             const bool lost = reply.outcome == MastodonReply::Outcome::TimedOut
                               || reply.outcome == MastodonReply::Outcome::Unreachable || reply.status == 502
                               || reply.status == 503 || reply.status == 504;
             if (!lost || triesLeft <= 0 || !self || self->m_stopped) {
                 done(reply);
                 return;
             }
             ++self->m_busy;
             QTimer::singleShot(self->m_retryPause, self, [self, text, key, triesLeft, done]() {
                 --self->m_busy;
                 if (self->m_stopped) {
                     done(MastodonReply{MastodonReply::Outcome::Stopped, 0, {}, tr("Stopped."), {}});
                     return;
                 }
                 self->postAttempt(text, key, triesLeft - 1, done);
             });
         });
}

void MastodonClient::send(Method method, const QString &path, const QUrlQuery &form, const QList<QByteArray> &headers,
                          const Done &done)
{
    m_stopped = false;
    QUrl url = m_server;
    url.setPath(path);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Tallowmere"));
    request.setRawHeader("Accept", "application/json");
    if (!m_token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + m_token.toUtf8());
    for (qsizetype i = 0; i + 1 < headers.size(); i += 2)
        request.setRawHeader(headers.at(i), headers.at(i + 1));
    QNetworkReply *reply = nullptr;
    if (method == Method::Get) {
        reply = m_network->get(request);
    } else {
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
        reply = m_network->post(request, form.query(QUrl::FullyEncoded).toUtf8());
    }
    ++m_busy;
    watchReply(reply, m_timeout, this, [this, done](QNetworkReply *finished, bool timedOut, bool tooLarge) {
        --m_busy;
        MastodonReply judged = judge(finished, timedOut);
        if (tooLarge) {
            judged = MastodonReply{
                MastodonReply::Outcome::Failed,
                judged.status,
                {},
                tr("The server %1 sent a reply far larger than any answer of its kind.").arg(m_server.host()),
                {}};
        }
        done(judged);
    });
}

MastodonReply MastodonClient::judge(QNetworkReply *reply, bool timedOut) const
{
    using O = MastodonReply::Outcome;
    MastodonReply result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body
        = reply->isOpen() && reply->bytesAvailable() <= MaxReplyBytes ? reply->readAll() : QByteArray();
    result.json = QJsonDocument::fromJson(body).object();
    const QString host = m_server.host();
    if (timedOut) {
        result.outcome = O::TimedOut;
        result.message = tr("The server %1 did not answer within %2 seconds.")
                             .arg(host)
                             .arg(std::chrono::duration_cast<std::chrono::seconds>(m_timeout).count());
        return result;
    }
    if (m_stopped) {
        result.outcome = O::Stopped;
        result.message = tr("Stopped.");
        return result;
    }
    // A success whose body broke off is no success: the post may or may not be stored.
    const bool brokenOff = reply->error() != QNetworkReply::NoError && result.status >= 200 && result.status < 300;
    if (result.status == 0 || brokenOff) {
        result.outcome = O::Unreachable;
        result.message = tr("The server %1 could not be reached: %2").arg(host, reply->errorString());
        return result;
    }
    if (result.status >= 200 && result.status < 300) {
        result.outcome = O::Ok;
        return result;
    }
    const QString reason = serverReason(result.json);
    switch (result.status) {
    case 401:
        result.outcome = O::NotAccepted;
        result.message = tr("The server %1 no longer accepts this connection; connect the account again.").arg(host);
        break;
    case 422:
        result.outcome = O::Rejected;
        result.message
            = tr("The server %1 refused it: %2").arg(host, reason.isEmpty() ? tr("no reason given") : reason);
        break;
    case 429: {
        result.outcome = O::RateLimited;
        result.retryAt
            = QDateTime::fromString(QString::fromLatin1(reply->rawHeader("X-RateLimit-Reset")), Qt::ISODateWithMs);
        result.message = result.retryAt.isValid()
                             ? tr("The server %1 takes no more posts until %2.")
                                   .arg(host, result.retryAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")))
                             : tr("The server %1 takes no more posts for now; try again later.").arg(host);
        break;
    }
    default:
        result.outcome = O::Failed;
        result.message = reason.isEmpty()
                             ? tr("The server %1 answered %2.").arg(host).arg(result.status)
                             : tr("The server %1 answered %2: %3").arg(host).arg(result.status).arg(reason);
        break;
    }
    return result;
}

} // namespace rss::fediverse
