// The financial plan's window: cells that take only what the plan's rules take, the
// statements following each change, its PDF, its export and the keyboard.
#include "plan/ui/PlanWindow.h"
#include "PlanWindowTesting.h"
#include "db/Connection.h"
#include "plan/PlanStore.h"
#include "plan/ui/ChartModule.h"
#include "plan/ui/ChartsPage.h"
#include "plan/ui/LinesModel.h"
#include "plan/ui/LinesPage.h"
#include "plan/ui/PlanSession.h"
#include "records/ui/FormTesting.h"
#include "support/PdfText.h"
#include "support/ui_Layout.h"
#include "support/ui_ModalAnswer.h"
#include "support/ui_WindowFit.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>

#include <set>

using namespace testing_support;

namespace {

class PlanWindowTest : public plan_testing::PlanWindowFixture
{
protected:
    void SetUp() override { startWithLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

    static plan::ui::LinesPage &page(plan::ui::PlanWindow &window, const QString &title)
    {
        auto *found = window.findChild<plan::ui::LinesPage *>(QStringLiteral("page") + title);
        EXPECT_NE(found, nullptr) << title.toStdString();
        window.tabs()->setCurrentWidget(found);
        return *found;
    }

    // The column of a grid whose header is `header`.
    static int columnOf(const plan::ui::LinesPage &lines, const QString &header)
    {
        const QAbstractItemModel *model = lines.grid()->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            if (model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() == header)
                return column;
        }
        ADD_FAILURE() << "no column " << header.toStdString();
        return 0;
    }

    // The chart views of the Charts tab, which makes them when it is first shown.
    static std::vector<QChartView *> chartViews(plan::ui::PlanWindow &window)
    {
        window.tabs()->setCurrentIndex(window.tabs()->count() - 1);
        QCoreApplication::processEvents();
        std::vector<QChartView *> views;
        for (QWidget *view : window.findChild<plan::ui::ChartsPage *>(QStringLiteral("pageCharts"))->views())
            if (auto *chart = qobject_cast<QChartView *>(view))
                views.push_back(chart);
            else
                ADD_FAILURE() << view->objectName().toStdString() << " is not a chart view";
        return views;
    }

    static QString cell(const QWidget &window, const char *table, int row, int column)
    {
        const auto *view = window.findChild<QTableView *>(QLatin1String(table));
        return view->model()->index(row, column).data().toString();
    }
};

TEST_F(PlanWindowTest, OpensForTheBusinessWithItsTabsAndStoresNothingUntilSomethingIsEntered)
{
    auto &window = open();
    EXPECT_EQ(window.windowTitle(), "Financial Plan - Acme Bakery");
    QStringList tabs;
    for (int i = 0; i < window.tabs()->count(); ++i)
        tabs << window.tabs()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Settings", "Revenue", "People", "Expenses", "Financing", "Assets", "Statements",
                                 "Charts"}));
    EXPECT_FALSE(stored().has_value());
    EXPECT_EQ(layoutFaults(window), QStringList());
}

// Each case: a tab, a column, a text typed into the new line's cell, and what the
// message must name. A value refused leaves the stored plan exactly as it was.
struct RefusedCell
{
    const char *tab;
    const char *column;
    const char *typed;
    const char *message;
};

const RefusedCell RefusedCells[] = {
    {"Revenue", "Start month", "37", "Start month"},
    {"Revenue", "Price", "twelve", "Price"},
    {"Revenue", "Churn (%)", "101", "Churn (%)"},
    {"Revenue", "Kind", "Barter", "Unit sales"},
    {"People", "Monthly salary", "-5", "Monthly salary"},
    {"People", "End month", "0", "End month"},
    {"People", "Employee", "Nobody", "Employee"},
    {"Expenses", "Amount", "12.345", "Amount"},
    {"Expenses", "One-off", "Maybe", "One-off"},
    {"Financing", "Term (months)", "0", "Term (months)"},
    {"Assets", "Useful life (months)", "1.5", "Useful life (months)"},
    {"Assets", "Name", "   ", "Name"},
    {"Expenses", "Name", "Rent\tand rates", "Name"},
};

