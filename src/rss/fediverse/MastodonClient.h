#pragma once

#include "rss/HttpExchange.h"

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QUrl>

#include <chrono>
#include <functional>
#include <utility>

namespace rss::fediverse {

// How one call to a server ended, with the words the user sees when it failed.
struct MastodonReply
{
    enum class Outcome {
        Ok,
        NotAccepted, // 401: the token is no longer good
        Rejected,    // 422: the server's own reason is in message
        RateLimited, // 429: retryAt says when it takes posts again
        TimedOut,    // no whole reply within the time-out
        Unreachable, // refused, unknown host, TLS, a reply lost on the way
        Failed,      // any other answer
        Stopped,
    };

    Outcome outcome = Outcome::Failed;
    int status = 0;
    QJsonObject json;
    QString message;
    QDateTime retryAt;

    bool ok() const { return outcome == Outcome::Ok; }
};

// The program as registered on one server.
struct AppRegistration
{
    QString clientId;
    QString clientSecret;
    QString scopes; // as registered; the authorisation asks for the same
};

// The calls of the Mastodon API that announcing needs, made through the transfer module
// (rss::HttpExchange): they return at once and call `done` later on this object's thread, so the window never
// waits on a server. stop() ends whatever runs; each call then reports Stopped.
class MastodonClient : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(const MastodonReply &)>;

    static constexpr const char *RedirectUri = "urn:ietf:wg:oauth:2.0:oob";
    static constexpr const char *Scopes = "write:statuses profile";
    // A server from before the profile scope refuses it; the account check then needs this.
    static constexpr const char *OlderServerScopes = "write:statuses read:accounts";

    explicit MastodonClient(const QUrl &server, QObject *parent = nullptr);
    ~MastodonClient() override;

    const QUrl &server() const { return m_server; }
    void setToken(const QString &token) { m_token = token; }
    void setTimeout(std::chrono::milliseconds timeout) { m_http.setTimeout(timeout); }
    // A post whose reply was lost is sent again (same key) this many times, after this pause.
    void setRetries(int retries, std::chrono::milliseconds pause)
    {
        m_retries = retries;
        m_retryPause = pause;
    }

    // Registers with Scopes, or with OlderServerScopes where the server refuses those.
    void registerApp(const Done &done);
    // The registration a successful registerApp reply gives.
    AppRegistration registration(const MastodonReply &reply) const;
    QUrl authorizationAddress(const AppRegistration &app) const;
    void exchangeCode(const AppRegistration &app, const QString &code, const Done &done);
    void verifyCredentials(const Done &done);
    void revoke(const AppRegistration &app, const Done &done);
    void instance(const Done &done);
    void postStatus(const QString &text, const QByteArray &idempotencyKey, const Done &done);

    void stop();
    bool isBusy() const { return m_busy > 0; }

private:
    enum class Method {
        Get,
        PostForm
    };

    using Form = QList<std::pair<QString, QString>>;

    // `headers` are "Name: value" lines.
    void send(Method method, const QString &path, const Form &form, const QList<QByteArray> &headers, const Done &done);
    void postAttempt(const QString &text, const QByteArray &key, int triesLeft, const Done &done);
    MastodonReply judge(const TransferResult &result) const;

    QUrl m_server;
    QString m_token;
    QString m_registeredScopes = QLatin1String(Scopes);
    HttpExchange m_http;
    int m_retries = 3;
    std::chrono::milliseconds m_retryPause{std::chrono::seconds(5)};
    bool m_stopped = false;
    int m_busy = 0;
};

} // namespace rss::fediverse
