#include "rss/Announcement.h"
#include "LocalServer.h"
#include "db/Connection.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using rss::Announcement;
using testing_support::LocalServer;
using testing_support::TempProgramFolder;
using testing_support::waitUntil;

namespace {

using Account = std::pair<QString, QString>;

struct Outcome
{
    bool ended = false;
    bool ok = false;
    QString message;
};

class AnnouncementTest : public ::testing::Test
{
protected:
    void startService(const QStringList &options = {})
    {
        m_service = std::make_unique<LocalServer>(QStringLiteral("soap_service.py"),
                                                  QStringList{m_log.filePath(QStringLiteral("calls.json"))} + options);
    }

    QString wsdl() const { return QStringLiteral("http://127.0.0.1:%1/?wsdl").arg(m_service->port()); }

    Outcome announce(const QString &address, const Account &account = {QStringLiteral("ann"), QStringLiteral("pw")},
                     const std::function<void(const QString &)> &onProgress = {})
    {
        Announcement announcement;
        announcement.setRequestTimeout(std::chrono::seconds(m_timeoutSeconds));
        Outcome outcome;
        QObject::connect(&announcement, &Announcement::finished, [&](bool ok, const QString &message) {
            outcome = {true, ok, message};
        });
        if (onProgress)
            QObject::connect(&announcement, &Announcement::progress, onProgress);
        m_accountReads = 0;
        announcement.setLostReplyQuestion([&](const QString &question) {
            m_questions << question;
            return m_answer;
        });
        if (m_onStart)
            m_onStart(announcement);
        announcement.start(address, [&] {
            ++m_accountReads;
            return account;
        });
        EXPECT_TRUE(announcement.isRunning());
        EXPECT_TRUE(waitUntil([&] { return outcome.ended; }));
        EXPECT_FALSE(announcement.isRunning());
        return outcome;
    }

    void addItem(const QString &title, const QVariant &description) const
    {
        db::Connection connection;
        connection.open(m_folder.rssConnectionString());
        connection.execute(QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedDescription) "
                                          "VALUES (?, ?)"),
                           {title, description});
    }

    // "title=0/1" for each row, in key order.
    QStringList marks() const
    {
        QStringList rows = testing_support::rowsOf(m_folder.rssConnectionString(),
                                                   QStringLiteral("SELECT RssFeedItemTitle, Twittered FROM "
                                                                  "Tbl_Rss_Feed_Items ORDER BY RssFeedItemId"));
        rows.replaceInStrings(QStringLiteral("|"), QStringLiteral("="));
        return rows;
    }

    // The calls the service accepted: user name, status text, password each.
    QList<QStringList> calls() const
    {
        QFile file(m_log.filePath(QStringLiteral("calls.json")));
        QList<QStringList> result;
        if (!file.open(QIODevice::ReadOnly))
            return result;
        while (!file.atEnd()) {
            QStringList call;
            for (const QJsonValue &value : QJsonDocument::fromJson(file.readLine()).array())
                call << value.toString();
            result << call;
        }
        return result;
    }

    TempProgramFolder m_folder;
    QTemporaryDir m_log;
    std::unique_ptr<LocalServer> m_service;
    int m_timeoutSeconds = 20;
    int m_accountReads = 0;
    QStringList m_questions;
    bool m_answer = false;
    std::function<void(Announcement &)> m_onStart;
};

TEST_F(AnnouncementTest, PostsEachItemWithItsStatusTextInOrderAndMarksIt)
{
    const QString longText = QString(130, u'a') + QStringLiteral("bcdefghijklmnop") + QString(55, u'z');
    const QString markup = QStringLiteral("Tom & Jerry <b>\"cheese\"</b> it's caf\u00e9");
    addItem(QStringLiteral("Long"), longText);
    addItem(QStringLiteral("Markup"), markup);
    addItem(QStringLiteral("No description"), QVariant());
    startService();

    const Account account{QStringLiteral("ann & <co>"), QStringLiteral("p'w\"d")};
    const Outcome outcome = announce(wsdl(), account);
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(outcome.message, QStringLiteral("Announced 2 new items."));

    const QList<QStringList> posted = calls();
    ASSERT_EQ(posted.size(), 2);
    EXPECT_EQ(posted[0], (QStringList{account.first, longText.left(136) + QStringLiteral(" ..."), account.second}));
    EXPECT_EQ(posted[0][1].size(), 140);
    EXPECT_EQ(posted[1], (QStringList{account.first, markup + QStringLiteral(" ..."), account.second}));
    EXPECT_EQ(marks(),
              (QStringList{QStringLiteral("Long=1"), QStringLiteral("Markup=1"), QStringLiteral("No description=1")}));

    // Nothing is left to announce on the next run.
    const Outcome again = announce(wsdl(), account);
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.message, QStringLiteral("No new items to announce."));
    EXPECT_EQ(calls().size(), 2);
}

