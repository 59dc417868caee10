// The publishing window's Bluesky menu against an AT-protocol server on 127.0.0.1, with
// no desktop secret store: connect, announce twice, disconnect, and Exit mid-run.
#include "AccountMenuTesting.h"
#include "LocalServer.h"
#include "rss/ItemList.h"
#include "rss/RssTesting.h"
#include "rss/ui/FrmRssGenerator.h"

#include <QAction>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>

using namespace rss_testing;
using rss::FrmRssGenerator;
using testing_support::LocalServer;

namespace {

const QString AppPassword = QStringLiteral("abcd-efgh-ijkl-mnop");

class BlueskyMenu : public AccountMenuTest
{
protected:
    QString connect(FrmRssGenerator &window, const LocalServer &server)
    {
        dialogs->inputs
            = {QStringLiteral("http://127.0.0.1:%1").arg(server.port()), QStringLiteral("@office.test"), AppPassword};
        return run(window, "mnuBlueskyConnect");
    }

    void addItems(const QStringList &titles)
    {
        for (const QString &title : titles)
            execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink) "
                                           "VALUES ('%1', 'https://shop.example/')")
                                .arg(title));
    }

    static QJsonObject counts(const LocalServer &server)
    {
        QNetworkAccessManager network;
        std::unique_ptr<QNetworkReply> reply(
            network.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/test/counts").arg(server.port())))));
        testing_support::waitUntil([&] { return reply->isFinished(); }, 10000);
        return QJsonDocument::fromJson(reply->readAll()).object();
    }
};

TEST_F(BlueskyMenu, ConnectAnnounceOnceAndDisconnectWithoutThePasswordInConfigIni)
{
    LocalServer server(QStringLiteral("atproto_server.py"), {});
    FrmRssGenerator &window = open();
    EXPECT_TRUE(connect(window, server).startsWith(QStringLiteral("Connected as @office.test")));
    ASSERT_EQ(dialogs->inputBoxes.size(), 3u);
    EXPECT_EQ(dialogs->inputBoxes[0].defaultText, QStringLiteral("https://bsky.social"));
    EXPECT_EQ(dialogs->inputBoxes[2].echo, ui::Dialogs::Echo::Password);

    addItems({QStringLiteral("Spring sale"), QStringLiteral("New hours")});
    const QString closing = run(window, "mnuBlueskyAnnounce");
    EXPECT_TRUE(closing.contains(QStringLiteral("\"Spring sale\", \"New hours\""))) << closing.toStdString();
    EXPECT_EQ(rssRows(folder, QStringLiteral("SELECT RssFeedItemId, RssAnnouncementNetwork, RssAnnouncementPostAddress "
                                             "FROM Tbl_Rss_Announcements ORDER BY RssFeedItemId")),
              (QStringList{QStringLiteral("1|bluesky|https://bsky.app/profile/office.test/post/3rkey1"),
                           QStringLiteral("2|bluesky|https://bsky.app/profile/office.test/post/3rkey2")}));
    addItems({QStringLiteral("Closed Monday")});
    EXPECT_TRUE(run(window, "mnuBlueskyAnnounce").contains(QStringLiteral("Posted: \"Closed Monday\"")));
    EXPECT_TRUE(run(window, "mnuBlueskyAnnounce").startsWith(QStringLiteral("Every item has been announced")));
    // One session for all of it: later runs refresh the one kept.
    EXPECT_EQ(counts(server).value(QLatin1String("created")).toInt(), 1);
    EXPECT_GE(counts(server).value(QLatin1String("refreshed")).toInt(), 1);

    // The password and tokens are in the user's own file only: never config.ini, the settings or the program folder.
    for (const QByteArray &secret : {AppPassword.toUtf8(), QByteArray("refresh-")}) {
        EXPECT_TRUE(filesHolding(folder.path(), secret).isEmpty());
        EXPECT_TRUE(filesHolding(m_settings.path(), secret).isEmpty());
        EXPECT_EQ(filesHolding(m_config.path(), secret), QStringList{QStringLiteral("bluesky-account.json")});
    }

    EXPECT_TRUE(run(window, "mnuBlueskyDisconnect").startsWith(QStringLiteral("The Bluesky account is disconnected.")));
    EXPECT_TRUE(filesHolding(m_config.path(), AppPassword.toUtf8()).isEmpty());
    EXPECT_EQ(counts(server).value(QLatin1String("deleted")).toInt(), 1);
    EXPECT_TRUE(run(window, "mnuBlueskyAnnounce").startsWith(QStringLiteral("Connect a Bluesky account first.")));
}

