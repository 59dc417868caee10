// Counting the rows of a large table when a recordset opens: the whole table is counted
// from the narrow index of its keys, reading few pages; rows picked by a condition are
// counted from the table's pages, which the engine's cache does not keep, so the
// program does not grow by the cache's size, and the cache is as large as before once
// the count is done.
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/Statement.h"
#include "db/sqlite/SqliteEngine.h"
#include "support/TempFolder.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace db;
using testing_support::TempProgramFolder;

namespace {

qint64 cacheSetting(Connection &connection)
{
    Statement pragma(connection, QStringLiteral("PRAGMA cache_size"));
    return pragma.step() ? pragma.value(0).toLongLong() : 0;
}

int cacheStatus(Connection &connection, int which, bool reset = false)
{
    int current = 0;
    int highest = 0;
    sqlite3_db_status(dynamic_cast<db::SqliteEngine &>(*connection.engine()).handle(), which, &current, &highest,
                      reset ? 1 : 0);
    return current;
}

class RecordsetCounting : public testing::Test
{
protected:
    static constexpr int Businesses = 4000;

    void SetUp() override
    {
        if (testing_support::onServerEngine())
            GTEST_SKIP() << "the files' own engine";
        // Some 2 MB of businesses, some 500 pages.
        Connection writer;
        writer.open(ConnectionStrings::recordForm());
        writer.beginTransaction();
        for (int i = 0; i < Businesses; ++i)
            writer.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName, BusinessAddressOne) VALUES "
                                          "('Business %1', '%2')")
                               .arg(i)
                               .arg(QString(400, u'x')));
        writer.commit();
        connection.open(ConnectionStrings::recordForm());
    }

    TempProgramFolder folder;
    Connection connection;
};

TEST_F(RecordsetCounting, TheWholeTableIsCountedFromItsKeys)
{
    cacheStatus(connection, SQLITE_DBSTATUS_CACHE_MISS, true);
    Recordset rows;
    rows.open(QStringLiteral("select * from BusinessInformation order by BusinessInformationId"), connection,
              CursorType::Static, LockType::Optimistic);
    EXPECT_EQ(rows.recordCount(), Businesses);
    // The index's pages and the first rows' pages, not the whole table's.
    EXPECT_LT(cacheStatus(connection, SQLITE_DBSTATUS_CACHE_MISS), 100);
}

TEST_F(RecordsetCounting, RowsPickedByAConditionAreCountedWithoutFillingTheCache)
{
    const qint64 setting = cacheSetting(connection);
    Recordset rows;
    rows.open(QStringLiteral("select * from BusinessInformation where BusinessAddressOne like 'x%' "
                             "order by BusinessInformationId"),
              connection, CursorType::Static, LockType::Optimistic);
    EXPECT_EQ(rows.recordCount(), Businesses);
    // Counting the table through the whole cache would leave it full.
    EXPECT_LT(cacheStatus(connection, SQLITE_DBSTATUS_CACHE_USED), 600 * 1024);
    EXPECT_EQ(cacheSetting(connection), setting);

    // Reading on fills the cache as before.
    rows.moveLast();
    EXPECT_EQ(rows.value(QStringLiteral("BusninesName")).toString(), QStringLiteral("Business 3999"));
}

} // namespace