// A huge title and a huge refusal from the service make a message of a few lines.
TEST_F(AnnouncementTest, LongTitlesAndRefusalsAreShownByTheirEnds)
{
    addItem(QStringLiteral("Start") + QString(100000, u't') + QStringLiteral("End"), QStringLiteral("first"));
    startService({QStringLiteral("--fault-on-call"), QStringLiteral("1"), QStringLiteral("--fault-text"),
                  QStringLiteral("Begin") + QString(100000, u'f') + QStringLiteral("Finish")});
    const Outcome refused = announce(wsdl());
    EXPECT_FALSE(refused.ok);
    EXPECT_LT(refused.message.size(), 1000);
    EXPECT_TRUE(refused.message.contains(QStringLiteral("\"Starttt"))) << refused.message.toStdString();
    EXPECT_TRUE(refused.message.contains(QStringLiteral("ttEnd\": Beginff"))) << refused.message.toStdString();
    EXPECT_TRUE(refused.message.endsWith(QStringLiteral("ffFinish."))) << refused.message.toStdString();
}

TEST_F(AnnouncementTest, ARefusedItemIsNamedAndTheRunGoesOnWithTheRest)
{
    addItem(QStringLiteral("One"), QStringLiteral("first"));
    addItem(QStringLiteral("Two"), QStringLiteral("second"));
    addItem(QStringLiteral("Three"), QStringLiteral("third"));
    startService({QStringLiteral("--fault-on-call"), QStringLiteral("2")});

    const Outcome refused = announce(wsdl());
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, QStringLiteral("Announced 2 items: \"One\", \"Three\".\n"
                                              "The announcement service refused 1 item; it stays for the next run:\n"
                                              "\"Two\": Status rejected by the test service."));
    EXPECT_EQ(marks(), (QStringList{QStringLiteral("One=1"), QStringLiteral("Two=0"), QStringLiteral("Three=1")}));

    const Outcome rest = announce(wsdl());
    EXPECT_TRUE(rest.ok) << rest.message.toStdString();
    EXPECT_EQ(rest.message, QStringLiteral("Announced 1 new item."));
    QStringList statuses;
    for (const QStringList &call : calls())
        statuses << call.value(1);
    EXPECT_EQ(statuses,
              (QStringList{QStringLiteral("first ..."), QStringLiteral("third ..."), QStringLiteral("second ...")}));
    EXPECT_EQ(marks(), (QStringList{QStringLiteral("One=1"), QStringLiteral("Two=1"), QStringLiteral("Three=1")}));
}

// A post that went out whole but got no reply (the service closed the connection,
// or never answered) may have been published: the person decides, and the run stops.
TEST_F(AnnouncementTest, ALostReplyAsksWhetherTheItemWasPosted)
{
    struct Case
    {
        const char *service;
        bool answer;
    };
    for (const Case &c : {Case{"--drop-reply-on-call", true}, Case{"--drop-reply-on-call", false}, Case{"--hang", true},
                          Case{"--hang", false}}) {
        SCOPED_TRACE(std::string(c.service) + (c.answer ? " yes" : " no"));
        testing_support::execOn(m_folder.rssConnectionString(), QStringLiteral("DELETE FROM Tbl_Rss_Feed_Items"));
        addItem(QStringLiteral("Opening"), QStringLiteral("first"));
        addItem(QStringLiteral("Later"), QStringLiteral("second"));
        QStringList options{QString::fromLatin1(c.service)};
        if (options.first() == u"--hang") {
            m_timeoutSeconds = 1;
        } else {
            m_timeoutSeconds = 20;
            options << QStringLiteral("1");
        }
        startService(options);
        m_answer = c.answer;

        const Outcome outcome = announce(wsdl());
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(m_questions,
                  QStringList{QStringLiteral("The service did not answer after \"Opening\" was sent; it may have been "
                                             "posted. Mark it as announced?")});
        EXPECT_EQ(marks(), (QStringList{c.answer ? QStringLiteral("Opening=1") : QStringLiteral("Opening=0"),
                                        QStringLiteral("Later=0")}));
        EXPECT_TRUE(outcome.message.contains(QStringLiteral("did not answer after \"Opening\" was sent")))
            << outcome.message.toStdString();
        EXPECT_EQ(outcome.message.startsWith(QStringLiteral("Announced 1 item: \"Opening\".")), c.answer)
            << outcome.message.toStdString();
        m_service.reset();
        m_questions.clear();
    }
}

