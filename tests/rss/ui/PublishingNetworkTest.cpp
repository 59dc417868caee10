// The publishing window's upload and announcement against real peers on 127.0.0.1:
// what the window hands to the network work, and what it shows when that ends.
#include "LocalServer.h"
#include "records/ui/FormTesting.h"
#include "rss/Announcement.h"
#include "rss/FtpUpload.h"
#include "rss/ItemList.h"
#include "rss/PublishingSettings.h"
#include "rss/RssTesting.h"
#include "rss/ui/FrmRssGenerator.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

using namespace rss_testing;
using rss::FrmRssGenerator;
using testing_support::FormTest;
using testing_support::LocalServer;
using ui::Dialogs;

namespace {

class PublishingNetwork : public FormTest
{
protected:
    void SetUp() override
    {
        // The user's own settings stay out of the tests, and the tests out of them.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        m_savedWsdl = qgetenv("TALLOWMERE_ANNOUNCE_WSDL");
        qunsetenv("TALLOWMERE_ANNOUNCE_WSDL");
    }

    void TearDown() override
    {
        FormTest::TearDown();
        if (m_savedWsdl.isNull())
            qunsetenv("TALLOWMERE_ANNOUNCE_WSDL");
        else
            qputenv("TALLOWMERE_ANNOUNCE_WSDL", m_savedWsdl);
    }

    FrmRssGenerator &open()
    {
        auto &window = ui::WindowRegistry::get<FrmRssGenerator>();
        window.showWindow();
        window.itemList().finishLoading();
        return window;
    }

    // An announcement service whose calls land in calls.json; the Twitter account is set.
    void startService(const QStringList &options = {})
    {
        m_service = std::make_unique<LocalServer>(QStringLiteral("soap_service.py"),
                                                  QStringList{m_log.filePath(QStringLiteral("calls.json"))} + options);
        qputenv("TALLOWMERE_ANNOUNCE_WSDL", wsdl().toUtf8());
        rss::PublishingSettings account;
        account.twitterUserName = QStringLiteral("ann");
        account.twitterPassword = QStringLiteral("pw");
        account.write();
    }

    QString wsdl() const { return QStringLiteral("http://127.0.0.1:%1/?wsdl").arg(m_service->port()); }

    void addItem(const QString &title, const QString &description)
    {
        execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedDescription) "
                                       "VALUES ('%1', '%2')")
                            .arg(title, description));
    }

    QStringList marks() const
    {
        QStringList rows = rssRows(folder, QStringLiteral("SELECT RssFeedItemTitle, Twittered FROM Tbl_Rss_Feed_Items "
                                                          "ORDER BY RssFeedItemId"));
        rows.replaceInStrings(QStringLiteral("|"), QStringLiteral("="));
        return rows;
    }

    QByteArray calls() const { return readFile(m_log.filePath(QStringLiteral("calls.json"))); }

    static QAction *action(const FrmRssGenerator &window, const char *name)
    {
        return window.findChild<QAction *>(QLatin1String(name));
    }

    QTemporaryDir m_settings;
    QTemporaryDir m_log;
    QByteArray m_savedWsdl;
    std::unique_ptr<LocalServer> m_service;
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

