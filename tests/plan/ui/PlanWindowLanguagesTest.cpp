// The plan window in each shipped language: its texts translated, each access key leads
// to one command, nothing cut off, choices read back in the language they are offered
// in, and the exported statements still in English for the programs that read them.
#include "PlanWindowTesting.h"
#include "db/Connection.h"
#include "plan/PlanStore.h"
#include "plan/StatementsCsv.h"
#include "plan/ui/LineTables.h"
#include "plan/ui/LinesModel.h"
#include "plan/ui/LinesPage.h"
#include "plan/ui/PlanSession.h"
#include "plan/ui/PlanWindow.h"
#include "records/ui/FormTesting.h"
#include "support/ui_Languages.h"
#include "support/ui_Layout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

using namespace testing_support;

namespace {

class PlanWindowLanguagesTest : public plan_testing::PlanWindowFixture,
                                public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_language.loaded());
        startWithLocale(QLocale(QLatin1String(GetParam())));
    }

    static plan::ui::LinesPage &page(plan::ui::PlanWindow &window, const char *title)
    {
        auto *found = window.findChild<plan::ui::LinesPage *>(QStringLiteral("page") + QLatin1String(title));
        EXPECT_NE(found, nullptr) << title;
        window.tabs()->setCurrentWidget(found);
        return *found;
    }

    InstalledLanguage m_language{QLatin1String(GetParam())};
};

TEST_P(PlanWindowLanguagesTest, EveryTabSpeaksTheLanguageFitsAndAnswersEachAccessKeyOnce)
{
    auto &window = open();
    EXPECT_NE(window.windowTitle(), "Financial Plan - Acme Bakery");
    EXPECT_TRUE(window.windowTitle().endsWith(QLatin1String("Acme Bakery")));
    const QStringList english{"Settings",  "Revenue", "People",     "Expenses",
                              "Financing", "Assets",  "Statements", "Charts"};
    ASSERT_EQ(window.tabs()->count(), english.size());

    QStringList bar;
    for (const QAction *menu : window.findChild<QMenuBar *>()->actions())
        bar << menu->text();
    for (const QMenu *menu : window.findChildren<QMenu *>()) {
        QStringList items;
        for (const QAction *item : menu->actions()) {
            if (item->isSeparator())
                continue;
            EXPECT_FALSE(accessKey(item->text()).isEmpty()) << "no access key: " << item->text().toStdString();
            items << item->text();
        }
        EXPECT_EQ(accessKeyClashes(items), QStringList()) << menu->title().toStdString();
    }

    for (int tab = 0; tab < window.tabs()->count(); ++tab) {
        SCOPED_TRACE(english.at(tab).toStdString());
        EXPECT_NE(window.tabs()->tabText(tab), english.at(tab));
        window.tabs()->setCurrentIndex(tab);
        if (auto *lines = qobject_cast<plan::ui::LinesPage *>(window.tabs()->currentWidget());
            lines && lines->model()->rowCount() == 0)
            click(lines, "cmdAdd");
        QCoreApplication::processEvents();
        // The menu bar and the buttons of the tab in view answer the same Alt keys.
        QStringList commands = bar;
        for (const QAbstractButton *button : window.tabs()->currentWidget()->findChildren<QAbstractButton *>()) {
            if (button->isVisibleTo(&window) && !button->text().isEmpty())
                commands << button->text();
        }
        EXPECT_EQ(accessKeyClashes(commands), QStringList()) << commands.join(u'|').toStdString();
        EXPECT_EQ(layoutFaults(window), QStringList());
    }
}

TEST_P(PlanWindowLanguagesTest, AChoiceOfferedInTheLanguageIsStoredAsTheKindItNames)
{
    auto &window = open();
    plan::ui::LinesPage &revenue = page(window, "Revenue");
    click(&revenue, "cmdAdd");
    const plan::ui::LineTable &table = revenue.model()->table();
    int kindColumn = 0;
    while (table.editor(kindColumn) != plan::ui::CellEditor::Choice)
        ++kindColumn;
    // Unit sales, Recurring, Billable hours, as the grid offers them.
    const QStringList offered = table.choices(kindColumn);
    ASSERT_EQ(offered.size(), 3);
    EXPECT_NE(offered.at(1), "Recurring");
    const QModelIndex kind = revenue.model()->index(0, kindColumn);
    ASSERT_TRUE(revenue.model()->setData(kind, offered.at(1), Qt::EditRole)) << revenue.message().toStdString();
    EXPECT_EQ(kind.data().toString(), offered.at(1));
    EXPECT_EQ(stored()->revenue.at(0).kind, plan::RevenueKind::Recurring);
    // The name the plan's files use is still understood.
    ASSERT_TRUE(revenue.model()->setData(kind, QStringLiteral("Billable hours"), Qt::EditRole));
    EXPECT_EQ(stored()->revenue.at(0).kind, plan::RevenueKind::BillableHours);

    // The statements file is for other programs: its names stay English.
    const QString csv
        = QString::fromUtf8(plan::statementsCsv(window.session().statements(), plan::ByteOrderMark::Without));
    EXPECT_TRUE(csv.startsWith(QLatin1String("Statement,Line,"))) << csv.left(80).toStdString();
    EXPECT_TRUE(csv.contains(QLatin1String("\r\nProfit and loss,Revenue,"))) << csv.left(400).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shipped, PlanWindowLanguagesTest, ::testing::Values("de", "es", "fr"));

} // namespace
