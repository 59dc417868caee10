// Announcing on Bluesky against an AT-protocol server of our own on 127.0.0.1.
#include "LocalServer.h"
#include "rss/bluesky/BlueskyAnnounce.h"
#include "rss/bluesky/BlueskyClient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <gtest/gtest.h>

#include <memory>

using rss::RssItem;
using rss::bluesky::BlueskyAnnounce;
using rss::bluesky::BlueskyClient;
using rss::bluesky::XrpcReply;
using rss::fediverse::AnnounceSummary;
using testing_support::LocalServer;
using testing_support::waitUntil;

namespace {

const QString Handle = QStringLiteral("office.test");
const QString AppPassword = QStringLiteral("abcd-efgh-ijkl-mnop");

class BlueskyTest : public ::testing::Test
{
protected:
    void startServer(const QStringList &options = {})
    {
        m_server = std::make_unique<LocalServer>(QStringLiteral("atproto_server.py"), options);
        m_client = newClient(m_server->port());
    }

    static std::unique_ptr<BlueskyClient> newClient(int port)
    {
        auto client = std::make_unique<BlueskyClient>(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)));
        client->setTimeout(std::chrono::seconds(2));
        return client;
    }

    AnnounceSummary announce(const QList<RssItem> &items, const QString &password = AppPassword)
    {
        BlueskyAnnounce run(*m_client, Handle, password,
                            [this](const RssItem &item, const QString &address) { m_marked[item.id] = address; });
        run.setRetries(3, std::chrono::milliseconds(50));
        bool ended = false;
        AnnounceSummary summary;
        QObject::connect(&run, &BlueskyAnnounce::finished, [&](const AnnounceSummary &s) {
            summary = s;
            ended = true;
        });
        run.start(items);
        EXPECT_TRUE(waitUntil([&] { return ended; }));
        return summary;
    }

    // What the test server keeps, from its own pages.
    QJsonDocument serverPage(const QString &path)
    {
        QNetworkAccessManager network;
        QUrl url = m_client->service();
        url.setPath(path);
        std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(url)));
        EXPECT_TRUE(waitUntil([&] { return reply->isFinished(); }));
        return QJsonDocument::fromJson(reply->readAll());
    }
    QJsonArray stored() { return serverPage(QStringLiteral("/test/records")).array(); }
    int count(const char *what)
    {
        return serverPage(QStringLiteral("/test/counts")).object().value(QLatin1String(what)).toInt();
    }

    static QList<RssItem> items(int count)
    {
        QList<RssItem> list;
        for (int i = 1; i <= count; ++i)
            list << RssItem{QString::number(i), QStringLiteral("Item %1").arg(i),
                            QStringLiteral("https://shop.example/%1").arg(i), QStringLiteral("About item %1.").arg(i)};
        return list;
    }

    static QString address(int number)
    {
        return QStringLiteral("https://bsky.app/profile/office.test/post/3rkey%1").arg(number);
    }

    std::unique_ptr<LocalServer> m_server;
    std::unique_ptr<BlueskyClient> m_client;
    QMap<QString, QString> m_marked;
};

TEST_F(BlueskyTest, ADroppedReplyIsLookedUpAndTheItemPostedOnce)
{
    startServer({QStringLiteral("--drop-reply"), QStringLiteral("2")});
    const AnnounceSummary summary = announce(items(3));
    EXPECT_EQ(summary.posted.size(), 3) << summary.message().toStdString();
    EXPECT_TRUE(summary.notPosted.isEmpty());
    EXPECT_EQ(m_marked.value(QStringLiteral("2")), address(2));
    EXPECT_EQ(m_marked.value(QStringLiteral("3")), address(3));
    EXPECT_EQ(stored().size(), 3);
}

TEST_F(BlueskyTest, ARunWhoseMarksWereLostPostsNothingTwice)
{
    // Items sharing a link are still told apart by their titles.
    QList<RssItem> list = items(2);
    list[1].link = list[0].link;
    startServer();
    announce(list);
    m_marked.clear();
    const AnnounceSummary again = announce(list);
    EXPECT_EQ(again.posted.size(), 2);
    EXPECT_EQ(m_marked.value(QStringLiteral("1")), address(1));
    EXPECT_EQ(m_marked.value(QStringLiteral("2")), address(2));
    EXPECT_EQ(stored().size(), 2);
}

TEST_F(BlueskyTest, ASecondRunRefreshesTheSessionInsteadOfCreatingOne)
{
    startServer({QStringLiteral("--expire-after"), QStringLiteral("2")});
    announce(items(2));
    EXPECT_EQ(count("created"), 1);
    // The next run, as the window starts it: a new client with the kept session.
    const rss::bluesky::Session kept = m_client->session();
    m_client = newClient(m_server->port());
    m_client->setSession(kept);
    QList<RssItem> more = items(5).mid(2);
    const AnnounceSummary summary = announce(more);
    EXPECT_EQ(summary.posted.size(), 3) << summary.message().toStdString();
    EXPECT_EQ(count("created"), 1);
    // Once at the start, and again whenever the access token expired mid-run.
    EXPECT_GE(count("refreshed"), 2);
    EXPECT_EQ(stored().size(), 5);
    EXPECT_EQ(m_client->session().handle, Handle);
}