TEST_F(AnnouncementTest, APostThatCouldNotBeSentAsksNothing)
{
    addItem(QStringLiteral("Opening"), QStringLiteral("first"));
    startService();
    // The service goes away between its description and the post.
    const Outcome outcome = announce(wsdl(), {QStringLiteral("ann"), QStringLiteral("pw")}, [&](const QString &status) {
        if (status.startsWith(QStringLiteral("Announcing item 1 ")))
            m_service.reset();
    });
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(m_questions.isEmpty());
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("The item \"Opening\" was not announced")))
        << outcome.message.toStdString();
    EXPECT_EQ(marks(), QStringList{QStringLiteral("Opening=0")});
}

TEST_F(AnnouncementTest, StoppingEndsTheRunAfterTheItemBeingPosted)
{
    addItem(QStringLiteral("One"), QStringLiteral("first"));
    addItem(QStringLiteral("Two"), QStringLiteral("second"));
    addItem(QStringLiteral("Blank"), QVariant());
    startService();
    Announcement *running = nullptr;
    m_onStart = [&](Announcement &announcement) { running = &announcement; };
    const Outcome outcome = announce(wsdl(), {QStringLiteral("ann"), QStringLiteral("pw")}, [&](const QString &status) {
        if (status.startsWith(QStringLiteral("Announcing item 1 ")))
            running->stopAfterCurrentItem();
    });
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("Announced 1 item: \"One\".\nThe announcement was stopped")))
        << outcome.message.toStdString();
    EXPECT_EQ(calls().size(), 1);
    EXPECT_EQ(marks(), (QStringList{QStringLiteral("One=1"), QStringLiteral("Two=0"), QStringLiteral("Blank=0")}));
}

// What a hostile service sends is capped, and the account goes to no host but the
// one the description came from: not to another endpoint, not through a redirect.
TEST_F(AnnouncementTest, AHostileServiceGetsNoAccountElsewhereAndCannotFloodTheProgram)
{
    struct Case
    {
        const char *mode;
        const char *message; // a part of the message; empty when the item is announced
        const char *posts;   // what reached the service, as "path host" lines
        bool https = false;  // the service speaks HTTPS
    };
    const Case cases[] = {
        {"huge-description", "its description is longer than 4 MB", ""},
        {"foreign-endpoint", "to another host (localhost)", ""},
        {"huge-reply", "it sent more than 4 MB", "/post 127.0.0.1\n"},
        {"redirect-away", "another server or scheme (http://localhost:", "/post 127.0.0.1\n"},
        {"redirect-here", "", "/post 127.0.0.1\n/post-again 127.0.0.1\n"},
        // Another port of the same host is another server.
        {"redirect-port", "another server or scheme (http://127.0.0.1:", "/post 127.0.0.1\n"},
        // Out of TLS: neither a redirect nor the description takes the account to plain HTTP.
        {"redirect-port", "another server or scheme (http://127.0.0.1:", "/post 127.0.0.1\n", true},
        {"plain-endpoint", "without encryption", "", true},
        {"redirect-here", "", "/post 127.0.0.1\n/post-again 127.0.0.1\n", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.mode) + (c.https ? " over https" : ""));
        testing_support::execOn(m_folder.rssConnectionString(), QStringLiteral("DELETE FROM Tbl_Rss_Feed_Items"));
        addItem(QStringLiteral("Opening"), QStringLiteral("first"));
        const QString log = m_log.filePath(QStringLiteral("%1.log").arg(QLatin1String(c.mode)));
        QFile(log).open(QIODevice::WriteOnly);
        const QString certificate = m_log.filePath(QStringLiteral("service.pem"));
        QStringList arguments{log, QString::fromLatin1(c.mode)};
        if (c.https)
            arguments << certificate;
        LocalServer hostile(QStringLiteral("hostile_service.py"), arguments);
        if (c.https)
            qputenv("CURL_CA_BUNDLE", QFile::encodeName(certificate));
        const Outcome outcome
            = announce(QStringLiteral("%1://127.0.0.1:%2/?wsdl").arg(c.https ? "https" : "http").arg(hostile.port()));
        qunsetenv("CURL_CA_BUNDLE");
        const bool announced = *c.message == '\0';
        EXPECT_EQ(outcome.ok, announced) << outcome.message.toStdString();
        if (!announced) {
            EXPECT_TRUE(outcome.message.contains(QLatin1String(c.message))) << outcome.message.toStdString();
        }
        EXPECT_EQ(marks(), QStringList{announced ? QStringLiteral("Opening=1") : QStringLiteral("Opening=0")});
        QFile posts(log);
        posts.open(QIODevice::ReadOnly);
        EXPECT_EQ(posts.readAll(), QByteArray(c.posts));
    }
}

