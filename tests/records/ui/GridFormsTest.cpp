// The employee and goal grids, driven with real clicks and keys.
#include "db/Recordset.h"
#include "records/ui/EmployeeInformation.h"
#include "records/ui/FormTesting.h"
#include "records/ui/LongTermGoals.h"
#include "records/ui/ShortTermGoals.h"
#include "support/ui_Layout.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

#include <functional>

using namespace testing_support;

namespace {

// What tells the three grids apart: caption, count, columns, and the table and column
// a typed goal or first name goes to.
struct GridFacts
{
    records::GridRecordForm *form;
    QString caption;
    QString status;
    QStringList columns;
    const char *table;
    const char *typedColumn;
};

std::vector<GridFacts> allGrids()
{
    return {
        {&ui::WindowRegistry::get<records::EmployeeInformation>(),
         " Employees Information",
         "Employees Associated With Business: ",
         {"EmpyoleeId", "EmployeeDate", "BusinessInformationId", "EmployeeFirstName", "EmployeeMiddleName",
          "EmployeeLastName", "EmployeePosition", "EmployeeQualifications"},
         "BusinessEmployees",
         "EmployeeFirstName"},
        {&ui::WindowRegistry::get<records::LongTermGoals>(),
         "Business Long Term Goal",
         "Long Term Goals Associated With Business: ",
         {"BusinessLongTermGoalID", "BusinessLongTermGoalDate", "BusinessInformationId", "BusinessLongTermGoal"},
         "[Business Long Term Goal]",
         "BusinessLongTermGoal"},
        {&ui::WindowRegistry::get<records::ShortTermGoals>(),
         "Business Short Term Goal",
         "Short Term Goals Associated With Business: ",
         {"BusinessShortTermGoalID", "BusinessShortTermGoalDate", "BusinessInformationId", "BusinessShortTermGoal"},
         "[Business Short Term Goal]",
         "BusinessShortTermGoal"},
    };
}

class GridFormsTest : public FormTest
{
protected:
    // Types into the grid's current cell as a person does, and presses Enter.
    static void typeIntoCell(QTableView *grid, const QString &text)
    {
        QTest::keyClicks(grid, text.left(1));
        auto *editor = grid->viewport()->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr) << "typing did not open the cell";
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the grid takes the cell's text after the key
    }

    static QTableView *gridOf(const QWidget *form) { return control<QTableView>(form, "grdDataGrid"); }

    // Types where the keyboard is, as a person does, and leaves the cell open.
    static void typeWithoutEnter(const QString &text)
    {
        QTest::keyClicks(QApplication::focusWidget(), text.left(1));
        QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
    }

    // An access key presses its button a moment later, once the press has been shown.
    static bool pressAccessKey(QWidget *form, Qt::Key key, const std::function<bool()> &done)
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form, key, Qt::AltModifier);
        return QTest::qWaitFor(done);
    }

    void addGoal(const char *table, int business, const char *goal)
    {
        folder.exec(QStringLiteral("INSERT INTO [%1] (BusinessInformationId, %2) VALUES (%3, '%4')")
                        .arg(QLatin1String(table), QString(QLatin1String(table)).remove(u' '))
                        .arg(business)
                        .arg(QLatin1String(goal)));
    }
};

TEST_F(GridFormsTest, EachGridShowsItsCaptionQueryColumnsAndCount)
{
    for (const GridFacts &facts : allGrids()) {
        SCOPED_TRACE(facts.caption.toStdString());
        facts.form->showForBusiness(6);
        EXPECT_EQ(facts.form->windowTitle(), facts.caption);
        EXPECT_EQ(statusOf(facts.form), facts.status + "0");
        QAbstractItemModel *model = gridOf(facts.form)->model();
        QStringList headers;
        for (int c = 0; c < model->columnCount(); ++c)
            headers << model->headerData(c, Qt::Horizontal).toString();
        EXPECT_EQ(headers, facts.columns);
        for (const char *move : {"cmdFirst", "cmdPrevious", "cmdNext", "cmdLast"})
            click(facts.form, move);
        EXPECT_TRUE(dialogs->messages.empty());
        EXPECT_EQ(dialogs->beeps, 0);
    }
}