TEST_F(BlueskyTest, ARefusedRefreshSignsInAgainWithTheAppPassword)
{
    startServer({QStringLiteral("--refuse-refresh")});
    m_client->setSession({QStringLiteral("did:plc:office"), Handle, QStringLiteral("old"), QStringLiteral("old")});
    EXPECT_EQ(announce(items(1)).posted.size(), 1);
    EXPECT_EQ(count("created"), 1);
}

TEST_F(BlueskyTest, AWrongAppPasswordStopsTheRunAndSaysToConnectAgain)
{
    startServer();
    const AnnounceSummary summary = announce(items(2), QStringLiteral("my-own-password"));
    EXPECT_TRUE(summary.posted.isEmpty());
    EXPECT_EQ(summary.notPosted.size(), 2);
    EXPECT_TRUE(summary.stoppedBecause.contains(QStringLiteral("connect the account again")))
        << summary.message().toStdString();
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(BlueskyTest, ARateLimitMidRunStopsThereAndSaysWhen)
{
    startServer({QStringLiteral("--rate-limit-after"), QStringLiteral("2")});
    const AnnounceSummary summary = announce(items(4));
    EXPECT_EQ(summary.posted.size(), 2);
    EXPECT_EQ(summary.notPosted.size(), 2);
    EXPECT_FALSE(m_marked.contains(QStringLiteral("3")));
    // 2031-05-03 07:08 UTC, shown in local time.
    EXPECT_TRUE(summary.stoppedBecause.contains(QStringLiteral("2031-05-0"))) << summary.message().toStdString();
    EXPECT_TRUE(summary.message().contains(QStringLiteral("\"Item 4\"")));
}

TEST_F(BlueskyTest, ARefusedItemShowsTheReasonAndTheRestGoOn)
{
    startServer({QStringLiteral("--reject"), QStringLiteral("Item 2")});
    const AnnounceSummary summary = announce(items(3));
    EXPECT_EQ(summary.posted, (QStringList{QStringLiteral("\"Item 1\""), QStringLiteral("\"Item 3\"")}));
    ASSERT_EQ(summary.notPosted.size(), 1);
    EXPECT_TRUE(summary.notPosted.first().contains(QStringLiteral("text too long"))) << summary.message().toStdString();
    EXPECT_FALSE(m_marked.contains(QStringLiteral("2")));
}

TEST_F(BlueskyTest, AServerThatHangsOrIsDownIsNamed)
{
    startServer({QStringLiteral("--hang")});
    m_client->setTimeout(std::chrono::milliseconds(300));
    AnnounceSummary summary = announce(items(1));
    EXPECT_TRUE(summary.stoppedBecause.contains(QStringLiteral("did not answer"))) << summary.message().toStdString();

    m_client = newClient(testing_support::unusedPort());
    summary = announce(items(1));
    EXPECT_TRUE(summary.stoppedBecause.contains(QStringLiteral("could not be reached")))
        << summary.message().toStdString();
    EXPECT_TRUE(m_marked.isEmpty());
}

TEST_F(BlueskyTest, TheStoredRecordCarriesAClickableLinkAtItsBytes)
{
    startServer();
    const RssItem item{QStringLiteral("9"), QStringLiteral("Caf\u00e9 cr\u00e8me \U0001F44D\U0001F3FD"),
                       QStringLiteral("https://shop.example/caf\u00e9"), QStringLiteral("word ").repeated(100)};
    announce({item});
    const QJsonArray records = stored();
    ASSERT_EQ(records.size(), 1);
    const QJsonObject value = records.at(0).toObject().value(QLatin1String("value")).toObject();
    const QByteArray text = value.value(QLatin1String("text")).toString().toUtf8();
    const QJsonObject index
        = value.value(QLatin1String("facets")).toArray().at(0).toObject().value(QLatin1String("index")).toObject();
    const int start = index.value(QLatin1String("byteStart")).toInt();
    EXPECT_EQ(QString::fromUtf8(text.mid(start, index.value(QLatin1String("byteEnd")).toInt() - start)), item.link);
    EXPECT_TRUE(QDateTime::fromString(value.value(QLatin1String("createdAt")).toString(), Qt::ISODateWithMs).isValid());
}

TEST_F(BlueskyTest, ConnectsWithTheAppPasswordAndEndsTheSession)
{
    startServer();
    bool ended = false;
    XrpcReply reply;
    m_client->createSession(Handle, AppPassword, [&](const XrpcReply &r) {
        reply = r;
        ended = true;
    });
    ASSERT_TRUE(waitUntil([&] { return ended; }));
    ASSERT_TRUE(reply.ok()) << reply.message.toStdString();
    EXPECT_EQ(m_client->session().did, QStringLiteral("did:plc:office"));
    ended = false;
    m_client->deleteSession([&](const XrpcReply &r) {
        reply = r;
        ended = true;
    });
    ASSERT_TRUE(waitUntil([&] { return ended; }));
    EXPECT_EQ(count("deleted"), 1);
}

} // namespace