TEST_F(PlanWindowTest, ACellRefusesWhatItsFieldDoesNotTakeAndNothingIsStoredHalf)
{
    auto &window = open();
    for (const RefusedCell &entry : RefusedCells) {
        SCOPED_TRACE(std::string(entry.tab) + " / " + entry.column + " / " + entry.typed);
        plan::ui::LinesPage &lines = page(window, QLatin1String(entry.tab));
        if (lines.model()->rowCount() == 0)
            click(&lines, "cmdAdd");
        const std::optional<plan::Plan> before = stored();
        ASSERT_TRUE(before.has_value());
        const QModelIndex index = lines.model()->index(0, columnOf(lines, QLatin1String(entry.column)));
        const QString shown = index.data().toString();
        EXPECT_FALSE(lines.model()->setData(index, QLatin1String(entry.typed), Qt::EditRole));
        EXPECT_TRUE(lines.message().contains(QLatin1String(entry.message))) << lines.message().toStdString();
        EXPECT_EQ(stored(), before);
        EXPECT_EQ(index.data().toString(), shown);
    }
    // An end month before the start month is the plan's rule across two cells.
    plan::ui::LinesPage &people = page(window, QStringLiteral("People"));
    ASSERT_TRUE(people.model()->setData(people.model()->index(0, columnOf(people, QStringLiteral("Start month"))),
                                        QStringLiteral("6"), Qt::EditRole));
    EXPECT_FALSE(people.model()->setData(people.model()->index(0, columnOf(people, QStringLiteral("End month"))),
                                         QStringLiteral("5"), Qt::EditRole));
    EXPECT_TRUE(people.message().contains(QStringLiteral("End month"))) << people.message().toStdString();
    EXPECT_EQ(stored()->people.at(0).endMonth, std::nullopt);
}

TEST_F(PlanWindowTest, TheMessageNamesTheFieldWhileTypingAndGoesOnceTheValueIsRight)
{
    auto &window = open();
    plan::ui::LinesPage &revenue = page(window, QStringLiteral("Revenue"));
    click(&revenue, "cmdAdd");
    // Add leaves the cursor in the new line's name.
    auto *name = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "Revenue stream 1");
    QTest::keyClick(name, Qt::Key_Return);
    QCoreApplication::processEvents();
    const QModelIndex price = revenue.model()->index(0, columnOf(revenue, QStringLiteral("Price")));
    revenue.grid()->setCurrentIndex(price);
    revenue.grid()->edit(price);
    auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(box, nullptr);
    box->selectAll();
    QTest::keyClicks(box, "12x");
    EXPECT_TRUE(revenue.message().contains(QStringLiteral("Price"))) << revenue.message().toStdString();
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(revenue.message(), QString());
    QTest::keyClick(box, Qt::Key_Return);
    // The grid takes the cell's value once the key has been handled.
    QCoreApplication::processEvents();
    EXPECT_EQ(stored()->revenue.at(0).price, *plan::Decimal::parse(QStringLiteral("12")));

    click(&revenue, "cmdDelete");
    EXPECT_TRUE(stored()->revenue.isEmpty());
    EXPECT_EQ(revenue.model()->rowCount(), 0);
}

