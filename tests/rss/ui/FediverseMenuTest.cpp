// The publishing window's Fediverse menu against a Mastodon-API server on 127.0.0.1,
// with no desktop secret store: connect, announce twice, disconnect.
#include "AccountMenuTesting.h"
#include "LocalServer.h"
#include "rss/ItemList.h"
#include "rss/RssTesting.h"
#include "rss/ui/FrmRssGenerator.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QTreeView>

using namespace rss_testing;
using rss::FrmRssGenerator;
using testing_support::LocalServer;

namespace {

using FediverseMenu = AccountMenuTest;

TEST_F(FediverseMenu, ConnectAnnounceOnceAndDisconnectWithoutTheTokenInConfigIni)
{
    LocalServer server(QStringLiteral("mastodon_server.py"), {});
    const QString address = QStringLiteral("http://127.0.0.1:%1").arg(server.port());
    FrmRssGenerator &window = open();

    dialogs->inputs = {address, QStringLiteral("good-code")};
    EXPECT_TRUE(run(window, "mnuFediverseConnect").startsWith(QStringLiteral("Connected as @office@127.0.0.1")));
    ASSERT_EQ(dialogs->openedUrls.size(), 1u);
    EXPECT_EQ(dialogs->openedUrls[0].path(), QStringLiteral("/oauth/authorize"));
    // The page's address is shown to copy as well.
    EXPECT_TRUE(dialogs->inputBoxes.back().prompt.contains(address + QStringLiteral("/oauth/authorize")));

    for (const char *title : {"Spring sale", "New hours"})
        execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink) "
                                       "VALUES ('%1', 'https://shop.example/')")
                            .arg(QLatin1String(title)));
    const QString closing = run(window, "mnuFediverseAnnounce");
    EXPECT_TRUE(closing.contains(QStringLiteral("\"Spring sale\", \"New hours\""))) << closing.toStdString();
    EXPECT_EQ(rssRows(folder, QStringLiteral("SELECT RssFeedItemId, RssAnnouncementNetwork, RssAnnouncementPostAddress "
                                             "FROM Tbl_Rss_Announcements ORDER BY RssFeedItemId")),
              (QStringList{QStringLiteral("1|fediverse|http://127.0.0.1/@office/1"),
                           QStringLiteral("2|fediverse|http://127.0.0.1/@office/2")}));
    // The list shows where each item went, and the item's menu opens its post.
    window.RefreshItemList();
    auto *list = window.findChild<QTreeView *>(QStringLiteral("LstStudenInformation"));
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(list->model()->index(1, rss::ItemList::AnnouncedColumn));
    EXPECT_EQ(list->currentIndex().data().toString(), QStringLiteral("Fediverse"));
    QTimer::singleShot(0, [] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            menu->actions().first()->trigger();
            menu->close();
        }
    });
    const size_t opened = dialogs->openedUrls.size();
    emit list->customContextMenuRequested(QPoint(-1, -1));
    ASSERT_EQ(dialogs->openedUrls.size(), opened + 1);
    EXPECT_EQ(dialogs->openedUrls.back(), QUrl(QStringLiteral("http://127.0.0.1/@office/2")));
    // Nothing is left to announce the second time.
    EXPECT_TRUE(run(window, "mnuFediverseAnnounce").startsWith(QStringLiteral("Every item has been announced")));

    // The token is in the user's own file only: never config.ini, the settings or the program folder.
    EXPECT_TRUE(filesHolding(folder.path(), "token-1").isEmpty());
    EXPECT_TRUE(filesHolding(m_settings.path(), "token-1").isEmpty());
    EXPECT_EQ(filesHolding(m_config.path(), "token-1"), QStringList{QStringLiteral("fediverse-account.json")});

    EXPECT_TRUE(
        run(window, "mnuFediverseDisconnect").startsWith(QStringLiteral("The fediverse account is disconnected.")));
    EXPECT_TRUE(filesHolding(m_config.path(), "token-1").isEmpty());
}

// Exit while items are posted waits for the item being sent, marks it, and posts no more.
TEST_F(FediverseMenu, ExitDuringAnAnnouncementWaitsForTheItemBeingSent)
{
    LocalServer server(QStringLiteral("mastodon_server.py"), {QStringLiteral("--slow"), QStringLiteral("0.5")});
    FrmRssGenerator &window = open();
    dialogs->inputs = {QStringLiteral("http://127.0.0.1:%1").arg(server.port()), QStringLiteral("good-code")};
    ASSERT_TRUE(run(window, "mnuFediverseConnect").startsWith(QStringLiteral("Connected as")));
    for (const char *title : {"one", "two", "three"})
        execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink) "
                                       "VALUES ('%1', 'https://shop.example/')")
                            .arg(QLatin1String(title)));
    const size_t before = dialogs->messages.size();
    window.findChild<QAction *>(QStringLiteral("mnuFediverseAnnounce"))->trigger();
    // Exit comes while the server holds the first item and has not answered yet.
    QNetworkAccessManager network;
    const QUrl stored(QStringLiteral("http://127.0.0.1:%1/test/statuses").arg(server.port()));
    ASSERT_TRUE(testing_support::waitUntil([&] {
        std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(stored)));
        testing_support::waitUntil([&] { return reply->isFinished(); }, 10000);
        return reply->readAll().contains("\"id\"");
    }));
    dialogs->answers = {ui::Dialogs::Answer::Yes};
    bool ended = false;
    EXPECT_FALSE(window.mayEndProgram(nullptr, [&] { ended = true; }));
    ASSERT_TRUE(testing_support::waitUntil([&] { return ended; }, 60000));
    ASSERT_GT(dialogs->messages.size(), before + 1);
    EXPECT_TRUE(dialogs->messages[before].text.contains(QStringLiteral("wait"), Qt::CaseInsensitive));
    const QString closing = dialogs->messages.back().text;
    EXPECT_TRUE(closing.contains(QStringLiteral("Posted: \"one\""))) << closing.toStdString();
    EXPECT_TRUE(closing.contains(QStringLiteral("\"three\""))) << closing.toStdString();
    EXPECT_EQ(rssRows(folder, QStringLiteral("SELECT RssFeedItemId FROM Tbl_Rss_Announcements")),
              QStringList{QStringLiteral("1")});
}

} // namespace