TEST_F(AnnouncementTest, AccountIsCheckedAfterTheServiceAnswersAndBeforeAnyPost)
{
    addItem(QStringLiteral("One"), QStringLiteral("first"));

    // An unreachable service ends the run before the account is read.
    const Outcome unreachable
        = announce(QStringLiteral("http://127.0.0.1:%1/?wsdl").arg(testing_support::unusedPort()));
    EXPECT_FALSE(unreachable.ok);
    EXPECT_TRUE(unreachable.message.contains(QStringLiteral("cannot be reached"))) << unreachable.message.toStdString();
    EXPECT_EQ(m_accountReads, 0);

    startService();
    Outcome outcome = announce(wsdl(), {QString(), QStringLiteral("pw")});
    EXPECT_EQ(outcome.message, QStringLiteral("Invalid Twitter User Name"));
    EXPECT_EQ(m_accountReads, 1);
    outcome = announce(wsdl(), {QStringLiteral("ann"), QString()});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, QStringLiteral("Invalid Twitter Password"));
    EXPECT_TRUE(calls().isEmpty());
    EXPECT_EQ(marks(), QStringList{QStringLiteral("One=0")});

    // Blanks are a value: they are sent as they are.
    outcome = announce(wsdl(), {QStringLiteral(" "), QStringLiteral(" ")});
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    ASSERT_EQ(calls().size(), 1);
    EXPECT_EQ(calls()[0][0], QStringLiteral(" "));
}

TEST_F(AnnouncementTest, ItemsAddedWhileThePostingRunsStayUnannounced)
{
    addItem(QStringLiteral("One"), QStringLiteral("first"));
    addItem(QStringLiteral("Blank"), QVariant());
    startService();

    const Outcome outcome = announce(wsdl(), {QStringLiteral("ann"), QStringLiteral("pw")}, [&](const QString &status) {
        if (status.startsWith(QStringLiteral("Announcing item 1 "))) {
            addItem(QStringLiteral("Late"), QStringLiteral("late"));
            addItem(QStringLiteral("Late blank"), QVariant());
        }
    });
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(marks(), (QStringList{QStringLiteral("One=1"), QStringLiteral("Blank=1"), QStringLiteral("Late=0"),
                                    QStringLiteral("Late blank=0")}));
}

// The environment wins over the address the user gave, which wins over the built-in host.
TEST(AnnouncementAddressTest, EnvironmentThenTheUsersAddressThenTheBuiltInOne)
{
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const QByteArray saved = qgetenv("TALLOWMERE_ANNOUNCE_WSDL");
    qunsetenv("TALLOWMERE_ANNOUNCE_WSDL");
    // Without either, the built-in host's service or nothing.
    const QString builtIn = Announcement::configuredWsdlAddress();
    EXPECT_TRUE(builtIn.isEmpty() || builtIn.endsWith(QStringLiteral("/corvandeltwit/Service.asmx?wsdl")))
        << builtIn.toStdString();

    Announcement::setUserWsdlAddress(QStringLiteral(" http://127.0.0.1:8/mine?wsdl "));
    EXPECT_EQ(Announcement::configuredWsdlAddress(), QStringLiteral("http://127.0.0.1:8/mine?wsdl"));
    qputenv("TALLOWMERE_ANNOUNCE_WSDL", "http://127.0.0.1:9/own?wsdl");
    EXPECT_EQ(Announcement::configuredWsdlAddress(), QStringLiteral("http://127.0.0.1:9/own?wsdl"));
    // Kept in the user's own settings file, which nothing else shares.
    EXPECT_TRUE(QFile::exists(settings.filePath(QStringLiteral("Tallowmere/Tallowmere.conf"))));

    Announcement::setUserWsdlAddress(QString());
    if (saved.isEmpty())
        qunsetenv("TALLOWMERE_ANNOUNCE_WSDL");
    else
        qputenv("TALLOWMERE_ANNOUNCE_WSDL", saved);
}

TEST(AnnouncementStatusTextTest, KeepsCharactersWhole)
{
    EXPECT_EQ(rss::announcementStatusText(QStringLiteral("0123456789")), QStringLiteral("0123456789 ..."));
    EXPECT_EQ(rss::announcementStatusText(QString()), QStringLiteral(" ..."));
    // 135 letters and a character outside the basic plane: all 136 are kept.
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    const QString text = QString(135, u'a') + emoji + QStringLiteral("tail");
    EXPECT_EQ(rss::announcementStatusText(text), QString(135, u'a') + emoji + QStringLiteral(" ..."));
}

} // namespace