TEST_F(BlueskyMenu, AWrongAppPasswordIsNamedAndNothingIsKept)
{
    LocalServer server(QStringLiteral("atproto_server.py"), {});
    FrmRssGenerator &window = open();
    dialogs->inputs = {QStringLiteral("http://127.0.0.1:%1").arg(server.port()), QStringLiteral("office.test"),
                       QStringLiteral("wrong")};
    EXPECT_TRUE(run(window, "mnuBlueskyConnect").contains(QStringLiteral("refused the handle or the app password")));
    EXPECT_TRUE(filesHolding(m_config.path(), "wrong").isEmpty());
}

TEST_F(BlueskyMenu, DisconnectForgetsThePasswordEvenWhenTheServiceIsGone)
{
    auto server = std::make_unique<LocalServer>(QStringLiteral("atproto_server.py"), QStringList());
    FrmRssGenerator &window = open();
    ASSERT_TRUE(connect(window, *server).startsWith(QStringLiteral("Connected as")));
    server.reset();
    EXPECT_TRUE(run(window, "mnuBlueskyDisconnect").startsWith(QStringLiteral("The Bluesky account is disconnected.")));
    EXPECT_TRUE(filesHolding(m_config.path(), AppPassword.toUtf8()).isEmpty());
}

// Exit while items are posted waits for the item being sent, marks it, and posts no more.
TEST_F(BlueskyMenu, ExitDuringAnAnnouncementWaitsForTheItemBeingSent)
{
    LocalServer server(QStringLiteral("atproto_server.py"), {QStringLiteral("--slow"), QStringLiteral("0.5")});
    FrmRssGenerator &window = open();
    ASSERT_TRUE(connect(window, server).startsWith(QStringLiteral("Connected as")));
    addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    const size_t before = dialogs->messages.size();
    window.findChild<QAction *>(QStringLiteral("mnuBlueskyAnnounce"))->trigger();
    // Exit comes while the server holds the first item and has not answered yet.
    QNetworkAccessManager network;
    const QUrl stored(QStringLiteral("http://127.0.0.1:%1/test/records").arg(server.port()));
    ASSERT_TRUE(testing_support::waitUntil([&] {
        std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(stored)));
        testing_support::waitUntil([&] { return reply->isFinished(); }, 10000);
        return reply->readAll().contains("\"uri\"");
    }));
    dialogs->answers = {ui::Dialogs::Answer::Yes};
    bool ended = false;
    EXPECT_FALSE(window.mayEndProgram(nullptr, [&] { ended = true; }));
    ASSERT_TRUE(testing_support::waitUntil([&] { return ended; }, 60000));
    ASSERT_GT(dialogs->messages.size(), before + 1);
    const QString closing = dialogs->messages.back().text;
    EXPECT_TRUE(closing.contains(QStringLiteral("Posted: \"one\""))) << closing.toStdString();
    EXPECT_TRUE(closing.contains(QStringLiteral("\"three\""))) << closing.toStdString();
    EXPECT_EQ(rssRows(folder, QStringLiteral("SELECT RssFeedItemId FROM Tbl_Rss_Announcements")),
              QStringList{QStringLiteral("1")});
}

} // namespace