TEST_F(PlanWindowTest, ClosingStoresWhatIsBeingTypedOrStaysOpenSayingWhy)
{
    auto &window = open();
    typeInto(&window, QStringLiteral("txtTaxRate"), QStringLiteral("150"));
    window.close();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("Income-tax rate")))
        << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(window.findChild<QLineEdit *>(QStringLiteral("txtTaxRate"))->text(), "150");
    EXPECT_FALSE(stored().has_value());

    typeInto(&window, QStringLiteral("txtTaxRate"), QStringLiteral("21.5"));
    window.close();
    EXPECT_FALSE(window.isVisible());
    ASSERT_TRUE(stored().has_value());
    EXPECT_EQ(stored()->settings.taxRatePercent, *plan::Decimal::parse(QStringLiteral("21.5")));
    EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(PlanWindowTest, StatementsAndKeyFiguresFollowEveryEdit)
{
    auto &window = open();
    auto *warning = window.findChild<QLabel *>(QStringLiteral("lblCashWarning"));
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(warning->isHidden());

    plan::ui::LinesPage &expenses = page(window, QStringLiteral("Expenses"));
    click(&expenses, "cmdAdd");
    ASSERT_TRUE(expenses.model()->setData(expenses.model()->index(0, columnOf(expenses, QStringLiteral("Amount"))),
                                          QStringLiteral("1250.5"), Qt::EditRole));
    const QString firstMonth
        = QLocale().toString(stored()->settings.firstMonth.firstDay(), QStringLiteral("MMMM yyyy"));
    EXPECT_EQ(warning->text(), QStringLiteral("Cash runs out in ") + firstMonth);
    EXPECT_FALSE(warning->isHidden());
    // Expenses are the sixth line of the profit and loss, cash the first of the balance sheet.
    EXPECT_EQ(cell(window, "grdProfitAndLoss", 5, 0), "1,250.50");
    EXPECT_EQ(cell(window, "grdBalanceSheet", 0, 0), "(1,250.50)");
    EXPECT_EQ(cell(window, "grdBalanceSheet", 0, 12), "(15,006.00)"); // year 1's last month

    // Starting cash typed on the settings tab covers the year.
    window.tabs()->setCurrentIndex(0);
    typeInto(&window, QStringLiteral("txtStartingCash"), QStringLiteral("20000"));
    QTest::keyClick(window.findChild<QLineEdit *>(QStringLiteral("txtStartingCash")), Qt::Key_Return);
    EXPECT_EQ(cell(window, "grdBalanceSheet", 0, 12), "4,994.00");
    EXPECT_EQ(warning->text(),
              QStringLiteral("Cash runs out in ")
                  + QLocale().toString(stored()->settings.firstMonth.plus(15).firstDay(), QStringLiteral("MMMM yyyy")));
    EXPECT_TRUE(window.findChild<QLabel *>(QStringLiteral("lblKeyFigures"))
                    ->text()
                    .contains(QStringLiteral("Lowest cash: (25,018.00)")));

    // All 36 months come before the years when asked for.
    auto *table = window.findChild<QTableView *>(QStringLiteral("grdCashFlow"));
    EXPECT_EQ(table->model()->columnCount(), 15);
    window.findChild<QAbstractButton *>(QStringLiteral("chkAllMonths"))->click();
    EXPECT_EQ(table->model()->columnCount(), 39);
    EXPECT_EQ(table->model()->headerData(36, Qt::Horizontal, Qt::DisplayRole), "Year 1");
}

