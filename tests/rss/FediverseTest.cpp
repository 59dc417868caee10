#include "LocalServer.h"
#include "rss/fediverse/FediverseAnnounce.h"
#include "rss/fediverse/MastodonClient.h"
#include "rss/fediverse/StatusText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <gtest/gtest.h>

#include <memory>

using rss::RssItem;
using rss::fediverse::AnnounceSummary;
using rss::fediverse::AppRegistration;
using rss::fediverse::FediverseAnnounce;
using rss::fediverse::MastodonClient;
using rss::fediverse::MastodonReply;
using testing_support::LocalServer;
using testing_support::waitUntil;

namespace {

class FediverseTest : public ::testing::Test
{
protected:
    void startServer(const QStringList &options = {})
    {
        m_server = std::make_unique<LocalServer>(QStringLiteral("mastodon_server.py"), options);
        m_client = std::make_unique<MastodonClient>(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server->port())));
        m_client->setTimeout(std::chrono::seconds(2));
        m_client->setRetries(3, std::chrono::milliseconds(50));
    }

    MastodonReply call(const std::function<void(const MastodonClient::Done &)> &request)
    {
        bool ended = false;
        MastodonReply result;
        request([&](const MastodonReply &reply) {
            result = reply;
            ended = true;
        });
        EXPECT_TRUE(waitUntil([&] { return ended; }));
        return result;
    }

    // Registers, exchanges the code and keeps the token, as Connect does.
    void connectAccount()
    {
        const MastodonReply app = call([&](auto done) { m_client->registerApp(done); });
        ASSERT_TRUE(app.ok()) << app.message.toStdString();
        m_app = m_client->registration(app);
        const MastodonReply token
            = call([&](auto done) { m_client->exchangeCode(m_app, QStringLiteral(" good-code\n"), done); });
        ASSERT_TRUE(token.ok()) << token.message.toStdString();
        m_client->setToken(token.json.value(QLatin1String("access_token")).toString());
    }

    AnnounceSummary announce(const QList<RssItem> &items)
    {
        FediverseAnnounce run(*m_client, QStringLiteral("/home/office/rss.db"),
                              [this](const RssItem &item, const QString &address) { m_marked[item.id] = address; });
        bool ended = false;
        AnnounceSummary summary;
        QObject::connect(&run, &FediverseAnnounce::finished, [&](const AnnounceSummary &s) {
            summary = s;
            ended = true;
        });
        run.start(items);
        EXPECT_TRUE(waitUntil([&] { return ended; }));
        return summary;
    }

    // What the test server keeps, from its own list.
    QJsonArray stored()
    {
        QNetworkAccessManager network;
        QUrl url = m_client->server();
        url.setPath(QStringLiteral("/test/statuses"));
        QNetworkReply *reply = network.get(QNetworkRequest(url));
        EXPECT_TRUE(waitUntil([&] { return reply->isFinished(); }));
        const QJsonArray list = QJsonDocument::fromJson(reply->readAll()).array();
        delete reply;
        return list;
    }

    static QList<RssItem> items(int count)
    {
        QList<RssItem> list;
        for (int i = 1; i <= count; ++i)
            list << RssItem{QString::number(i), QStringLiteral("Item %1").arg(i),
                            QStringLiteral("https://shop.example/%1").arg(i), QStringLiteral("About item %1.").arg(i)};
        return list;
    }

    std::unique_ptr<LocalServer> m_server;
    std::unique_ptr<MastodonClient> m_client;
    AppRegistration m_app;
    QMap<QString, QString> m_marked;
};

