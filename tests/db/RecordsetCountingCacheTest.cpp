// Counting the rows of a large table when a recordset opens reads every page of it once;
// the engine's cache does not keep them, so the program does not grow by the cache's
// size, and the cache is as large as before once the count is done.
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/Statement.h"
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

int cachedBytes(Connection &connection)
{
    int current = 0;
    int highest = 0;
    sqlite3_db_status(connection.handle(), SQLITE_DBSTATUS_CACHE_USED, &current, &highest, 0);
    return current;
}

TEST(RecordsetCounting, ALargeTableIsCountedWithoutFillingTheCache)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "the files' own engine";
    TempProgramFolder folder;
    constexpr int Businesses = 4000;
    {
        Connection writer;
        writer.open(ConnectionStrings::recordForm());
        writer.beginTransaction();
        for (int i = 0; i < Businesses; ++i)
            writer.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName, BusinessAddressOne) VALUES "
                                          "('Business %1', '%2')")
                               .arg(i)
                               .arg(QString(400, u'x')));
        writer.commit();
    }

    Connection connection;
    connection.open(ConnectionStrings::recordForm());
    const qint64 setting = cacheSetting(connection);
    Recordset rows;
    rows.open(QStringLiteral("select * from BusinessInformation order by BusinessInformationId"), connection,
              CursorType::Static, LockType::Optimistic);
    EXPECT_EQ(rows.recordCount(), Businesses);
    // The table is some 2 MB: counting it through the whole cache would leave it full.
    EXPECT_LT(cachedBytes(connection), 600 * 1024);
    EXPECT_EQ(cacheSetting(connection), setting);

    // Reading on fills the cache as before.
    rows.moveLast();
    EXPECT_EQ(rows.value(QStringLiteral("BusninesName")).toString(), QStringLiteral("Business 3999"));
}

} // namespace