// File and site names reach the status line as they are written, never as markup,
// and a huge one is cut in the middle.
TEST_F(PublishingNetwork, TheStatusLineShowsNamesAsPlainText)
{
    QTemporaryDir root;
    LocalServer server(QStringLiteral("ftp_server.py"), {root.path(), QStringLiteral("me"), QStringLiteral("secret")});
    rss::PublishingSettings account;
    account.ftpSite = QStringLiteral("127.0.0.1:%1").arg(server.port());
    account.ftpUserName = QStringLiteral("me");
    account.ftpPassword = QStringLiteral("secret");
    account.write();
    const QString name = QStringLiteral("<font color=red size=7>PAID x.xml");
    const QString feed = folder.filePath(name);
    writeFile(feed, "<rss/>");
    dialogs->fileNames = {feed};
    FrmRssGenerator &window = open();
    const auto *status = testing_support::control<QLabel>(&window, "lblStatus");
    EXPECT_EQ(status->textFormat(), Qt::PlainText);

    testing_support::click(&window, "Command6");
    QTRY_VERIFY_WITH_TIMEOUT(testing_support::buttonOf(&window, "Command6")->isEnabled(), 60000);
    EXPECT_EQ(status->text(), QStringLiteral("Uploaded %1 to ftp://127.0.0.1:%2/.").arg(name).arg(server.port()));
    EXPECT_EQ(readFile(root.filePath(name)), QByteArray("<rss/>"));

    // A site of a megabyte in config.ini: the line names its start and its end.
    account.ftpSite = QStringLiteral("<b>") + QString(1000000, u'w') + QStringLiteral("</b>");
    account.write();
    dialogs->fileNames = {feed};
    testing_support::click(&window, "Command6");
    EXPECT_LT(status->text().size(), 1000);
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("Uploading %1 to <b>www").arg(feed)))
        << status->text().left(300).toStdString();
    EXPECT_TRUE(status->text().endsWith(QStringLiteral("ww</b> ..."))) << status->text().right(300).toStdString();
    QTRY_VERIFY_WITH_TIMEOUT(testing_support::buttonOf(&window, "Command6")->isEnabled(), 60000);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_LT(dialogs->messages[0].text.size(), 1000);
}

// An announcement address is a web address of at most 2,048 characters, however it
// comes; the messages about a longer one show only its ends.
TEST_F(PublishingNetwork, AnnouncementAddressesAreBoundedAndMessagesShowTheirEnds)
{
    const QString huge = QStringLiteral("http://example.com/") + QString(1000000, u'a') + QStringLiteral("?wsdl");
    FrmRssGenerator &window = open();
    dialogs->inputs = {huge};
    action(window, "mnuAnnouncementService")->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("is longer than 2048 characters")))
        << dialogs->messages[0].text.left(300).toStdString();
    EXPECT_LT(dialogs->messages[0].text.size(), 1000);
    EXPECT_TRUE(rss::Announcement::userWsdlAddress().isEmpty());

    const QString longest = QStringLiteral("http://127.0.0.1:9/") + QString(2048 - 19, u'a');
    dialogs->inputs = {longest};
    action(window, "mnuAnnouncementService")->trigger();
    EXPECT_EQ(rss::Announcement::userWsdlAddress(), longest);

    // Put into the settings by hand: refused when the announcement starts.
    QSettings(QStringLiteral("Tallowmere"), QStringLiteral("Tallowmere"))
        .setValue(QStringLiteral("Announcement/ServiceAddress"), huge);
    QAction *announce = action(window, "mnuUploadTwitter");
    announce->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(announce->isEnabled() && dialogs->messages.size() == 2u, 60000);
    EXPECT_TRUE(dialogs->messages[1].text.contains(QStringLiteral("is longer than 2048 characters")))
        << dialogs->messages[1].text.left(300).toStdString();
    EXPECT_TRUE(dialogs->messages[1].text.contains(QStringLiteral("aaa?wsdl")));
    EXPECT_LT(dialogs->messages[1].text.size(), 1000);
}

