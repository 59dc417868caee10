// The record-form pattern driven without any window, over a fresh database.
#include "db/Recordset.h"
#include "records/DetailFormController.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using records::ButtonStates;
using records::DetailFormController;
using records::KeyCommand;
namespace DetailForms = records::DetailForms;

namespace {

// A controller with everything it tells its window written down, loaded unless asked not to be.
struct Observed
{
    Observed(const records::DetailFormDefinition &definition, int business, bool loaded = true)
        : controller(definition)
    {
        QObject::connect(&controller, &DetailFormController::errorOccurred,
                         [this](const QString &text) { errors << text; });
        QObject::connect(&controller, &DetailFormController::beepRequested, [this] { ++beeps; });
        controller.setRequestedBusiness(business);
        if (loaded)
            controller.load();
    }

    db::Recordset &rows() const { return *controller.recordset(); }
    QVariant current(const char *column) const { return rows().value(QLatin1String(column)); }

    DetailFormController controller;
    QStringList errors;
    int beeps = 0;
};

ButtonStates editing()
{
    ButtonStates states;
    states.add = states.edit = states.remove = states.close = states.refresh = states.navigation = false;
    states.update = states.cancel = true;
    return states;
}

class RecordFormControllerTest : public ::testing::Test
{
protected:
    void addTypes(int business, std::initializer_list<const char *> types)
    {
        for (const char *type : types)
            folder.exec(
                QStringLiteral("INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (%1, '%2')")
                    .arg(business)
                    .arg(QLatin1String(type)));
    }

