// Moving a program folder's two database files into a server database.
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ServerCopy.h"
#include "db/postgres/PostgresSchema.h"
#include "db/postgres/PostgresSession.h"
#include "support/ErrorOf.h"
#include "support/PostgresServer.h"
#include "support/QStringPrinter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace db;
using testing_support::PostgresServer;
using testing_support::TempProgramFolder;

using testing_support::errorOf;

namespace {

// Every row of a query on the server, fields joined by '|', Null shown as "<null>".
QStringList serverRows(PostgresSession &session, const QString &jet)
{
    const PostgresResult result = session.runJet(jet);
    QStringList rows;
    for (int row = 0; row < result.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < result.columnCount(); ++column)
            fields << (result.isNull(row, column) ? QStringLiteral("<null>") : result.value(row, column).toString());
        rows << fields.join(u'|');
    }
    return rows;
}

void execRss(const TempProgramFolder &folder, const QString &sql)
{
    Connection connection;
    connection.openFile(folder.rssDatabase());
    connection.executeScript(sql);
}

TEST(PostgresCopy, EveryRowKeepsItsKeyAndItsValueAndNewKeysComeAfterTheHighest)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "copies database files, which a folder on the server engine does not hold";
    TempProgramFolder folder;
    folder.exec(QStringLiteral(
        "INSERT INTO BusinessInformation (BusinessInformationId, BusinessInformationDate, BusninesName, BusinessCity) "
        "VALUES (3, '2001-02-03', 'Tab\there, line\r\nbreak, back\\slash', ''), (40000, NULL, 'Été', NULL);"
        "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES (40000, 'Grow');"));
    execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, Twittered) VALUES ('a', 1), "
                                   "('b', 0); DELETE FROM Tbl_Rss_Feed_Items WHERE RssFeedItemTitle = 'b';"));
    const QString uri = PostgresServer::shared().createDatabase();

    const auto counts = copyFolderToServer(folder.path(), uri);

    EXPECT_TRUE(counts.contains({QStringLiteral("BusinessInformation"), 2}));
    EXPECT_TRUE(counts.contains({QStringLiteral("MasterField"), 29}));
    EXPECT_TRUE(counts.contains({QStringLiteral("Tbl_Rss_Feed_Items"), 1}));
    PostgresSession session(uri);
    EXPECT_EQ(PostgresSchema::check(session), QStringList());
    const QString businesses = QStringLiteral("select BusinessInformationId, BusinessInformationDate, BusninesName, "
                                              "BusinessCity from BusinessInformation order by 1");
    EXPECT_EQ(serverRows(session, businesses), folder.rows(businesses));
    EXPECT_EQ(serverRows(session, QStringLiteral("select * from ARTICLESOFINCORPORATION order by ReportId")),
              folder.rows(QStringLiteral("select * from ARTICLESOFINCORPORATION order by ReportId")));
    EXPECT_EQ(serverRows(session, QStringLiteral("select RssFeedItemId, RssFeedItemTitle, Twittered from "
                                                 "Tbl_Rss_Feed_Items")),
              QStringList{QStringLiteral("1|a|1")});

    session.runJet(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('New')"));
    session.runJet(QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES ('c')"));
    EXPECT_EQ(serverRows(session, QStringLiteral("select max(BusinessInformationId) from BusinessInformation")),
              QStringList{QStringLiteral("40001")});
    // The deleted item's key is not handed out again, as on the file.
    EXPECT_EQ(serverRows(session, QStringLiteral("select max(RssFeedItemId) from Tbl_Rss_Feed_Items")),
              QStringList{QStringLiteral("3")})
        << "SQLite's AUTOINCREMENT remembers 2; the server only sees 1";
}

TEST(PostgresCopy, ADatabaseThatHoldsTheTablesOrADamagedFileLeavesTheServerAsItWas)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "copies database files, which a folder on the server engine does not hold";
    TempProgramFolder folder;
    folder.exec(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('One')"));

    const QString filled = PostgresServer::shared().createDatabase();
    {
        PostgresSession session(filled);
        PostgresSchema::create(session);
        session.runJet(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Theirs')"));
    }
    EXPECT_TRUE(errorOf([&] { copyFolderToServer(folder.path(), filled); }).contains(QLatin1String("already holds")));
    PostgresSession filledSession(filled);
    EXPECT_EQ(serverRows(filledSession, QStringLiteral("select BusninesName from BusinessInformation")),
              QStringList{QStringLiteral("Theirs")});

    QFile::remove(folder.rssDatabase());
    const QString empty = PostgresServer::shared().createDatabase();
    EXPECT_TRUE(errorOf([&] { copyFolderToServer(folder.path(), empty); }).contains(QLatin1String("Rss.db")));
    PostgresSession emptySession(empty);
    EXPECT_FALSE(PostgresSchema::holdsTables(emptySession));
}

} // namespace
