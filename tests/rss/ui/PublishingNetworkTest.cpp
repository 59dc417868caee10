// The publishing window's upload and announcement against real peers on 127.0.0.1:
// what the window hands to the network work, and what it shows when that ends.
#include "LocalServer.h"
#include "records/ui/FormTesting.h"
#include "rss/ItemList.h"
#include "rss/PublishingSettings.h"
#include "rss/RssTesting.h"
#include "rss/ui/FrmRssGenerator.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using namespace rss_testing;
using rss::FrmRssGenerator;
using testing_support::FormTest;
using testing_support::LocalServer;

namespace {

class PublishingNetwork : public FormTest
{
protected:
    FrmRssGenerator &open()
    {
        auto &window = ui::WindowRegistry::get<FrmRssGenerator>();
        window.showWindow();
        window.itemList().finishLoading();
        return window;
    }
};

TEST_F(PublishingNetwork, UploadStoresTheChosenFileInTheAccountsDirectoryAndSaysSo)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("www")));
    LocalServer server(QStringLiteral("ftp_server.py"), {root.path(), QStringLiteral("me"), QStringLiteral("secret")});
    rss::PublishingSettings account;
    account.ftpSite = QStringLiteral("127.0.0.1:%1").arg(server.port());
    account.ftpUserName = QStringLiteral("me");
    account.ftpPassword = QStringLiteral("secret");
    account.ftpDirectory = QStringLiteral("www");
    account.write();
    const QString feed = folder.filePath(QStringLiteral("feed.xml"));
    writeFile(feed, "<rss/>");
    dialogs->fileNames = {feed};
    FrmRssGenerator &window = open();

    testing_support::click(&window, "Command6");
    QTRY_VERIFY_WITH_TIMEOUT(testing_support::buttonOf(&window, "Command6")->isEnabled(), 60000);
    EXPECT_TRUE(dialogs->messages.empty()) << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(testing_support::statusOf(&window),
              QStringLiteral("Uploaded feed.xml to ftp://127.0.0.1:%1/www/.").arg(server.port()));
    EXPECT_EQ(readFile(QDir(root.path()).filePath(QStringLiteral("www/feed.xml"))), QByteArray("<rss/>"));
}

TEST_F(PublishingNetwork, AnnouncementPostsWithTheTwitterAccountAndMarksTheItems)
{
    QTemporaryDir log;
    LocalServer service(QStringLiteral("soap_service.py"), {log.filePath(QStringLiteral("calls.json"))});
    const QByteArray saved = qgetenv("TALLOWMERE_ANNOUNCE_WSDL");
    qputenv("TALLOWMERE_ANNOUNCE_WSDL", QStringLiteral("http://127.0.0.1:%1/?wsdl").arg(service.port()).toUtf8());
    rss::PublishingSettings account;
    account.twitterUserName = QStringLiteral("ann");
    account.twitterPassword = QStringLiteral("pw");
    account.write();
    execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedDescription) "
                                   "VALUES ('Opening', 'We open on Monday')"));
    FrmRssGenerator &window = open();
    auto *announce = window.findChild<QAction *>(QStringLiteral("mnuUploadTwitter"));

    announce->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(announce->isEnabled(), 60000);
    EXPECT_TRUE(dialogs->messages.empty()) << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(testing_support::statusOf(&window), QStringLiteral("Announced 1 new item."));
    EXPECT_EQ(readFile(log.filePath(QStringLiteral("calls.json"))).trimmed(),
              QByteArray(R"(["ann", "We open on Monday ...", "pw"])"));
    EXPECT_EQ(rssRows(folder, QStringLiteral("SELECT Twittered FROM Tbl_Rss_Feed_Items")),
              QStringList{QStringLiteral("1")});
    if (saved.isNull())
        qunsetenv("TALLOWMERE_ANNOUNCE_WSDL");
    else
        qputenv("TALLOWMERE_ANNOUNCE_WSDL", saved);
}

} // namespace
