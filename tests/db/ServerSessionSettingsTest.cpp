// The settings every server session runs with, whatever the server, the database, the
// role or the address says: a quoted text stays data, and the program's own waits hold.
#include "db/Connection.h"
#include "db/postgres/PostgresSchema.h"
#include "db/postgres/PostgresSession.h"
#include "support/PostgresServer.h"
#include "support/QStringPrinter.h"
#include "support/TempFolder.h"

#include <QUrl>

#include <gtest/gtest.h>

#include <ostream>

using testing_support::PostgresServer;

namespace {

// A text quoted the way the publishing window quotes it: single quotes doubled, nothing else.
QString quoted(const QString &text)
{
    return u'\'' + QString(text).replace(u'\'', QLatin1String("''")) + u'\'';
}

// Read with backslashes as escapes, the title's \' keeps the literal open, and the link
// becomes SQL that stores the server's user name and version.
const QString Title = QStringLiteral("Half price\\'");
const QString Link = QStringLiteral(", current_user || ' ' || version()) --");

QString insertItem()
{
    return QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink) VALUES (%1, %2)")
        .arg(quoted(Title), quoted(Link));
}

QString show(const QString &address, const char *setting)
{
    return testing_support::rowsOf(address, QStringLiteral("SHOW %1").arg(QLatin1String(setting))).value(0);
}

struct Hostile
{
    const char *name;
    // Run on the maintenance database with %1 the test database's name.
    const char *serverSql;
    // Added to the address.
    const char *query;
    // Whether the session logs in as a role of its own whose default is off.
    bool ownRole = false;
};

void PrintTo(const Hostile &hostile, std::ostream *out)
{
    *out << hostile.name;
}

class ServerSessionSettings : public ::testing::TestWithParam<Hostile>
{ };

TEST_P(ServerSessionSettings, TextStaysDataAndTheProgramsOwnSettingsHold)
{
    const Hostile &hostile = GetParam();
    PostgresServer &server = PostgresServer::shared();
    QString address = server.createDatabase();
    {
        db::PostgresSession owner(address);
        db::PostgresSchema::create(owner);
    }
    const QString database = QUrl(address).path().mid(1);
    if (*hostile.serverSql)
        server.admin(QString::fromUtf8(hostile.serverSql).arg(database));
    if (hostile.ownRole) {
        // A role of its own, so that its default reaches no other test.
        const QString role = database + QStringLiteral("_clerk");
        server.admin(QStringLiteral("CREATE ROLE %1 LOGIN; ALTER ROLE %1 IN DATABASE %2 SET "
                                    "standard_conforming_strings = off; ALTER ROLE %1 IN DATABASE %2 SET "
                                    "lock_timeout = 0")
                         .arg(role, database));
        // What an office grants its users, and no more.
        testing_support::execOn(address, QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA "
                                                        "public TO %1; GRANT USAGE, SELECT ON ALL SEQUENCES IN SCHEMA "
                                                        "public TO %1")
                                             .arg(role));
        address.replace(QLatin1String("tallowmere@"), role + u'@');
    } else if (*hostile.query) {
        address += u'?' + QString::fromUtf8(hostile.query);
    }

    testing_support::execOn(address, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES "
                                                    "('untouched')"));
    testing_support::execOn(address, insertItem());
    EXPECT_EQ(testing_support::rowsOf(address, QStringLiteral("SELECT RssFeedItemTitle, RssFeedItemLink FROM "
                                                              "Tbl_Rss_Feed_Items ORDER BY RssFeedItemId")),
              (QStringList{QStringLiteral("untouched|<null>"), Title + u'|' + Link}));

    EXPECT_EQ(show(address, "standard_conforming_strings"), QStringLiteral("on"));
    EXPECT_EQ(show(address, "lock_timeout"), QStringLiteral("5s"));
    EXPECT_EQ(show(address, "DateStyle"), QStringLiteral("ISO, YMD"));
}

INSTANTIATE_TEST_SUITE_P(
    WhoeverSaysOtherwise, ServerSessionSettings,
    ::testing::Values(
        Hostile{"DatabaseDefault",
                "ALTER DATABASE %1 SET standard_conforming_strings = off; ALTER DATABASE %1 SET lock_timeout = 0; "
                "ALTER DATABASE %1 SET DateStyle = 'SQL, DMY'",
                ""},
        Hostile{"RoleDefault", "", "", true},
        Hostile{"AddressOptions", "",
                "options=-c%20standard_conforming_strings%3Doff%20-c%20lock_timeout%3D0%20-c%20DateStyle%3DSQL"},
        // An unpaired backslash at the end must not swallow the program's settings.
        Hostile{"AddressOptionsEndingInABackslash", "", "options=-c%20standard_conforming_strings%3Doff%5C"}),
    [](const ::testing::TestParamInfo<Hostile> &testCase) { return std::string(testCase.param.name); });

TEST(ServerSessionOptions, TheAddresssOwnOptionsStillApply)
{
    const QString address
        = PostgresServer::shared().createDatabase() + QStringLiteral("?options=-c%20statement_timeout%3D123s");
    EXPECT_EQ(show(address, "statement_timeout"), QStringLiteral("123s"));
    EXPECT_EQ(show(address, "lock_timeout"), QStringLiteral("5s"));
}

// The same statement on a file: SQLite never reads a backslash as an escape.
TEST(FileSessionText, ABackslashBeforeAQuoteIsAPlainCharacter)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "the server's sessions are tried above";
    const testing_support::TempProgramFolder folder;
    testing_support::execOn(folder.rssConnectionString(), insertItem());
    EXPECT_EQ(
        testing_support::rowsOf(folder.rssConnectionString(),
                                QStringLiteral("SELECT RssFeedItemTitle, RssFeedItemLink FROM Tbl_Rss_Feed_Items")),
        QStringList{Title + u'|' + Link});
}

} // namespace
