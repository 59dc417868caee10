// tallowmere-db on a PostgreSQL server the tests start: init, sql, check and copy.
#include "ToolRun.h"
#include "db/Connection.h"
#include "db/schema/SchemaTables.h"
#include "support/PostgresServer.h"
#include "support/QStringPrinter.h"
#include "support/ServerSql.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using testing_support::PostgresServer;

namespace {

using testing_support::tool;
using testing_support::ToolRun;

// A program folder of database files with `businesses` businesses, keys from 1 with gaps.
QString filledFolder(const QTemporaryDir &dir, int businesses)
{
    const QString folder = dir.filePath(QStringLiteral("files"));
    EXPECT_EQ(tool({QStringLiteral("init"), folder}).exitCode, 0);
    db::Connection connection;
    connection.openFile(folder + QStringLiteral("/Tallowmere.db"));
    connection.executeScript(
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO BusinessInformation (BusinessInformationId, BusninesName, BusinessCity) "
            "SELECT i * 2, 'Business ' || i, 'Springfield' FROM n;"
            "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES (4, 'Grow');")
            .arg(businesses));
    return folder;
}

TEST(ServerTool, AMalformedAddressNeverShowsItsPassword)
{
    const QString address = QStringLiteral("postgresql://owner:Secr3t@[::1/t1");
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("sql"), address, QStringLiteral("select 1")},
          QStringList{QStringLiteral("check"), address}, QStringList{QStringLiteral("init"), address}}) {
        const ToolRun run = tool(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QLatin1String("postgresql://owner:***@[::1/t1"))) << run.err.toStdString();
        EXPECT_FALSE(QString(run.err + run.out).contains(QLatin1String("Secr3t"))) << run.err.toStdString();
    }
}

TEST(ServerTool, InitSqlAndCheckTakeAnAddressWhereverTheyTakeAFile)
{
    const QString uri = PostgresServer::shared().createDatabase();
    EXPECT_EQ(tool({QStringLiteral("init"), uri}).exitCode, 0);
    EXPECT_EQ(tool({QStringLiteral("check"), uri}).out, QStringLiteral("ok\n"));
    const ToolRun again = tool({QStringLiteral("init"), uri});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QLatin1String("already holds"))) << again.err.toStdString();

    EXPECT_EQ(tool({QStringLiteral("sql"), uri,
                    QStringLiteral("INSERT INTO BusinessInformation (BusninesName, BusinessCity) VALUES "
                                   "('Tab\tCR\rLF\nSlash\\', '')")})
                  .exitCode,
              0);
    const ToolRun rows = tool({QStringLiteral("sql"), uri,
                               QStringLiteral("select BusinessInformationId, BusninesName, BusinessCity, BusinessZip "
                                              "from BusinessInformation where busninesname like 'tab%'")});
    EXPECT_EQ(rows.out, QStringLiteral("BusinessInformationId\tBusninesName\tBusinessCity\tBusinessZip\n"
                                       "1\tTab\\tCR\\rLF\\nSlash\\\\\t\t\\N\n"));

    // The server quotes the whole unfinished text; what reaches a person is cut.
    const ToolRun huge = tool({QStringLiteral("sql"), uri, QStringLiteral("select '") + QString(100000, u'a')});
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_TRUE(huge.err.contains(QLatin1String("nterminated"))) << huge.err.left(300).toStdString();
    EXPECT_LT(huge.err.size(), 1000);

    testing_support::ServerSql(uri).runScript(QStringLiteral("DROP TABLE \"MasterField\""));
    const ToolRun damaged = tool({QStringLiteral("check"), uri});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_EQ(damaged.out, QStringLiteral("Table MasterField is missing.\n"));
}

TEST(ServerTool, CopyMovesEveryRowAndKeyAndAKilledCopyLeavesTheDatabaseEmpty)
{
    QTemporaryDir dir;
    const QString folder = filledFolder(dir, 30000);

    // Killed while the rows travel: nothing of them stays.
    const QString killed = PostgresServer::shared().createDatabase();
    QProcess copying;
    copying.start(QStringLiteral(TALLOWMERE_DB_TOOL), {QStringLiteral("copy"), folder, killed});
    testing_support::ServerSql watcher(PostgresServer::shared().uri(QStringLiteral("postgres")));
    bool seen = false;
    QElapsedTimer waited;
    waited.start();
    while (!seen && waited.elapsed() < 60000 && copying.state() != QProcess::NotRunning) {
        seen = watcher
                   .value(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE application_name = 'Tallowmere' "
                                         "AND query LIKE 'COPY%'"))
                   .toInt()
               > 0;
    }
    copying.kill();
    copying.waitForFinished();
    ASSERT_TRUE(seen) << "the copy ended before it could be stopped";
    // The server notices the dropped connection and rolls its transaction back.
    for (int i = 0; i < 100; ++i) {
        if (watcher.value(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE application_name = 'Tallowmere'"))
                .toInt()
            == 0)
            break;
        QThread::msleep(50);
    }
    {
        // None of the program's tables is there.
        QStringList names = {QStringLiteral("'tallowmere_schema'")};
        for (const db::SchemaTables::Table &table : db::SchemaTables::businessTables() + db::SchemaTables::rssTables())
            names << u'\'' + table.name + u'\'';
        EXPECT_EQ(testing_support::ServerSql(killed)
                      .value(QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE table_schema = "
                                            "current_schema() AND table_name IN (%1)")
                                 .arg(names.join(u',')))
                      .toInt(),
                  0);
    }

    const QString uri = PostgresServer::shared().createDatabase();
    const ToolRun copied = tool({QStringLiteral("copy"), folder, uri});
    ASSERT_EQ(copied.exitCode, 0) << copied.err.toStdString();
    EXPECT_TRUE(copied.out.contains(QLatin1String("BusinessInformation\t30000\n"))) << copied.out.toStdString();
    const QString query = QStringLiteral("select count(*) AS Businesses, min(BusinessInformationId) AS Lowest, "
                                         "max(BusinessInformationId) AS Highest, sum(BusinessInformationId) AS Total "
                                         "from BusinessInformation");
    EXPECT_EQ(tool({QStringLiteral("sql"), uri, query}).out,
              tool({QStringLiteral("sql"), folder + QStringLiteral("/Tallowmere.db"), query}).out);
    EXPECT_EQ(tool({QStringLiteral("sql"), uri, QStringLiteral("select * from [Business Long Term Goal]")}).out,
              tool({QStringLiteral("sql"), folder + QStringLiteral("/Tallowmere.db"),
                    QStringLiteral("select * from [Business Long Term Goal]")})
                  .out);
    EXPECT_EQ(tool({QStringLiteral("check"), uri}).out, QStringLiteral("ok\n"));
    // Into a database that holds the tables now: refused.
    EXPECT_EQ(tool({QStringLiteral("copy"), folder, uri}).exitCode, 1);
}

} // namespace
