#include "rss/fediverse/MastodonClient.h"

#include <QJsonDocument>
#include <QPointer>
#include <QTimer>
#include <QUrlQuery>

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
{
}

// The exchange ends the calls still running without reporting them: nobody is left to hear.
MastodonClient::~MastodonClient() = default;

void MastodonClient::stop()
{
    m_stopped = true;
    m_http.stop();
}

void MastodonClient::registerApp(const Done &done)
{
    const auto registerWith = [this](const char *scopes, const Done &then) {
        m_registeredScopes = QLatin1String(scopes);
        const Form form{{QStringLiteral("client_name"), QStringLiteral("Tallowmere")},
                        {QStringLiteral("redirect_uris"), QLatin1String(RedirectUri)},
                        {QStringLiteral("scopes"), m_registeredScopes}};
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
    const Form form{{QStringLiteral("grant_type"), QStringLiteral("authorization_code")},
                    {QStringLiteral("code"), code.trimmed()},
                    {QStringLiteral("client_id"), app.clientId},
                    {QStringLiteral("client_secret"), app.clientSecret},
                    {QStringLiteral("redirect_uri"), QLatin1String(RedirectUri)},
                    {QStringLiteral("scope"), app.scopes}};
    send(Method::PostForm, QStringLiteral("/oauth/token"), form, {}, done);
}

void MastodonClient::verifyCredentials(const Done &done)
{
    send(Method::Get, QStringLiteral("/api/v1/accounts/verify_credentials"), {}, {}, done);
}

void MastodonClient::revoke(const AppRegistration &app, const Done &done)
{
    const Form form{{QStringLiteral("client_id"), app.clientId},
                    {QStringLiteral("client_secret"), app.clientSecret},
                    {QStringLiteral("token"), m_token}};
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
    const Form form{{QStringLiteral("status"), text}, {QStringLiteral("visibility"), QStringLiteral("public")}};
    const QPointer<MastodonClient> self(this);
    send(Method::PostForm, QStringLiteral("/api/v1/statuses"), form, {"Idempotency-Key: " + key},
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

void MastodonClient::send(Method method, const QString &path, const Form &form, const QList<QByteArray> &headers,
                          const Done &done)
{
    m_stopped = false;
    QUrl url = m_server;
    url.setPath(path);
    QList<QByteArray> lines{"Accept: application/json"};
    if (!m_token.isEmpty())
        lines.append("Authorization: Bearer " + m_token.toUtf8());
    lines.append(headers);
    ++m_busy;
    const auto judged = [this, done](const TransferResult &result) {
        --m_busy;
        done(judge(result));
    };
    if (method == Method::Get)
        m_http.get(url, lines, judged);
    else
        m_http.post(url, lines, "application/x-www-form-urlencoded", HttpExchange::formBody(form), judged);
}

MastodonReply MastodonClient::judge(const TransferResult &transfer) const
{
    using O = MastodonReply::Outcome;
    using E = HttpExchange::Ending;
    MastodonReply result;
    result.status = static_cast<int>(transfer.responseCode);
    const QString host = m_server.host();
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
            = QDateTime::fromString(QString::fromLatin1(transfer.header("X-RateLimit-Reset")), Qt::ISODateWithMs);
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