TEST_F(FediverseTest, ConnectsChecksTheAccountAndRevokes)
{
    startServer();
    connectAccount();
    const QUrl authorise = m_client->authorizationAddress(m_app);
    EXPECT_EQ(authorise.path(), QStringLiteral("/oauth/authorize"));
    EXPECT_TRUE(authorise.query(QUrl::FullyDecoded).contains(QStringLiteral("scope=write:statuses profile")));
    const MastodonReply me = call([&](auto done) { m_client->verifyCredentials(done); });
    ASSERT_TRUE(me.ok());
    EXPECT_EQ(me.json.value(QLatin1String("username")).toString(), QStringLiteral("office"));

    EXPECT_TRUE(call([&](auto done) { m_client->revoke(m_app, done); }).ok());
    const MastodonReply after = call([&](auto done) { m_client->verifyCredentials(done); });
    EXPECT_EQ(after.outcome, MastodonReply::Outcome::NotAccepted);
    EXPECT_TRUE(after.message.contains(QStringLiteral("connect the account again")));
}

// A server from before the profile scope refuses to register it: the program asks
// for reading the account instead, and the check of the account still works.
TEST_F(FediverseTest, AServerBeforeTheProfileScopeIsAskedToReadTheAccountInstead)
{
    startServer({QStringLiteral("--before-profile")});
    connectAccount();
    EXPECT_EQ(m_app.scopes, QLatin1String(MastodonClient::OlderServerScopes));
    EXPECT_TRUE(m_client->authorizationAddress(m_app)
                    .query(QUrl::FullyDecoded)
                    .contains(QStringLiteral("scope=write:statuses read:accounts")));
    EXPECT_TRUE(call([&](auto done) { m_client->verifyCredentials(done); }).ok());
}

TEST_F(FediverseTest, AWrongCodeIsNamed)
{
    startServer();
    const MastodonReply app = call([&](auto done) { m_client->registerApp(done); });
    const MastodonReply token
        = call([&](auto done) { m_client->exchangeCode(m_client->registration(app), QStringLiteral("typo"), done); });
    EXPECT_FALSE(token.ok());
    EXPECT_TRUE(token.message.contains(QStringLiteral("invalid_grant"))) << token.message.toStdString();
}

TEST_F(FediverseTest, ADroppedReplyIsRetriedWithTheSameKeyAndPostsOnce)
{
    startServer({QStringLiteral("--drop-reply"), QStringLiteral("2")});
    connectAccount();
    const AnnounceSummary summary = announce(items(3));
    EXPECT_EQ(summary.posted.size(), 3) << summary.message().toStdString();
    EXPECT_TRUE(summary.notPosted.isEmpty());
    EXPECT_EQ(m_marked.size(), 3);
    EXPECT_EQ(m_marked.value(QStringLiteral("2")), QStringLiteral("http://127.0.0.1/@office/2"));
    EXPECT_EQ(stored().size(), 3);
}

TEST_F(FediverseTest, TheKeyIsTheSameForTheSameItemOnEveryTry)
{
    using rss::fediverse::idempotencyKey;
    const QString db = QStringLiteral("/home/office/rss.db");
    EXPECT_EQ(idempotencyKey(db, QStringLiteral("5")), idempotencyKey(db, QStringLiteral("5")));
    EXPECT_NE(idempotencyKey(db, QStringLiteral("5")), idempotencyKey(db, QStringLiteral("6")));
    EXPECT_NE(idempotencyKey(db, QStringLiteral("5")),
              idempotencyKey(QStringLiteral("/other.db"), QStringLiteral("5")));
    // A second run after a lost mark posts nothing new: the server answers with the first post.
    startServer();
    connectAccount();
    announce(items(2));
    m_marked.clear();
    const AnnounceSummary again = announce(items(2));
    EXPECT_EQ(again.posted.size(), 2);
    EXPECT_EQ(m_marked.value(QStringLiteral("1")), QStringLiteral("http://127.0.0.1/@office/1"));
    EXPECT_EQ(m_marked.value(QStringLiteral("2")), QStringLiteral("http://127.0.0.1/@office/2"));
    EXPECT_EQ(stored().size(), 2);
}

