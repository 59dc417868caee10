#pragma once

#include "rss/HttpExchange.h"

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>

#include <chrono>
#include <functional>

namespace rss::bluesky {

// Bluesky's own service; any other that speaks the AT protocol may be typed instead.
inline constexpr const char *DefaultService = "https://bsky.social";

// A signed-in session: who the account is and the two tokens the service gave.
struct Session
{
    QString did;
    QString handle;
    QString accessJwt;
    QString refreshJwt;

    bool isEmpty() const { return refreshJwt.isEmpty() && accessJwt.isEmpty(); }
};

// How one call ended, with the words the user sees when it failed.
struct XrpcReply
{
    enum class Outcome {
        Ok,
        Expired,     // the access (or refresh) token has run out: refresh, or sign in again
        NotAccepted, // the session or the app password is refused
        Rejected,    // the service refused this request; its reason is in message
        RateLimited, // 429: retryAt says when it takes requests again
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
    // No answer came: the request may or may not have taken effect.
    bool lost() const
    {
        return outcome == Outcome::TimedOut || outcome == Outcome::Unreachable || status == 502 || status == 503
               || status == 504;
    }
};

// The AT-protocol calls announcing needs, made through the transfer module
// (rss::HttpExchange): they return at once and
// call `done` later on this object's thread, so the window never waits on the service.
// A successful createSession or refreshSession replaces the session held here.
// stop() ends whatever runs; each call then reports Stopped.
class BlueskyClient : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(const XrpcReply &)>;

    explicit BlueskyClient(const QUrl &service, QObject *parent = nullptr);
    ~BlueskyClient() override;

    const QUrl &service() const { return m_service; }
    const Session &session() const { return m_session; }
    void setSession(const Session &session) { m_session = session; }
    void setTimeout(std::chrono::milliseconds timeout) { m_http.setTimeout(timeout); }

    void createSession(const QString &identifier, const QString &appPassword, const Done &done);
    void refreshSession(const Done &done);
    void deleteSession(const Done &done);
    // Stores a record of app.bsky.feed.post in the session's repository.
    void createPost(const QJsonObject &record, const Done &done);
    // The repository's latest posts, newest first.
    void listPosts(int limit, const Done &done);

    void stop();
    bool isBusy() const { return m_busy > 0; }

private:
    void send(const QString &method, const QUrlQuery &query, const QJsonObject *body, const QString &token,
              const Done &done);
    void takeSession(const Done &done, const XrpcReply &reply);
    XrpcReply judge(const TransferResult &transfer) const;

    QUrl m_service;
    Session m_session;
    HttpExchange m_http;
    bool m_stopped = false;
    int m_busy = 0;
};

// "https://bsky.app/profile/<handle>/post/<rkey>" for the record at://did/app.bsky.feed.post/rkey;
// empty when `uri` names no post.
QString postAddress(const QString &handle, const QString &uri);

} // namespace rss::bluesky
