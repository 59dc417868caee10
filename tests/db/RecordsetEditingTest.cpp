#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "support/TempFolder.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace db;
using testing_support::TempProgramFolder;

namespace {

class RecordsetEditing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // One row at open: every operation also meets rows not read yet.
        Recordset::setFirstChunkSize(1);
        folder.exec(QStringLiteral("INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurpose) "
                                   "VALUES (7, 'Make tools'), (7, 'Sell tools');"));
        connection.open(ConnectionStrings::recordForm());
        QObject::connect(&rs, &Recordset::moveComplete, [this] { ++moves; });
        rs.open(QStringLiteral("select BusinessPurposeId,BusinessPurposeDate,BusinessInformationId,BusinessPurpose "
                               "from BusinessPurpose WHERE BusinessInformationId = 7  Order by BusinessPurposeId"),
                connection, CursorType::Static, LockType::Optimistic);
    }

    QStringList stored() const
    {
        return folder.rows(QStringLiteral("select BusinessInformationId, BusinessPurpose from BusinessPurpose "
                                          "order by BusinessPurposeId"));
    }

    void TearDown() override { Recordset::setFirstChunkSize(200); }

    TempProgramFolder folder;
    Connection connection;
    Recordset rs;
    int moves = 0;
};

TEST_F(RecordsetEditing, StoredNewRowShowsGeneratedKeyAndDateAdded)
{
    rs.addNew();
    EXPECT_EQ(rs.editMode(), EditMode::Adding);
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_FALSE(rs.value(QStringLiteral("BusinessPurposeId")).isValid()) << "Null until stored";
    rs.setValue(QStringLiteral("BusinessInformationId"), 40000);
    rs.setValue(QStringLiteral("BusinessPurpose"), QString());
    rs.updateBatch();
    EXPECT_EQ(rs.editMode(), EditMode::None);
    EXPECT_EQ(rs.value(QStringLiteral("BusinessPurposeId")).toInt(), 3);
    EXPECT_EQ(rs.value(QStringLiteral("BusinessPurposeDate")).toString(), QDate::currentDate().toString(Qt::ISODate));
    EXPECT_EQ(rs.value(QStringLiteral("BusinessInformationId")).toInt(), 40000) << "keys above 32767";
    const QVariant purpose = rs.value(QStringLiteral("BusinessPurpose"));
    EXPECT_TRUE(purpose.isValid()) << "empty text is not Null";
    EXPECT_EQ(purpose.toString(), "");
}

TEST_F(RecordsetEditing, ChangedRowIsStoredWhenTheRecordsetLeavesIt)
{
    rs.setValue(QStringLiteral("BusinessPurpose"), QStringLiteral("Make better tools"));
    EXPECT_EQ(stored().first(), "7|Make tools") << "not stored before leaving";
    rs.moveNext();
    EXPECT_EQ(stored().first(), "7|Make better tools");
    rs.addNew();
    rs.setValue(QStringLiteral("BusinessPurpose"), QStringLiteral("Third"));
    rs.moveFirst();
    EXPECT_EQ(stored().size(), 3) << "an added row is stored when left too";
}

TEST_F(RecordsetEditing, CancelDropsAnAddedRowAndReturnsToThePreviousRow)
{
    rs.moveNext();
    const int movesBefore = moves;
    rs.addNew();
    rs.setValue(QStringLiteral("BusinessPurpose"), QStringLiteral("Never stored"));
    rs.cancelUpdate();
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.value(QStringLiteral("BusinessPurpose")).toString(), "Sell tools");
    EXPECT_EQ(moves, movesBefore + 1) << "addNew is a move, cancelling is not";
    EXPECT_EQ(stored().size(), 2);

    rs.setValue(QStringLiteral("BusinessPurpose"), QStringLiteral("Edited"));
    rs.cancelUpdate();
    EXPECT_EQ(rs.value(QStringLiteral("BusinessPurpose")).toString(), "Sell tools");
    rs.moveFirst();
    EXPECT_EQ(stored(), (QStringList{"7|Make tools", "7|Sell tools"}));
}

TEST_F(RecordsetEditing, RefusedStoreKeepsTheChangeAndThePosition)
{
    rs.setValue(QStringLiteral("BusinessInformationId"), QStringLiteral("not a number"));
    try {
        rs.moveNext();
        FAIL() << "the engine must refuse text in a number column";
    } catch (const DbError &error) {
        EXPECT_TRUE(error.description().startsWith(QStringLiteral("The row was not stored")))
            << error.description().toStdString();
    }
    EXPECT_EQ(rs.value(QStringLiteral("BusinessPurpose")).toString(), "Make tools") << "still on the first row";
    EXPECT_EQ(rs.editMode(), EditMode::Editing) << "what was typed is kept";
    rs.setValue(QStringLiteral("BusinessInformationId"), QStringLiteral("8"));
    rs.update();
    EXPECT_EQ(stored().first(), "8|Make tools");
}

TEST_F(RecordsetEditing, ClearedNumberBoxStoresNullButClearedTextStaysEmpty)
{
    rs.setValue(QStringLiteral("BusinessInformationId"), QString());
    rs.setValue(QStringLiteral("BusinessPurpose"), QString());
    rs.update();
    EXPECT_EQ(folder.rows(QStringLiteral("select BusinessInformationId, BusinessPurpose is null from BusinessPurpose "
                                         "where BusinessPurposeId = 1")),
              QStringList{"<null>|0"});
}