    testing_support::TempProgramFolder folder;
};

TEST_F(RecordFormControllerTest, AddThenUpdateStoresTheRowForTheHandedOverBusinessAndReturnsToBrowsing)
{
    Observed form(DetailForms::businessType(), 7);
    EXPECT_EQ(form.controller.status(), "Business Types Associated With Business: 0");
    EXPECT_TRUE(form.controller.buttons().add);

    form.controller.add();
    EXPECT_TRUE(form.controller.addFlag());
    EXPECT_EQ(form.controller.status(), "Add record");
    EXPECT_EQ(form.controller.buttons(), editing());
    EXPECT_EQ(form.current("BusinessInformationId").toInt(), 7); // the new row carries its business at once

    form.rows().setValue("BusinessType", "Bakery");
    form.controller.update();

    EXPECT_FALSE(form.controller.addFlag());
    EXPECT_EQ(folder.rows("select BusinessInformationId, BusinessType from BusinessType"), QStringList{"7|Bakery"});
    // The move to the new last row counts it and hides Add; ending Update shows Add again.
    EXPECT_EQ(form.controller.status(), "Business Types Associated With Business: 1");
    EXPECT_EQ(form.controller.buttons(), ButtonStates{});
    EXPECT_FALSE(form.current("BusinessTypeId").isNull());
    EXPECT_TRUE(form.errors.isEmpty());
}

TEST_F(RecordFormControllerTest, EditKeepsItsStatusAfterUpdateAndCancelReturnsToTheLastAddNotTheEditedRow)
{
    addTypes(3, {"first", "second", "third"});
    Observed form(DetailForms::businessType(), 3);
    EXPECT_FALSE(form.controller.buttons().add); // rows exist: one type per business is the rule

    form.controller.moveLast();
    form.controller.edit();
    EXPECT_TRUE(form.controller.editFlag());
    form.rows().setValue("BusinessType", "changed");
    form.controller.update();
    EXPECT_EQ(form.controller.status(), "Edit record");
    EXPECT_EQ(folder.scalar("select BusinessType from BusinessType where BusinessTypeId = 3"), "changed");

    // Cancel without an earlier Add goes to the first row.
    form.controller.moveLast();
    form.controller.edit();
    form.rows().setValue("BusinessType", "dropped");
    form.controller.cancel();
    EXPECT_EQ(form.current("BusinessType").toString(), "first");
    EXPECT_EQ(folder.scalar("select BusinessType from BusinessType where BusinessTypeId = 3"), "changed");

    // After an Add on the second row, a later Cancel of an Edit goes back to that row.
    form.controller.moveNext();
    form.controller.add();
    form.controller.cancel();
    EXPECT_EQ(form.rows().recordCount(), 3);
    form.controller.moveLast();
    form.controller.edit();
    form.controller.cancel();
    EXPECT_EQ(form.current("BusinessType").toString(), "second");
    EXPECT_EQ(form.controller.savedBookmark(), 2);
}

TEST_F(RecordFormControllerTest, AddOnAnEmptyRecordsetKeepsTheSavedBookmark)
{
    Observed form(DetailForms::businessType(), 1);
    form.controller.add();
    EXPECT_EQ(form.controller.savedBookmark(), 0);
    form.controller.cancel();
    EXPECT_EQ(form.rows().recordCount(), 0);
    EXPECT_EQ(form.controller.buttons(), ButtonStates{});
    EXPECT_TRUE(form.errors.isEmpty()); // Cancel ignores the failed move to the first row
}

TEST_F(RecordFormControllerTest, NextAndPreviousBeepAtTheEndsButNotOnAnEmptyRecordset)
{
    addTypes(2, {"a", "b"});
    Observed form(DetailForms::businessType(), 2);
    form.controller.movePrevious();
    EXPECT_EQ(form.beeps, 1);
    EXPECT_EQ(form.current("BusinessType").toString(), "a");
    form.controller.moveNext();
    EXPECT_EQ(form.beeps, 1);
    form.controller.moveNext();
    EXPECT_EQ(form.beeps, 2);
    EXPECT_EQ(form.current("BusinessType").toString(), "b");

    Observed empty(DetailForms::businessType(), 99);
    empty.controller.moveNext();
    empty.controller.movePrevious();
    EXPECT_EQ(empty.beeps, 0);
    EXPECT_TRUE(empty.errors.isEmpty());
}

TEST_F(RecordFormControllerTest, TextBoxFormsReportFailuresWhileGridFormsPassThemSilently)
{
    addTypes(4, {"only"});
    Observed types(DetailForms::businessType(), 4);
    types.controller.deleteCurrent();
    // The row goes; the move to the last row of the now empty recordset fails and is shown.
    EXPECT_EQ(types.errors, QStringList{"No current record."});
    EXPECT_EQ(folder.scalar("select count(*) from BusinessType"), "0");
    EXPECT_EQ(types.controller.status(), "Business Types Associated With Business: 0");
    EXPECT_FALSE(types.controller.buttons().add); // the handler never shows Add again
    types.controller.moveFirst();
    EXPECT_EQ(types.errors.size(), 2);

    folder.exec("INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeFirstName) VALUES (4, 'Ann')");
    Observed employees(DetailForms::employeeInformation(), 4);
    employees.controller.deleteCurrent();
    employees.controller.moveFirst();
    employees.controller.moveLast();
    EXPECT_TRUE(employees.errors.isEmpty());
    EXPECT_EQ(folder.scalar("select count(*) from BusinessEmployees"), "0");
}

TEST_F(RecordFormControllerTest, ARefusedStoreKeepsTheFormInItsStateWithTheTypedValue)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "refuses the store through an SQLite trigger";
    folder.exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON BusinessType BEGIN SELECT RAISE(ABORT, 'no types today'); END;");
    Observed form(DetailForms::businessType(), 5);
    form.controller.add();
    form.rows().setValue("BusinessType", "Florist");
    form.controller.update();
    ASSERT_EQ(form.errors.size(), 1);
    EXPECT_TRUE(form.errors.first().contains("no types today"));
    EXPECT_TRUE(form.controller.addFlag());
    EXPECT_EQ(form.controller.buttons(), editing());
    EXPECT_EQ(form.current("BusinessType").toString(), "Florist");
    EXPECT_TRUE(form.controller.hasUnsavedWork());
}

