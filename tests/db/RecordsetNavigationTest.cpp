#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/sqlite/SqliteEngine.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

using namespace db;
using testing_support::TempProgramFolder;

namespace {

class RecordsetNavigation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // One row at open: every operation also meets rows not read yet.
        Recordset::setFirstChunkSize(1);
        folder.exec(
            QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Alpha'), ('Beta'), ('Gamma');"));
        connection.open(ConnectionStrings::recordForm());
        QObject::connect(&rs, &Recordset::moveComplete, [this] { ++moves; });
    }

    void openAll(const QString &where = {})
    {
        rs.open(QStringLiteral("select BusinessInformationId,BusninesName from BusinessInformation ") + where
                    + QStringLiteral(" Order by BusinessInformationId"),
                connection, CursorType::Static, LockType::Optimistic);
    }

    QString name() const { return rs.value(QStringLiteral("BusninesName")).toString(); }

    void TearDown() override { Recordset::setFirstChunkSize(200); }

    TempProgramFolder folder;
    Connection connection;
    Recordset rs;
    int moves = 0;
};

TEST_F(RecordsetNavigation, WalksBothWaysAndStopsAtTheEnds)
{
    openAll();
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(moves, 1) << "opening is a move";
    EXPECT_EQ(name(), "Alpha");
    rs.moveNext();
    rs.moveNext();
    EXPECT_EQ(name(), "Gamma");
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_FALSE(rs.bof());
    EXPECT_THROW(rs.moveNext(), DbError);
    EXPECT_THROW(rs.value(QStringLiteral("BusninesName")), DbError);
    rs.moveLast();
    rs.movePrevious();
    rs.movePrevious();
    rs.movePrevious();
    EXPECT_TRUE(rs.bof());
    rs.moveFirst();
    EXPECT_EQ(name(), "Alpha");
    EXPECT_EQ(moves, 9);
}

TEST_F(RecordsetNavigation, EmptyRecordsetIsAtBothEndsAndRefusesFirstAndLast)
{
    openAll(QStringLiteral("WHERE BusinessInformationId = 99"));
    EXPECT_TRUE(rs.bof());
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 0);
    try {
        rs.moveFirst();
        FAIL() << "moveFirst on an empty recordset must fail";
    } catch (const DbError &error) {
        EXPECT_EQ(error.description(), "No current record.");
    }
    EXPECT_THROW(rs.moveLast(), DbError);
    EXPECT_EQ(moves, 1);
}

TEST_F(RecordsetNavigation, BookmarksFollowTheirRowAcrossDeletesAndAdds)
{
    openAll();
    rs.moveLast();
    const int gamma = rs.bookmark();
    rs.moveFirst();
    const int alpha = rs.bookmark();
    EXPECT_GT(alpha, 0);
    rs.deleteCurrent();
    rs.addNew();
    rs.setValue(QStringLiteral("BusninesName"), QStringLiteral("Delta"));
    rs.update();
    const int movesBefore = moves;
    rs.setBookmark(gamma);
    EXPECT_EQ(name(), "Gamma");
    EXPECT_EQ(moves, movesBefore + 1);
    EXPECT_THROW(rs.setBookmark(alpha), DbError) << "the bookmark of a deleted row is gone";
    EXPECT_EQ(name(), "Gamma") << "a failed move stays where it was";
}

TEST_F(RecordsetNavigation, DeleteKeepsPositionSoMoveNextReachesTheFollowingRow)
{
    openAll();
    rs.moveNext(); // Beta
    rs.deleteCurrent();
    EXPECT_THROW(rs.value(QStringLiteral("BusninesName")), DbError);
    rs.moveNext();
    EXPECT_EQ(name(), "Gamma");
    EXPECT_EQ(folder.scalar(QStringLiteral("select count(*) from BusinessInformation")), "2");

    rs.deleteCurrent(); // the last row: the next move runs off the end
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    rs.moveLast();
    EXPECT_EQ(name(), "Alpha");
    rs.deleteCurrent();
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.moveLast(), DbError) << "nothing left to move to";
}

TEST_F(RecordsetNavigation, RequerySeesOtherConnectionsChangesOnlyWhenRerun)
{
    openAll();
    folder.exec(QStringLiteral("UPDATE BusinessInformation SET BusninesName = 'Changed' WHERE BusninesName = 'Alpha';"
                               "INSERT INTO BusinessInformation (BusninesName) VALUES ('Epsilon');"));
    EXPECT_EQ(name(), "Alpha") << "a static recordset is a snapshot";
    EXPECT_EQ(rs.recordCount(), 3);
    rs.moveLast();
    rs.requery();
    EXPECT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(name(), "Changed") << "a rerun starts on the first row";
}