TEST_F(PublishingNetwork, AnUnknownSftpServerIsAskedAboutByItsFingerprintBeforeTheUpload)
{
    const rss_testing::TestHome home;
    QTemporaryDir root;
    const QString keyFile = folder.filePath(QStringLiteral("key.pub"));
    LocalServer server(QStringLiteral("sftp_server.py"), {keyFile, folder.filePath(QStringLiteral("logins.log")),
                                                          root.path(), QStringLiteral("me"), QStringLiteral("secret")});
    rss::PublishingSettings account;
    account.ftpSite = QStringLiteral("sftp://127.0.0.1:%1").arg(server.port());
    account.ftpUserName = QStringLiteral("me");
    account.ftpPassword = QStringLiteral("secret");
    account.write();
    const QString feed = folder.filePath(QStringLiteral("feed.xml"));
    writeFile(feed, "<rss/>");
    dialogs->fileNames = {feed};
    dialogs->answers = {Dialogs::Answer::Yes};
    FrmRssGenerator &window = open();

    testing_support::click(&window, "Command6");
    QTRY_VERIFY_WITH_TIMEOUT(testing_support::buttonOf(&window, "Command6")->isEnabled(), 60000);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    const QByteArray key = readFile(keyFile).trimmed().split(' ').value(1);
    EXPECT_TRUE(dialogs->messages[0].text.contains(rss::FtpUpload::fingerprintOf(QByteArray::fromBase64(key))))
        << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(dialogs->messages[0].title, QStringLiteral("Tallowmere"));
    EXPECT_EQ(dialogs->messages[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(readFile(QDir(root.path()).filePath(QStringLiteral("feed.xml"))), QByteArray("<rss/>"));
}

TEST_F(PublishingNetwork, AnnouncementPostsWithTheTwitterAccountAndMarksTheItems)
{
    startService();
    addItem(QStringLiteral("Opening"), QStringLiteral("We open on Monday"));
    FrmRssGenerator &window = open();
    QAction *announce = action(window, "mnuUploadTwitter");

    announce->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(announce->isEnabled(), 60000);
    EXPECT_TRUE(dialogs->messages.empty()) << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(testing_support::statusOf(&window), QStringLiteral("Announced 1 new item."));
    EXPECT_EQ(calls().trimmed(), QByteArray(R"(["ann", "We open on Monday ...", "pw"])"));
    EXPECT_EQ(marks(), QStringList{QStringLiteral("Opening=1")});
}

TEST_F(PublishingNetwork, ALostReplyIsAskedAboutByNameAndYesMarksTheItem)
{
    startService({QStringLiteral("--drop-reply-on-call"), QStringLiteral("1")});
    addItem(QStringLiteral("Opening"), QStringLiteral("We open on Monday"));
    FrmRssGenerator &window = open();
    QAction *announce = action(window, "mnuUploadTwitter");

    dialogs->answers = {Dialogs::Answer::Yes};
    announce->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(announce->isEnabled(), 60000);
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("The service did not answer after \"Opening\" was sent; it "
                                                        "may have been posted. Mark it as announced?"));
    EXPECT_EQ(dialogs->messages[0].title, QStringLiteral("Tallowmere"));
    EXPECT_EQ(dialogs->messages[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(marks(), QStringList{QStringLiteral("Opening=1")});
}

// Exit while an announcement runs asks first; No goes on, Yes ends the program once
// the item being sent is settled, and the items behind it wait for the next run.
TEST_F(PublishingNetwork, ExitDuringAnAnnouncementWaitsForTheItemBeingSent)
{
    startService({QStringLiteral("--delay"), QStringLiteral("1")});
    for (const char *title : {"One", "Two", "Three"})
        addItem(QLatin1String(title), QStringLiteral("text"));
    FrmRssGenerator &window = open();
    int ends = 0;
    window.setProgramEnd([&ends] { ++ends; });
    const auto statusIs = [&](const char *text) {
        return testing_support::waitUntil(
            [&] { return testing_support::statusOf(&window).startsWith(QLatin1String(text)); });
    };

    action(window, "mnuUploadTwitter")->trigger();
    ASSERT_TRUE(statusIs("Announcing item 1 of 3"));
    dialogs->answers = {Dialogs::Answer::No};
    action(window, "mnuExit")->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.startsWith(QStringLiteral("A transfer is still running. Wait for it to "
                                                                    "finish?")));
    EXPECT_EQ(ends, 0);

    ASSERT_TRUE(statusIs("Announcing item 2 of 3"));
    dialogs->answers = {Dialogs::Answer::Yes};
    action(window, "mnuExit")->trigger();
    EXPECT_EQ(ends, 0);
    ASSERT_TRUE(testing_support::waitUntil([&] { return ends == 1; }));
    EXPECT_EQ(marks(), (QStringList{QStringLiteral("One=1"), QStringLiteral("Two=1"), QStringLiteral("Three=0")}));
    EXPECT_EQ(calls().count('\n'), 2);
    // The person learns what was announced before the program ends.
    ASSERT_EQ(dialogs->messages.size(), 3u);
    EXPECT_TRUE(dialogs->messages[2].text.startsWith(QStringLiteral("Announced 2 items: \"One\", \"Two\".")))
        << dialogs->messages[2].text.toStdString();
}

// The service's address is set in the window and kept in the user's own settings;
// the environment still wins where it is set.
TEST_F(PublishingNetwork, TheAnnouncementServiceIsChosenInTheTwitterMenu)
{
    startService();
    qunsetenv("TALLOWMERE_ANNOUNCE_WSDL");
    addItem(QStringLiteral("Opening"), QStringLiteral("We open on Monday"));
    const QByteArray config = readFile(rss::PublishingSettings::filePath());
    FrmRssGenerator &window = open();

    dialogs->inputs = {QStringLiteral("ftp://127.0.0.1/service")};
    action(window, "mnuAnnouncementService")->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("is not a web address")));
    EXPECT_TRUE(rss::Announcement::userWsdlAddress().isEmpty());

    // Written without a scheme, as people write web addresses.
    dialogs->inputs = {wsdl().mid(7)};
    action(window, "mnuAnnouncementService")->trigger();
    EXPECT_EQ(rss::Announcement::userWsdlAddress(), wsdl());
    EXPECT_EQ(readFile(rss::PublishingSettings::filePath()), config);
    action(window, "mnuAnnouncementService")->trigger();
    EXPECT_EQ(dialogs->inputBoxes.back().defaultText, wsdl());

    QAction *announce = action(window, "mnuUploadTwitter");
    announce->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(announce->isEnabled(), 60000);
    EXPECT_EQ(testing_support::statusOf(&window), QStringLiteral("Announced 1 new item."));
    EXPECT_EQ(marks(), QStringList{QStringLiteral("Opening=1")});

    qputenv("TALLOWMERE_ANNOUNCE_WSDL", "http://127.0.0.1:9/other?wsdl");
    EXPECT_EQ(rss::Announcement::configuredWsdlAddress(), QStringLiteral("http://127.0.0.1:9/other?wsdl"));
}

// A service's words are shown as they are: a fault written as markup cannot draw a
// box of its own inside the message.
TEST_F(PublishingNetwork, AServicesFaultShowsAsPlainTextInTheRealMessageBox)
{
    const QString markup = QStringLiteral("<h1>Session expired</h1><b>Type your password again</b>");
    startService({QStringLiteral("--fault-on-call"), QStringLiteral("1"), QStringLiteral("--fault-text"), markup});
    addItem(QStringLiteral("Opening"), QStringLiteral("We open on Monday"));
    FrmRssGenerator &window = open();
    ui::Dialogs::setBackend(nullptr);
    QStringList shown;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown << (box->textFormat() == Qt::PlainText ? QStringLiteral("plain: ") : QStringLiteral("rich: "))
                         + box->text();
            box->accept();
        }
    });
    watcher.start(20);

    QAction *announce = action(window, "mnuUploadTwitter");
    announce->trigger();
    ASSERT_TRUE(testing_support::waitUntil([&] { return announce->isEnabled() && !shown.isEmpty(); }));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("plain: No item was announced."))) << shown[0].toStdString();
    EXPECT_TRUE(shown[0].contains(markup)) << shown[0].toStdString();
}

} // namespace