TEST_F(RecordFormControllerTest, GridAddStaysInBrowseStateAndItsRowBelongsToTheBusinessWhenStoredByAMove)
{
    folder.exec(
        "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES (8, 'grow')");
    Observed goals(DetailForms::longTermGoals(), 8, false);
    int focusRequests = 0;
    QObject::connect(&goals.controller, &DetailFormController::gridFocusRequested, [&] { ++focusRequests; });
    goals.controller.load();

    goals.controller.add();
    EXPECT_EQ(focusRequests, 1);
    EXPECT_FALSE(goals.controller.addFlag());
    EXPECT_EQ(goals.controller.buttons(), ButtonStates{});
    EXPECT_EQ(goals.controller.status(), "Long Term Goals Associated With Business: 2");
    goals.rows().setValue("BusinessLongTermGoal", "hire");
    goals.controller.moveFirst(); // leaving the row stores it

    EXPECT_EQ(folder.rows("select BusinessInformationId, BusinessLongTermGoal from [Business Long Term Goal] "
                          "order by 1, 2"),
              (QStringList{"8|grow", "8|hire"}));
}

TEST_F(RecordFormControllerTest, AnUntouchedGridRowIsNeitherStoredNorAskedAboutWhenTheFormMovesOn)
{
    Observed goals(DetailForms::longTermGoals(), 8);
    goals.controller.add();
    EXPECT_FALSE(goals.controller.hasUnsavedWork());

    // Handed another business, the form leaves the blank row behind rather than storing it.
    goals.controller.setRequestedBusiness(9);
    goals.controller.followRequestedBusiness();
    EXPECT_EQ(goals.controller.shownBusiness(), 9);
    EXPECT_EQ(folder.scalar("select count(*) from [Business Long Term Goal]"), "0");
    EXPECT_TRUE(goals.errors.isEmpty());
}

TEST_F(RecordFormControllerTest, AKeyHandedOverMidEditNeverMovesRowsToAnotherBusiness)
{
    addTypes(1, {"one"});
    addTypes(2, {"two"});
    Observed form(DetailForms::businessType(), 1);

    form.controller.edit();
    form.rows().setValue("BusinessType", "one, edited");
    form.controller.setRequestedBusiness(2);
    form.controller.followRequestedBusiness();
    EXPECT_EQ(form.controller.shownBusiness(), 1); // the edit keeps its business
    EXPECT_EQ(form.current("BusinessType").toString(), "one, edited");

    form.controller.update();
    EXPECT_EQ(folder.rows("select BusinessInformationId, BusinessType from BusinessType order by 1"),
              (QStringList{"1|one, edited", "2|two"}));
    // Once stored, the form follows the business it was handed.
    EXPECT_EQ(form.controller.shownBusiness(), 2);
    EXPECT_EQ(form.current("BusinessType").toString(), "two");

    // Browsing, it follows at once.
    form.controller.setRequestedBusiness(1);
    form.controller.followRequestedBusiness();
    EXPECT_EQ(form.current("BusinessType").toString(), "one, edited");
}

TEST_F(RecordFormControllerTest, BusinessKeysAbove32767AreHandedOverAndWritten)
{
    Observed form(DetailForms::businessPurpose(), 40000);
    form.controller.add();
    form.rows().setValue("BusinessPurpose", "Serve");
    form.controller.update();
    EXPECT_EQ(folder.scalar("select BusinessInformationId from BusinessPurpose"), "40000");
    EXPECT_EQ(form.controller.status(), "Mission Statements Associated With Business: 1");
}

TEST_F(RecordFormControllerTest, KeysAreIgnoredWhileAnEditOrAddedRowIsPending)
{
    Observed form(DetailForms::businessType(), 1);
    EXPECT_EQ(form.controller.commandForKey(Qt::Key_Escape, Qt::NoModifier), KeyCommand::Close);
    form.controller.edit();
    EXPECT_EQ(form.controller.commandForKey(Qt::Key_Escape, Qt::NoModifier), KeyCommand::None);
    EXPECT_EQ(form.controller.commandForKey(Qt::Key_Down, Qt::NoModifier), KeyCommand::None);
    form.controller.cancel();
    form.controller.add();
    EXPECT_EQ(form.controller.commandForKey(Qt::Key_Home, Qt::NoModifier), KeyCommand::None);
}

} // namespace