TEST_F(RecordsetNavigation, ForwardOnlyRecordsetCannotBeChanged)
{
    rs.open(QStringLiteral("Select * from [BusinessInformation]"), connection);
    EXPECT_FALSE(rs.isUpdatable());
    EXPECT_THROW(rs.addNew(), DbError);
    EXPECT_THROW(rs.setValue(QStringLiteral("BusninesName"), QStringLiteral("x")), DbError);
    EXPECT_EQ(folder.scalar(QStringLiteral("select count(*) from BusinessInformation")), "3");
}

} // namespace

namespace {

class LazySnapshot : public RecordsetNavigation
{ };

TEST_F(LazySnapshot, RowsReadLaterAreStillThoseOfTheMomentTheQueryRan)
{
    openAll();
    ASSERT_EQ(rs.recordCount(), 3);
    // Another program changes and adds rows while most of the snapshot is unread.
    folder.exec(QStringLiteral("UPDATE BusinessInformation SET BusninesName = 'Changed' WHERE BusninesName = 'Gamma';"
                               "INSERT INTO BusinessInformation (BusninesName) VALUES ('Late');"));
    rs.moveLast();
    EXPECT_EQ(name(), "Gamma");
    EXPECT_EQ(rs.recordCount(), 3);
}

TEST_F(LazySnapshot, OtherStatementsOnTheConnectionSeeCurrentData)
{
    openAll();
    folder.exec(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Late');"));
    Recordset other;
    other.open(QStringLiteral("select count(*) from BusinessInformation"), connection);
    EXPECT_EQ(other.value(0).toInt(), 4) << "a new query is not held to the older snapshot";
    EXPECT_EQ(rs.recordCount(), 3);
    rs.moveLast();
    EXPECT_EQ(name(), "Gamma");
    connection.execute(
        QStringLiteral("UPDATE BusinessInformation SET BusninesName = 'Now' WHERE BusninesName = 'Late'"));
    EXPECT_EQ(folder.scalar(QStringLiteral("select count(*) from BusinessInformation where BusninesName = 'Now'")),
              "1");
}

TEST_F(LazySnapshot, BookmarksAndChangesReachRowsNotYetRead)
{
    openAll();
    rs.setBookmark(3);
    EXPECT_EQ(name(), "Gamma");
    rs.moveFirst();
    rs.setValue(QStringLiteral("BusninesName"), QStringLiteral("First"));
    rs.moveLast();
    EXPECT_EQ(
        folder.scalar(QStringLiteral("select BusninesName from BusinessInformation where BusinessInformationId = 1")),
        "First");
    rs.addNew();
    rs.update();
    EXPECT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(rs.value(QStringLiteral("BusinessInformationId")).toInt(), 4);
}

// Stands for the engine failing part-way through reading rows (a column renamed by
// another program between the query's preparation and its first row, a disk error).
bool tripwireArmed = false;

void tripwire(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (tripwireArmed)
        sqlite3_result_error(context, "the rows could not be read", -1);
    else
        sqlite3_result_value(context, arguments[0]);
}

TEST_F(LazySnapshot, FailedReadingClosesTheRecordsetInsteadOfLeavingItHalfLoaded)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "fails its reading through an SQLite function";
    tripwireArmed = false;
    sqlite3_create_function(dynamic_cast<db::SqliteEngine &>(*connection.engine()).handle(), "tripwire", 1, SQLITE_UTF8,
                            nullptr, tripwire, nullptr, nullptr);
    const QString query = QStringLiteral("select BusinessInformationId, tripwire(BusninesName) as Name "
                                         "from BusinessInformation Order by BusinessInformationId");
    const auto expectClosedSaying = [this](const char *when) {
        EXPECT_FALSE(rs.isOpen()) << when;
        EXPECT_EQ(rs.recordCount(), 0) << when;
        EXPECT_FALSE(rs.valueAt(2, 1).isValid()) << when;
        try {
            rs.moveFirst();
            ADD_FAILURE() << when << ": a closed recordset cannot move";
        } catch (const DbError &error) {
            EXPECT_TRUE(error.description().contains(QStringLiteral("The rows could not be read")))
                << error.description().toStdString();
        }
    };

    rs.open(query, connection, CursorType::Static, LockType::Optimistic);
    tripwireArmed = true;
    rs.moveLast();
    EXPECT_THROW(rs.value(QStringLiteral("Name")), DbError);
    expectClosedSaying("rows read after the first ones");

    tripwireArmed = false;
    rs.open(query, connection, CursorType::Static, LockType::Optimistic);
    rs.moveLast();
    tripwireArmed = true;
    EXPECT_THROW(rs.requery(), DbError);
    expectClosedSaying("requery");

    tripwireArmed = false;
    rs.open(query, connection, CursorType::Static, LockType::Optimistic);
    tripwireArmed = true;
    EXPECT_NO_THROW(connection.execute(QStringLiteral("UPDATE BusinessInformation SET BusinessCity = 'Here'")))
        << "another statement on the connection is not failed by this recordset's rows";
    expectClosedSaying("another statement ran");

    tripwireArmed = false;
    rs.open(query, connection, CursorType::Static, LockType::Optimistic);
    EXPECT_EQ(rs.recordCount(), 3) << "opening again works";
}

// Rows are read in batches of differing sizes; a batch ending exactly on the last row,
// or one row short of it, must neither lose nor repeat a row.
TEST_F(LazySnapshot, EveryRowArrivesInOrderWhereverTheReadingStopsAndStarts)
{
    connection.beginTransaction();
    for (int n = 4; n <= 2305; ++n) {
        connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES (?)"),
                           {QStringLiteral("Row %1").arg(n, 4, 10, QLatin1Char('0'))});
    }
    connection.commit();
    Recordset::setFirstChunkSize(200);
    for (const int limit : {256, 257, 2304, 2305}) {
        rs.open(QStringLiteral("select BusinessInformationId, BusninesName from BusinessInformation "
                               "where BusinessInformationId > ? Order by BusinessInformationId LIMIT %1")
                    .arg(limit),
                connection, CursorType::Static, LockType::Optimistic, {0});
        ASSERT_EQ(rs.recordCount(), limit);
        qint64 expected = 1;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            ASSERT_EQ(rs.value(QStringLiteral("BusinessInformationId")).toLongLong(), expected) << "limit " << limit;
            ++expected;
        }
        EXPECT_EQ(expected, limit + 1);
        rs.moveLast();
        EXPECT_EQ(name(), QStringLiteral("Row %1").arg(limit, 4, 10, QLatin1Char('0')));
    }
    // A snapshot dropped part-way leaves the connection ready for the next statement.
    rs.open(QStringLiteral("select * from BusinessInformation"), connection, CursorType::Static, LockType::Optimistic);
    rs.close();
    EXPECT_EQ(connection.execute(QStringLiteral("UPDATE BusinessInformation SET BusinessCity = 'Here'")), 2305);
    EXPECT_FALSE(connection.inTransaction());
}