TEST_F(GridFormsTest, KeyAndDateAddedCellsCannotBeTypedIntoOnAnyGrid)
{
    for (const GridFacts &facts : allGrids()) {
        SCOPED_TRACE(facts.table);
        folder.exec(QStringLiteral("INSERT INTO %1 (BusinessInformationId, %2) VALUES (4, 'Ann')")
                        .arg(QLatin1String(facts.table), QLatin1String(facts.typedColumn)));
        records::GridRecordForm *form = facts.form;
        form->showForBusiness(4);
        QTableView *grid = gridOf(form);
        const QString key = grid->model()->index(0, 0).data().toString();
        for (int column : {0, 1}) {
            grid->setCurrentIndex(grid->model()->index(0, column));
            QTest::keyClicks(grid, "77");
            EXPECT_EQ(grid->viewport()->findChild<QLineEdit *>(), nullptr) << "column " << column;
        }
        click(form, "cmdRefresh");
        EXPECT_EQ(grid->model()->index(0, 0).data().toString(), key);
        // The business key stays open to typing, as the grid always allowed.
        EXPECT_TRUE(grid->model()->flags(grid->model()->index(0, 2)) & Qt::ItemIsEditable);
    }
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(GridFormsTest, AGoalTypedIntoTheGridAndStoredWithEditAndUpdateIsListedForTheBusiness)
{
    auto &form = ui::WindowRegistry::get<records::LongTermGoals>();
    form.showForBusiness(11);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    click(&form, "cmdAdd");
    QTableView *grid = gridOf(&form);
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_FALSE(shows(&form, "cmdUpdate"));
    EXPECT_TRUE(shows(&form, "cmdAdd"));
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->model()->index(0, 2).data().toInt(), 11);

    typeIntoCell(grid, "Open a second shop");
    click(&form, "cmdEdit");
    EXPECT_EQ(statusOf(&form), "Edit record");
    click(&form, "cmdUpdate");

    EXPECT_EQ(folder.rows("select BusinessInformationId, BusinessLongTermGoal from [Business Long Term Goal]"),
              QStringList{"11|Open a second shop"});
    form.close();
    form.showForBusiness(11);
    EXPECT_EQ(statusOf(&form), "Long Term Goals Associated With Business: 1");
    EXPECT_EQ(grid->model()->index(0, 3).data().toString(), "Open a second shop");
}

TEST_F(GridFormsTest, ACellLongerThanALineBoxsDefaultIsStoredWhole)
{
    const QString goal(40000, u'g');
    addGoal("Business Long Term Goal", 5, goal.toLatin1().constData());
    auto &form = ui::WindowRegistry::get<records::LongTermGoals>();
    form.showForBusiness(5);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTableView *grid = gridOf(&form);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 3));
    QTest::keyClick(grid, Qt::Key_F2);
    auto *editor = grid->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr) << "F2 did not open the cell";
    editor->end(false);
    QTest::keyClicks(editor, "!");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    click(&form, "cmdEdit");
    click(&form, "cmdUpdate");

    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(folder.scalar("select BusinessLongTermGoal from [Business Long Term Goal]"), goal + "!");
}

TEST_F(GridFormsTest, ARowLeftWithoutUpdateStillBelongsToTheBusiness)
{
    addGoal("Business Short Term Goal", 4, "Paint the shop");
    auto &form = ui::WindowRegistry::get<records::ShortTermGoals>();
    form.showForBusiness(4);
    click(&form, "cmdAdd");
    typeIntoCell(gridOf(&form), "Print leaflets");
    click(&form, "cmdFirst"); // leaving the row stores it

    EXPECT_EQ(folder.rows("select BusinessInformationId, BusinessShortTermGoal from [Business Short Term Goal] "
                          "order by BusinessShortTermGoalID"),
              (QStringList{"4|Paint the shop", "4|Print leaflets"}));
    EXPECT_EQ(statusOf(&form), "Short Term Goals Associated With Business: 2");
}