TEST_F(PlanWindowTest, PeopleOffersTheBusinessesEmployeesByName)
{
    folder.exec(QStringLiteral("INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeFirstName, "
                               "EmployeeLastName) VALUES (%1, 'Ann', 'Baker'), (%1, 'Tom', 'Miller'), "
                               "(%1, 'Tom', 'Miller'), (%1 + 1, 'Sam', 'Brook')")
                    .arg(business));
    auto &window = open();
    plan::ui::LinesPage &people = page(window, QStringLiteral("People"));
    click(&people, "cmdAdd");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    const QModelIndex employee = people.model()->index(0, columnOf(people, QStringLiteral("Employee")));
    people.grid()->setCurrentIndex(employee);
    people.grid()->edit(employee);
    auto *list = qobject_cast<QComboBox *>(QApplication::focusWidget());
    ASSERT_NE(list, nullptr);
    QStringList offered;
    for (int i = 0; i < list->count(); ++i)
        offered << list->itemText(i);
    // Two of one name are told apart; another business's employee is not offered.
    const QStringList keys = folder.rows("select EmpyoleeId from BusinessEmployees where EmployeeFirstName = 'Tom' "
                                         "order by 1");
    EXPECT_EQ(offered, (QStringList{QString(), "Ann Baker", QStringLiteral("Tom Miller (%1)").arg(keys[0]),
                                    QStringLiteral("Tom Miller (%1)").arg(keys[1])}));
    list->setCurrentIndex(3);
    QTest::keyClick(list, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(stored()->people.at(0).employeeId, keys[1].toLongLong());
}

TEST_F(PlanWindowTest, SavedPdfHoldsTheStatementsKeyFiguresAndChartsAsText)
{
    auto &window = open();
    plan::ui::LinesPage &expenses = page(window, QStringLiteral("Expenses"));
    click(&expenses, "cmdAdd");
    const QString pdf = folder.filePath(QStringLiteral("plan; for the bank.pdf"));
    dialogs->fileNames = {pdf};
    window.findChild<QAction *>(QStringLiteral("mnuSaveAsPdf"))->trigger();
    EXPECT_TRUE(dialogs->messages.empty());
    const QStringList pages = pdfPages(pdf);
    ASSERT_GE(pages.size(), 4);
    const QString text = pages.join(u'\n');
    for (const char *expected :
         {"Financial Plan - Acme Bakery", "Starting cash", "Break-even month", "Profit and loss", "Cash flow",
          "Balance sheet", "Total liabilities and equity", "Revenue and total costs per month",
          "Cash at the end of each month", "Break-even: revenue and costs over volume", "Month of the plan"})
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected << "\n" << text.toStdString();
    // Each chart on a page of its own, after the statements.
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Break-even: revenue and costs over volume")));
    // Letter paper in the United States.
    EXPECT_TRUE(toolOutput(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("792 x 612")))
        << toolOutput(QStringLiteral("pdfinfo"), {pdf}).toStdString();
}

TEST_F(PlanWindowTest, PreviewShowsEveryPageAndPrintsFromIt)
{
    auto &window = open();
    const QString pdf = folder.filePath(QStringLiteral("previewed.pdf"));
    dialogs->fileNames = {pdf};
    int pages = 0;
    {
        ModalAnswer print(QStringLiteral("PrintPreview"), [&pages](QWidget &preview) {
            pages = preview.findChild<QLabel *>(QStringLiteral("lblPages"))->text().split(u' ').first().toInt();
            ModalAnswer::click("cmdPrint")(preview);
        });
        window.findChild<QAction *>(QStringLiteral("mnuPrintPreview"))->trigger();
        EXPECT_TRUE(print.answered());
    }
    // The statements, then a page for each chart.
    EXPECT_GE(pages, 4);
    EXPECT_EQ(pdfPages(pdf).size(), pages);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(PlanWindowTest, ExportWritesTheStatementsWithAByteOrderMarkAndNamesAFileItCannotWrite)
{
    auto &window = open();
    const QString csv = folder.filePath(QStringLiteral("statements"));
    dialogs->fileNames = {csv};
    window.findChild<QAction *>(QStringLiteral("mnuExportStatements"))->trigger();
    QFile file(csv + QStringLiteral(".csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.startsWith("\xEF\xBB\xBF"
                                   "Statement,Line,"))
        << written.left(40).toStdString();
    EXPECT_EQ(written.count("\r\n"), 1 + 12 + 8 + 7);

    const QString nowhere = folder.filePath(QStringLiteral("no such folder/statements.csv"));
    dialogs->fileNames = {nowhere};
    window.findChild<QAction *>(QStringLiteral("mnuExportStatements"))->trigger();
    ASSERT_FALSE(dialogs->messages.empty());
    EXPECT_TRUE(dialogs->messages.back().text.contains(QStringLiteral("no such folder")))
        << dialogs->messages.back().text.toStdString();
}

// Every control of every tab is reached with the keyboard and has a name a screen
// reader can say.
TEST_F(PlanWindowTest, EveryControlOfEveryTabIsReachedWithTabAndNamed)
{
    auto &window = open();
    for (int tab = 0; tab < window.tabs()->count(); ++tab) {
        SCOPED_TRACE(window.tabs()->tabText(tab).toStdString());
        window.tabs()->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        std::set<QWidget *> wanted;
        for (QWidget *control : window.tabs()->currentWidget()->findChildren<QWidget *>()) {
            // A box inside another control (a date's) and a view's viewport are the
            // control's own parts: the control is what Tab reaches.
            const auto *view = qobject_cast<QAbstractScrollArea *>(control->parentWidget());
            const bool part = control->focusProxy() || (view && view->viewport() == control);
            if (control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus) && !part
                && !qobject_cast<QScrollArea *>(control) && !control->inherits("QScrollBar")) {
                wanted.insert(control);
                // Buttons are named by their captions, labels by their own text.
                EXPECT_FALSE(control->accessibleName().isEmpty() && !qobject_cast<QAbstractButton *>(control)
                             && !qobject_cast<QLabel *>(control))
                    << control->objectName().toStdString() << " has no accessible name";
            }
        }
        EXPECT_FALSE(wanted.empty());
        window.tabs()->tabBar()->setFocus();
        std::set<QWidget *> reached;
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.insert(QApplication::focusWidget());
        }
        // Tab comes round to the tabs, from which the arrow keys reach the other pages.
        EXPECT_TRUE(reached.count(window.tabs()->tabBar()));
        for (QWidget *control : wanted)
            EXPECT_TRUE(reached.count(control)) << control->objectName().toStdString() << " is not reached with Tab";
    }
}