TEST_F(LazySnapshot, LimitedQueryCountsTheRowsItReturns)
{
    folder.exec(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Delta'), ('Epsilon');"));
    const QStringList cases[] = {
        {QStringLiteral("select * from BusinessInformation Order by BusinessInformationId LIMIT 3;"),
         QStringLiteral("3"), QStringLiteral("Gamma")},
        {QStringLiteral("select * from BusinessInformation limit 2"), QStringLiteral("2"), QStringLiteral("Beta")},
        {QStringLiteral("select * from BusinessInformation Order by BusninesName desc LIMIT 2 OFFSET 1"),
         QStringLiteral("2"), QStringLiteral("Delta")},
        {QStringLiteral("select * from BusinessInformation Order by BusinessInformationId -- all of them"),
         QStringLiteral("5"), QStringLiteral("Epsilon")},
    };
    for (const QStringList &c : cases) {
        rs.open(c[0], connection, CursorType::Static, LockType::Optimistic);
        EXPECT_EQ(QString::number(rs.recordCount()), c[1]) << c[0].toStdString();
        rs.moveLast();
        EXPECT_EQ(name(), c[2]) << c[0].toStdString();
    }
}

} // namespace

namespace {

// A snapshot is read while another connection writes: the writer must not wait,
// and the reader still sees the rows as they were when its query ran.
void expectWriterGoesOnBesideASnapshot(const QString &journalMode)
{
    TempProgramFolder folder;
    if (!testing_support::onServerEngine()) // a server has no journal to choose
        folder.exec(QStringLiteral("PRAGMA journal_mode = %1;").arg(journalMode));
    folder.exec(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('A'), ('B'), ('C');"));
    Recordset::setFirstChunkSize(1);
    Connection reader;
    reader.open(ConnectionStrings::recordForm());
    Recordset rs;
    rs.open(QStringLiteral("select * from BusinessInformation"), reader, CursorType::Static, LockType::Optimistic);

    Connection writer;
    writer.open(ConnectionStrings::recordForm());
    writer.setBusyTimeout(100);
    EXPECT_NO_THROW(writer.execute(QStringLiteral("UPDATE BusinessInformation SET BusninesName = 'X'")));
    rs.moveLast();
    EXPECT_EQ(rs.value(QStringLiteral("BusninesName")).toString(), "C");
    Recordset::setFirstChunkSize(200);
}

TEST(SnapshotAndWriters, WriteAheadLogLetsWritersGoOnWhileTheSnapshotIsRead)
{
    expectWriterGoesOnBesideASnapshot(QStringLiteral("WAL"));
}

TEST(SnapshotAndWriters, RollbackJournalFileIsReadAtOnceSoWritersNeverWait)
{
    expectWriterGoesOnBesideASnapshot(QStringLiteral("DELETE"));
}

} // namespace