TEST_F(RecordsetEditing, KeysAreNeverReused)
{
    rs.moveLast();
    rs.deleteCurrent();
    rs.addNew();
    rs.update();
    EXPECT_EQ(rs.value(QStringLiteral("BusinessPurposeId")).toInt(), 3);
}

TEST_F(RecordsetEditing, UnknownColumnsAndMissingRowsGiveReadableErrors)
{
    try {
        rs.value(QStringLiteral("Nope"));
        FAIL();
    } catch (const DbError &error) {
        EXPECT_EQ(error.description(), "Column 'Nope' does not exist.");
    }
    rs.moveLast();
    rs.moveNext();
    EXPECT_THROW(rs.update(), DbError);
    EXPECT_THROW(rs.deleteCurrent(), DbError);
    EXPECT_NO_THROW(rs.updateBatch()) << "nothing pending is nothing to store";
}

TEST_F(RecordsetEditing, KeyAndDateAddedColumnsAreRefusedUnderTheNameShown)
{
    const auto refusal = [this](const QString &column, const QVariant &value) {
        try {
            rs.setValue(column, value);
        } catch (const DbError &error) {
            return error.description();
        }
        return QStringLiteral("accepted");
    };
    EXPECT_EQ(refusal(QStringLiteral("BusinessPurposeId"), 77), "The column 'BusinessPurposeId' cannot be changed.");
    EXPECT_EQ(refusal(QStringLiteral("BusinessPurposeDate"), QStringLiteral("2020-01-01")),
              "The column 'BusinessPurposeDate' cannot be changed.");
    EXPECT_EQ(rs.editMode(), EditMode::None) << "a refused change leaves nothing pending";
    EXPECT_EQ((std::vector<bool>{rs.isColumnWritable(0), rs.isColumnWritable(1), rs.isColumnWritable(2),
                                 rs.isColumnWritable(3)}),
              (std::vector<bool>{false, false, true, true}));
    rs.addNew();
    EXPECT_EQ(refusal(QStringLiteral("BusinessPurposeId"), 77), "The column 'BusinessPurposeId' cannot be changed.");
    rs.cancelUpdate();

    rs.open(QStringLiteral("select BusinessPurposeId as Nr, BusinessPurposeDate as Added, BusinessPurpose "
                           "from BusinessPurpose"),
            connection, CursorType::Static, LockType::Optimistic);
    EXPECT_EQ(refusal(QStringLiteral("Nr"), 77), "The column 'Nr' cannot be changed.");
    EXPECT_EQ(refusal(QStringLiteral("Added"), QString()), "The column 'Added' cannot be changed.");
    EXPECT_EQ(folder.rows(QStringLiteral("select BusinessPurposeId, BusinessPurposeDate = date('now', 'localtime') "
                                         "from BusinessPurpose")),
              (QStringList{"1|1", "2|1"}));
}

TEST_F(RecordsetEditing, RowChangedOrDeletedByAnotherUserIsNeitherOverwrittenNorDeleted)
{
    const QString changedElsewhere = QStringLiteral("The row was changed or deleted by another user.");
    const auto errorOf = [](auto operation) {
        try {
            operation();
        } catch (const DbError &error) {
            return error.description();
        }
        return QStringLiteral("done");
    };
    Connection other;
    other.open(ConnectionStrings::recordForm());
    other.execute(QStringLiteral("UPDATE BusinessPurpose SET BusinessPurpose = 'Theirs' WHERE BusinessPurposeId = 1"));
    rs.setValue(QStringLiteral("BusinessPurpose"), QStringLiteral("Mine"));
    EXPECT_EQ(errorOf([&] { rs.update(); }), changedElsewhere);
    EXPECT_EQ(rs.currentIndex(), 0);
    EXPECT_EQ(rs.editMode(), EditMode::Editing) << "what was typed is kept";
    EXPECT_EQ(rs.value(QStringLiteral("BusinessPurpose")).toString(), "Mine");
    EXPECT_EQ(errorOf([&] { rs.moveNext(); }), changedElsewhere) << "leaving the row stores it too";
    EXPECT_EQ(rs.currentIndex(), 0);
    rs.cancelUpdate();

    rs.moveNext();
    other.execute(
        QStringLiteral("UPDATE BusinessPurpose SET BusinessPurpose = 'SELL TOOLS' WHERE BusinessPurposeId = 2"));
    EXPECT_EQ(errorOf([&] { rs.deleteCurrent(); }), changedElsewhere) << "a change of case is a change";
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.value(QStringLiteral("BusinessPurpose")).toString(), "Sell tools") << "still the row as read";

    other.execute(QStringLiteral("DELETE FROM BusinessPurpose WHERE BusinessPurposeId = 2"));
    rs.setValue(QStringLiteral("BusinessPurpose"), QStringLiteral("Back again"));
    EXPECT_EQ(errorOf([&] { rs.update(); }), changedElsewhere);
    EXPECT_EQ(stored(), (QStringList{"7|Theirs"}));

    rs.cancelUpdate();
    rs.requery();
    rs.setValue(QStringLiteral("BusinessPurpose"), QStringLiteral("Mine after all"));
    rs.update();
    rs.setValue(QStringLiteral("BusinessPurpose"), QStringLiteral("And again"));
    EXPECT_EQ(errorOf([&] { rs.update(); }), "done") << "a row this recordset stored is current again";
    EXPECT_EQ(stored(), (QStringList{"7|And again"}));
}

} // namespace