// Charts drawn for a light desktop would show dark text on a dark window.
TEST_F(PlanWindowTest, UnderADarkColourSchemeChartsAndStatementsStayReadable)
{
    auto &window = open();
    const std::vector<QChartView *> views = chartViews(window);
    ASSERT_EQ(views.size(), 3u);
    for (const QChartView *view : views)
        EXPECT_EQ(view->chart()->theme(), QChart::ChartThemeLight);
    {
        DarkScheme dark;
        QCoreApplication::processEvents();
        for (const QChartView *view : views) {
            EXPECT_EQ(view->chart()->theme(), QChart::ChartThemeDark);
            EXPECT_FALSE(view->chart()->title().isEmpty());
            for (const QAbstractAxis *axis : view->chart()->axes())
                EXPECT_FALSE(axis->titleText().isEmpty()) << view->chart()->title().toStdString();
        }
        window.tabs()->setCurrentIndex(window.tabs()->count() - 2);
        QCoreApplication::processEvents();
        EXPECT_EQ(unreadableLabels(window), QStringList());
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(views.front()->chart()->theme(), QChart::ChartThemeLight);
}

// The charts are a module of their own: without it the Charts tab and the printouts
// name the file that could not be opened, and the rest of the window works on.
TEST_F(PlanWindowTest, WithoutTheChartModuleChartsAndPrintoutsSayWhichFileIsMissing)
{
    struct MissingChartModule
    {
        MissingChartModule() { plan::ui::ChartModule::replaceModuleName(QStringLiteral("tallowmere_charts_absent")); }
        ~MissingChartModule() { plan::ui::ChartModule::replaceModuleName({}); }
    } missing;
    auto &window = open();
    EXPECT_TRUE(chartViews(window).empty());
    const auto *why = window.findChild<QLabel *>(QStringLiteral("lblChartsUnavailable"));
    ASSERT_NE(why, nullptr);
    EXPECT_TRUE(why->isVisible());
    EXPECT_TRUE(why->text().contains(QStringLiteral("libtallowmere_charts_absent.so"))) << why->text().toStdString();

    const QString pdf = folder.filePath(QStringLiteral("plan.pdf"));
    dialogs->fileNames = {pdf};
    window.findChild<QAction *>(QStringLiteral("mnuSaveAsPdf"))->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("libtallowmere_charts_absent.so")))
        << dialogs->messages[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));

    plan::ui::LinesPage &expenses = page(window, QStringLiteral("Expenses"));
    click(&expenses, "cmdAdd");
    ASSERT_TRUE(stored().has_value());
    EXPECT_EQ(stored()->expenses.size(), 1);
}

TEST_F(PlanWindowTest, OnASmallScreenTheWindowFitsAndScrolls)
{
    QSettings(QStringLiteral("Tallowmere"), QStringLiteral("Tallowmere")).clear();
    QScreen *small = smallScreen();
    ASSERT_NE(small, nullptr);
    auto &window = ui::WindowRegistry::get<plan::ui::PlanWindow>();
    window.setScreen(small);
    open();
    QCoreApplication::processEvents();
    EXPECT_TRUE(small->availableGeometry().contains(window.frameGeometry())) << window.frameGeometry().width();
    EXPECT_NE(window.findChild<QScrollArea *>(QStringLiteral("scrollArea")), nullptr);
}

} // namespace
