// The grid's table model over a recordset.
#include "records/RecordsetTableModel.h"
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class RecordsetTableModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.exec("INSERT INTO [Business Short Term Goal] (BusinessInformationId, BusinessShortTermGoal) "
                    "VALUES (1, 'open'), (1, 'hire'), (1, NULL)");
        connection.open(db::ConnectionStrings::recordForm());
        goals.open("select BusinessShortTermGoalID,BusinessShortTermGoalDate,BusinessInformationId,"
                   "BusinessShortTermGoal from [Business Short Term Goal] WHERE BusinessInformationId = 1"
                   "  Order by BusinessShortTermGoalID",
                   connection, db::CursorType::Static, db::LockType::Optimistic);
        model.setRecordset(&goals);
    }

    testing_support::TempProgramFolder folder;
    db::Connection connection;
    db::Recordset goals;
    records::RecordsetTableModel model;
};

TEST_F(RecordsetTableModelTest, ShowsEveryColumnHeadedByItsNameAndNullAsNothing)
{
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 4);
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "BusinessShortTermGoal");
    EXPECT_EQ(model.data(model.index(1, 3)).toString(), "hire");
    EXPECT_FALSE(model.data(model.index(2, 3)).isValid());
    EXPECT_EQ(model.data(model.index(2, 3), Qt::EditRole), QString());
}

TEST_F(RecordsetTableModelTest, EditingAnotherRowMovesThereAndStoresTheRowLeft)
{
    ASSERT_TRUE(model.setData(model.index(0, 3), "open a shop"));
    ASSERT_TRUE(model.setData(model.index(1, 3), "hire two"));
    EXPECT_EQ(goals.currentIndex(), 1);
    EXPECT_EQ(
        folder.scalar("select BusinessShortTermGoal from [Business Short Term Goal] where BusinessShortTermGoalID = 1"),
        "open a shop");
    EXPECT_EQ(
        folder.scalar("select BusinessShortTermGoal from [Business Short Term Goal] where BusinessShortTermGoalID = 2"),
        "hire");
}

TEST_F(RecordsetTableModelTest, FollowsRowsAddedAndRemovedAndEmptiesWhenUnbound)
{
    goals.addNew();
    EXPECT_EQ(model.rowCount(), 4);
    goals.cancelUpdate();
    EXPECT_EQ(model.rowCount(), 3);
    goals.moveFirst();
    goals.deleteCurrent();
    EXPECT_EQ(model.rowCount(), 2);
    model.setRecordset(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.setData(model.index(0, 3), "x"));
}

TEST_F(RecordsetTableModelTest, ARefusedValueIsNotTakenAndNothingIsThrown)
{
    EXPECT_FALSE(model.setData(model.index(0, 7), "no such column"));
    model.setData(model.index(0, 2), "not a number");
    EXPECT_FALSE(model.setData(model.index(1, 3), "moving stores the bad row"));
    EXPECT_EQ(
        folder.scalar("select BusinessInformationId from [Business Short Term Goal] where BusinessShortTermGoalID = 1"),
        "1");
}

} // namespace