TEST_F(GridFormsTest, DeletingTheOnlyRowPassesSilentlyButARefusedStoreIsShown)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "refuses the store through an SQLite trigger";
    folder.exec("INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeFirstName) VALUES (2, 'Ann')");
    auto &form = ui::WindowRegistry::get<records::EmployeeInformation>();
    form.showForBusiness(2);
    click(&form, "cmdDelete");
    EXPECT_EQ(folder.scalar("select count(*) from BusinessEmployees"), "0");
    EXPECT_EQ(gridOf(&form)->model()->rowCount(), 0);
    EXPECT_TRUE(dialogs->messages.empty());

    // A business key cell holding text is refused by the database: the reason is shown,
    // the typed text stays in its cell, the form goes on.
    click(&form, "cmdAdd");
    QTableView *grid = gridOf(&form);
    typeIntoCell(grid, "Bea");
    grid->setCurrentIndex(grid->model()->index(0, 2));
    typeIntoCell(grid, "not a number");
    click(&form, "cmdEdit");
    // Update writes the handed-over key first, so make the database refuse another column.
    folder.exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON BusinessEmployees BEGIN SELECT RAISE(ABORT, 'no hiring'); END;");
    click(&form, "cmdUpdate");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains("no hiring"));
    EXPECT_EQ(grid->model()->index(0, 3).data().toString(), "Bea");
    EXPECT_EQ(folder.scalar("select count(*) from BusinessEmployees"), "0");
    EXPECT_TRUE(shows(&form, "cmdAdd"));
}

TEST_F(GridFormsTest, ARefusedStoreKeepsTheGridOnTheRowThatDeleteActsOn)
{
    addGoal("Business Long Term Goal", 3, "one");
    addGoal("Business Long Term Goal", 3, "two");
    auto &form = ui::WindowRegistry::get<records::LongTermGoals>();
    form.showForBusiness(3);
    QTableView *grid = gridOf(&form);
    grid->setCurrentIndex(grid->model()->index(0, 2));
    typeIntoCell(grid, "not a number");

    // Clicking the other row tries to store the first, which the database refuses.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(1, 3)).center());
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(form.detail().recordset()->currentIndex(), 0);
    EXPECT_EQ(grid->currentIndex().row(), 0);
    for (const QModelIndex &selected : grid->selectionModel()->selectedIndexes())
        EXPECT_EQ(selected.row(), 0);
    EXPECT_EQ(grid->model()->index(0, 2).data().toString(), "not a number");

    // What the user sees selected is what goes.
    click(&form, "cmdDelete");
    EXPECT_EQ(folder.rows("select BusinessLongTermGoal from [Business Long Term Goal]"), QStringList{"two"});
}

TEST_F(GridFormsTest, AnAddedRowNothingWasTypedIntoIsDroppedWhenTheGridLeavesIt)
{
    addGoal("Business Short Term Goal", 6, "one");
    auto &form = ui::WindowRegistry::get<records::ShortTermGoals>();
    form.showForBusiness(6);
    QTableView *grid = gridOf(&form);
    const auto countStored = [this] { return folder.scalar("select count(*) from [Business Short Term Goal]"); };

    click(&form, "cmdAdd");
    EXPECT_EQ(grid->model()->rowCount(), 2);
    click(&form, "cmdFirst");
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(countStored(), "1");
    EXPECT_EQ(statusOf(&form), "Short Term Goals Associated With Business: 1");

    click(&form, "cmdAdd");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 3)).center());
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(form.detail().recordset()->currentIndex(), 0);

    click(&form, "cmdAdd");
    click(&form, "cmdRefresh");
    click(&form, "cmdAdd");
    EXPECT_TRUE(form.close()); // nothing to ask about
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(countStored(), "1");
}

TEST_F(GridFormsTest, RefreshShowsRowsChangedElsewhereAndKeysMoveTheCurrentRow)
{
    addGoal("Business Long Term Goal", 3, "one");
    auto &form = ui::WindowRegistry::get<records::LongTermGoals>();
    form.showForBusiness(3);
    addGoal("Business Long Term Goal", 3, "two");
    addGoal("Business Long Term Goal", 3, "three");
    click(&form, "cmdRefresh");
    QTableView *grid = gridOf(&form);
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(statusOf(&form), "Long Term Goals Associated With Business: 3");

    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(grid->currentIndex().row(), 2);
    EXPECT_EQ(form.detail().recordset()->currentIndex(), 2);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(dialogs->beeps, 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 3)).center());
    EXPECT_EQ(form.detail().recordset()->currentIndex(), 0);
}