TEST_F(FediverseTest, ARateLimitMidRunStopsThereAndSaysWhen)
{
    startServer({QStringLiteral("--rate-limit-after"), QStringLiteral("2")});
    connectAccount();
    const AnnounceSummary summary = announce(items(4));
    EXPECT_EQ(summary.posted.size(), 2);
    EXPECT_EQ(summary.notPosted.size(), 2);
    EXPECT_FALSE(m_marked.contains(QStringLiteral("3")));
    EXPECT_TRUE(summary.stoppedBecause.contains(QStringLiteral("2031-05-0"))) << summary.message().toStdString();
    EXPECT_TRUE(summary.message().contains(QStringLiteral("\"Item 4\"")));
}

TEST_F(FediverseTest, ARefusedItemShowsTheServersReasonAndTheRestGoOn)
{
    startServer({QStringLiteral("--reject"), QStringLiteral("Item 2")});
    connectAccount();
    const AnnounceSummary summary = announce(items(3));
    EXPECT_EQ(summary.posted, (QStringList{QStringLiteral("\"Item 1\""), QStringLiteral("\"Item 3\"")}));
    ASSERT_EQ(summary.notPosted.size(), 1);
    EXPECT_TRUE(summary.notPosted.first().contains(QStringLiteral("character limit")))
        << summary.message().toStdString();
    EXPECT_FALSE(m_marked.contains(QStringLiteral("2")));
}

TEST_F(FediverseTest, ALostConnectionStopsTheRunAndMarksNothing)
{
    startServer();
    connectAccount();
    m_client->setToken(QStringLiteral("revoked-elsewhere"));
    const AnnounceSummary summary = announce(items(2));
    EXPECT_TRUE(summary.posted.isEmpty());
    EXPECT_EQ(summary.notPosted.size(), 2);
    EXPECT_TRUE(summary.stoppedBecause.contains(QStringLiteral("connect the account again")));
    EXPECT_TRUE(m_marked.isEmpty());
}

TEST_F(FediverseTest, AServerThatHangsIsNamedAfterTheTimeOut)
{
    startServer({QStringLiteral("--hang")});
    m_client->setToken(QStringLiteral("token-1"));
    m_client->setTimeout(std::chrono::milliseconds(300));
    const AnnounceSummary summary = announce(items(1));
    EXPECT_TRUE(summary.posted.isEmpty());
    EXPECT_TRUE(summary.stoppedBecause.contains(QStringLiteral("did not answer"))) << summary.message().toStdString();
    EXPECT_TRUE(m_marked.isEmpty());
}

TEST_F(FediverseTest, AServerThatIsDownIsNamed)
{
    m_client = std::make_unique<MastodonClient>(
        QUrl(QStringLiteral("http://127.0.0.1:%1").arg(testing_support::unusedPort())));
    m_client->setRetries(1, std::chrono::milliseconds(10));
    const AnnounceSummary summary = announce(items(1));
    EXPECT_TRUE(summary.stoppedBecause.contains(QStringLiteral("could not be reached")))
        << summary.message().toStdString();
}

TEST_F(FediverseTest, TheServersLimitShapesThePost)
{
    startServer({QStringLiteral("--max-characters"), QStringLiteral("60")});
    connectAccount();
    // A '+' stays a '+': a form reader takes a bare one for a space.
    RssItem item{QStringLiteral("9"), QStringLiteral("C++ Caf\u00e9 \U0001F600"),
                 QStringLiteral("https://shop.example/9"), QStringLiteral("word ").repeated(40)};
    announce({item});
    ASSERT_EQ(m_marked.size(), 1);
    const QJsonArray posts = stored();
    ASSERT_EQ(posts.size(), 1);
    const QString text = posts.at(0).toObject().value(QLatin1String("content")).toString();
    EXPECT_TRUE(text.startsWith(item.title + QStringLiteral("\n\nhttps://shop.example/9\n\nword")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\u2026")));
    EXPECT_LE(rss::fediverse::countedLength(text, {60, 23}), 60);
    EXPECT_GE(rss::fediverse::countedLength(text, {60, 23}), 55);
}

} // namespace
