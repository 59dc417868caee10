#include "rss/fediverse/AnnouncedItems.h"
#include "RssTesting.h"
#include "db/Backup.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Schema.h"
#include "db/ServerAddress.h"
#include "db/schema/SchemaTables.h"
#include "support/ServerSql.h"
#include "support/TempFolder.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using rss::fediverse::AnnouncedItems;
using rss_testing::execRss;
using rss_testing::rssRows;
using testing_support::TempProgramFolder;

namespace {

const QString Fediverse = QStringLiteral("fediverse");

TEST(AnnouncedItems, EachNetworkKeepsItsOwnRecordOldestFirst)
{
    TempProgramFolder folder;
    for (const char *title : {"first", "second", "third"})
        execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink) "
                                       "VALUES ('%1', 'https://shop.example/%1')")
                            .arg(QLatin1String(title)));
    QList<rss::RssItem> waiting = AnnouncedItems::notYetAnnounced(Fediverse);
    ASSERT_EQ(waiting.size(), 3);
    EXPECT_EQ(waiting.first().title, QStringLiteral("first"));

    const QString address = QStringLiteral("https://social.example/@Office/110'; DROP TABLE x");
    AnnouncedItems::mark(waiting.at(1).id, Fediverse, address);
    waiting = AnnouncedItems::notYetAnnounced(Fediverse);
    ASSERT_EQ(waiting.size(), 2);
    EXPECT_EQ(waiting.at(0).title, QStringLiteral("first"));
    EXPECT_EQ(waiting.at(1).title, QStringLiteral("third"));
    // Another network has announced nothing yet.
    EXPECT_EQ(AnnouncedItems::notYetAnnounced(QStringLiteral("bluesky")).size(), 3);
    // The address keeps its case and every character.
    EXPECT_EQ(AnnouncedItems::announcedOn(Fediverse).value(QStringLiteral("2")), address);
    // The SOAP announcement's own mark is another matter.
    EXPECT_EQ(rssRows(folder, QStringLiteral("select Twittered from Tbl_Rss_Feed_Items where RssFeedItemId = 2")),
              QStringList{QStringLiteral("0")});
}

// Rss.db, or a server's tables, of the first version (no announcements, no dates):
// brought up to date on first use, items kept without a date they never had, and
// the key of a deleted item never given out again.
TEST(AnnouncedItems, TheFirstVersionIsBroughtUpToDateKeepingItsItemsAndKeys)
{
    TempProgramFolder folder;
    execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES ('kept'), ('gone')"));
    execRss(folder, QStringLiteral("DELETE FROM Tbl_Rss_Feed_Items WHERE RssFeedItemTitle = 'gone'"));
    const bool server = testing_support::onServerEngine();
    if (server) {
        testing_support::ServerSql(folder.rssConnectionString())
            .runScript(QStringLiteral("DROP TABLE \"Tbl_Rss_Announcements\"; "
                                      "ALTER TABLE \"Tbl_Rss_Feed_Items\" DROP COLUMN \"RssFeedItemDateAdded\"; "
                                      "UPDATE tallowmere_schema SET version = 1 WHERE part = 'rss'"));
    } else {
        for (const char *step :
             {"DROP TABLE Tbl_Rss_Announcements", "DROP TRIGGER [Tbl_Rss_Feed_Items date check on insert]",
              "DROP TRIGGER [Tbl_Rss_Feed_Items date check on update]",
              "DROP TRIGGER [Tbl_Rss_Feed_Items empty date on insert]",
              "DROP TRIGGER [Tbl_Rss_Feed_Items empty date on update]",
              "ALTER TABLE Tbl_Rss_Feed_Items DROP COLUMN RssFeedItemDateAdded", "PRAGMA user_version = 1"})
            execRss(folder, QLatin1String(step));
    }
    ASSERT_EQ(AnnouncedItems::notYetAnnounced(Fediverse).size(), 1);
    AnnouncedItems::mark(QStringLiteral("1"), Fediverse, QStringLiteral("https://social.example/1"));
    EXPECT_TRUE(AnnouncedItems::notYetAnnounced(Fediverse).isEmpty());

    execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES ('new')"));
    EXPECT_EQ(rssRows(folder, QStringLiteral("SELECT RssFeedItemId, RssFeedItemTitle, RssFeedItemDateAdded "
                                             "FROM Tbl_Rss_Feed_Items ORDER BY 1")),
              (QStringList{QStringLiteral("1|kept|<null>"),
                           QStringLiteral("3|new|") + QDate::currentDate().toString(Qt::ISODate)}));
    const QString version = server
                                ? testing_support::ServerSql(folder.rssConnectionString())
                                      .value(QStringLiteral("SELECT version FROM tallowmere_schema WHERE part = 'rss'"))
                                : rssRows(folder, QStringLiteral("PRAGMA user_version")).value(0);
    EXPECT_EQ(version, QString::number(db::Schema::RssVersion));
    const QString serverAddress = db::ServerAddress::ofFolder(folder.path());
    EXPECT_EQ(db::Schema::check(server ? serverAddress : folder.rssDatabase()), QStringList());
}

// A backup made before announcements were kept restores, its items kept and the table added.
TEST(AnnouncedItems, ABackupFromBeforeRestoresWithTheTable)
{
    QTemporaryDir temporary;
    const QString office = temporary.filePath(QStringLiteral("office"));
    db::Schema::createProgramDatabases(office);
    const QString backup = temporary.filePath(QStringLiteral("backup"));
    db::Backup::write(office, backup);
    {
        db::Connection old;
        old.openFile(QDir(backup).filePath(QStringLiteral("Rss.db")));
        old.executeScript(QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES ('kept');"
                                         "DROP TABLE Tbl_Rss_Announcements; PRAGMA user_version = 1;"));
    }
    db::Backup::restore(backup, office);
    const QString rss = QDir(office).filePath(QStringLiteral("Rss.db"));
    EXPECT_EQ(db::Schema::check(rss), QStringList());
    EXPECT_EQ(testing_support::rowsOf(QStringLiteral("Provider=SQLite;Data Source=%1").arg(rss),
                                      QStringLiteral("SELECT RssFeedItemTitle FROM Tbl_Rss_Feed_Items")),
              QStringList{QStringLiteral("kept")});
}

TEST(AnnouncedItems, AFileOfANewerVersionIsRefusedByName)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "a file's own version";
    TempProgramFolder folder;
    execRss(folder, QStringLiteral("PRAGMA user_version = 9"));
    try {
        AnnouncedItems::notYetAnnounced(Fediverse);
        FAIL() << "a newer file was used";
    } catch (const db::DbError &error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("Rss.db"))) << error.description().toStdString();
        EXPECT_TRUE(error.description().contains(QStringLiteral("newer version")));
    }
}

TEST(AnnouncedItems, TheDatabaseIdentityCarriesNoPassword)
{
    TempProgramFolder folder;
    EXPECT_FALSE(AnnouncedItems::databaseIdentity().contains(QStringLiteral("password"), Qt::CaseInsensitive));
    EXPECT_FALSE(AnnouncedItems::databaseIdentity().isEmpty());
}

} // namespace