TEST_F(GridFormsTest, ClosingWithAnAddedRowPendingAsksWhetherToStoreIt)
{
    auto &form = ui::WindowRegistry::get<records::EmployeeInformation>();
    form.showForBusiness(8);
    click(&form, "cmdAdd");
    typeIntoCell(gridOf(&form), "Bea");
    dialogs->answers.push_back(ui::Dialogs::Answer::Save);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(folder.rows("select BusinessInformationId, EmployeeFirstName from BusinessEmployees"),
              QStringList{"8|Bea"});
}

TEST_F(GridFormsTest, RowsTypedWithTheKeyboardAloneAreKeptOrAskedAboutOnEveryGrid)
{
    for (const GridFacts &grid : allGrids()) {
        SCOPED_TRACE(grid.table);
        QWidget *form = grid.form;
        QAbstractItemModel *model = gridOf(form)->model();
        grid.form->showForBusiness(7);
        QApplication::setActiveWindow(form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));

        // Add, type, Add: the first row is not dropped for having its cell still open.
        ASSERT_TRUE(pressAccessKey(form, Qt::Key_A, [&] { return model->rowCount() == 1; }));
        typeWithoutEnter("Ann");
        ASSERT_TRUE(pressAccessKey(form, Qt::Key_A, [&] { return model->rowCount() == 2; }));
        typeWithoutEnter("Bea");
        EXPECT_EQ(model->index(0, 3).data().toString(), "Ann");

        // Close with the second row's cell still open asks, and Cancel keeps it all.
        const size_t asked = dialogs->messages.size();
        dialogs->answers.push_back(ui::Dialogs::Answer::Cancel);
        pressAccessKey(form, Qt::Key_C, [&] { return dialogs->messages.size() > asked; });
        ASSERT_EQ(dialogs->messages.size(), asked + 1) << "closing with a typed row did not ask";
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(model->index(1, 3).data().toString(), "Bea");

        dialogs->answers.push_back(ui::Dialogs::Answer::Save);
        ASSERT_TRUE(pressAccessKey(form, Qt::Key_C, [&] { return !form->isVisible(); }));
        EXPECT_EQ(folder.rows(QStringLiteral("select BusinessInformationId, %1 from %2 order by 1, 2")
                                  .arg(QLatin1String(grid.typedColumn), QLatin1String(grid.table))),
                  (QStringList{"7|Ann", "7|Bea"}));
    }
}

TEST_F(GridFormsTest, ACellOpenedAndLeftAsItWasLeavesAnAddedRowUntouched)
{
    auto &form = ui::WindowRegistry::get<records::LongTermGoals>();
    form.showForBusiness(2);
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    click(&form, "cmdAdd");
    QTableView *grid = gridOf(&form);
    grid->setCurrentIndex(grid->model()->index(0, 3));
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_NE(grid->viewport()->findChild<QLineEdit *>(), nullptr) << "F2 did not open the cell";
    EXPECT_TRUE(form.close()); // nothing was typed: nothing to ask about
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(folder.scalar("select count(*) from [Business Long Term Goal]"), "0");
}

TEST_F(GridFormsTest, TheGridAndStripsStandApartInsideTheFormAndFollowItsSize)
{
    for (const GridFacts &facts : allGrids()) {
        SCOPED_TRACE(facts.table);
        records::GridRecordForm *form = facts.form;
        form->showForBusiness(1);
        QCoreApplication::processEvents();
        EXPECT_EQ(layoutFaults(*form), QStringList());
        QTableView *grid = gridOf(form);
        const QSize gridSize = grid->size();

        // The grid takes what the window gains; the strips stay at the bottom.
        form->resize(form->width() + 120, form->height() + 80);
        QCoreApplication::processEvents();
        EXPECT_EQ(grid->size(), gridSize + QSize(120, 80));
        EXPECT_EQ(control(form, "picStatBox")->geometry().bottom(), form->clientArea()->height() - 1);
        EXPECT_EQ(layoutFaults(*form), QStringList());
        // Squeezed, the form scrolls rather than pushing its controls together.
        form->resize(form->width() / 3, form->height() / 3);
        QCoreApplication::processEvents();
        EXPECT_EQ(layoutFaults(*form), QStringList());
    }
}

} // namespace
