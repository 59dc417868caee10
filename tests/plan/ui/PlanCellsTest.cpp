// What the plan window reads from a cell and shows of an amount, apart from the window:
// the locale's numbers both ways, each kind of cell, the paper of a PDF, and a stored
// plan the window must not open.
#include "db/Connection.h"
#include "plan/PlanError.h"
#include "plan/PlanStore.h"
#include "plan/ui/LineTables.h"
#include "plan/ui/PlanPrintout.h"
#include "plan/ui/PlanSession.h"
#include "plan/ui/PlanText.h"
#include "plan/ui/PlanWindow.h"
#include "records/ui/FormTesting.h"

#include <limits>

using namespace testing_support;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);

struct ShownAmount
{
    std::int64_t cents;
    const QLocale *locale;
    const char *shown;
};

TEST(PlanText, AmountsInTheLocaleWithNegativesInParentheses)
{
    const ShownAmount cases[] = {
        {0, &English, "0.00"},
        {5, &English, "0.05"},
        {-5, &English, "(0.05)"},
        {123456, &English, "1,234.56"},
        {-100000000, &English, "(1,000,000.00)"},
        {123456, &German, "1.234,56"},
        {-99, &German, "(0,99)"},
        // The most negative amount has no positive twin in 64 bits.
        {std::numeric_limits<std::int64_t>::min(), &English, "(92,233,720,368,547,758.08)"},
    };
    for (const ShownAmount &entry : cases)
        EXPECT_EQ(plan::ui::shownAmount(plan::Money::fromCents(entry.cents), *entry.locale), QLatin1String(entry.shown))
            << entry.cents;
}

TEST(PlanText, WhatACellShowsCanBeTypedBackInTheSameLocale)
{
    const plan::Decimal rate = *plan::Decimal::parse(QStringLiteral("12.5"));
    EXPECT_EQ(plan::ui::editableNumber(rate, German), "12,5");
    EXPECT_EQ(plan::ui::typedNumber(QStringLiteral(" 12,5 "), German), "12.5");
    EXPECT_EQ(plan::ui::editableAmount(plan::Money::fromCents(-125050), English), "-1250.50");
    // A dot typed in German stays a dot; a grouping comma in English is left for the
    // rules to refuse, never read as another number.
    EXPECT_EQ(plan::ui::typedNumber(QStringLiteral("12.5"), German), "12.5");
    EXPECT_EQ(plan::ui::typedNumber(QStringLiteral("1,250.50"), English), "1,250.50");
    EXPECT_EQ(plan::ui::shownPercent(*plan::Decimal::parse(QStringLiteral("62.5")), German), "62,50 %");
}

TEST(PlanPrintout, LetterWhereItIsTheCustomElseA4)
{
    EXPECT_EQ(plan::ui::PlanPrintout::paperFor(English), QPageSize::Letter);
    EXPECT_EQ(plan::ui::PlanPrintout::paperFor(QLocale(QLocale::French, QLocale::Canada)), QPageSize::Letter);
    EXPECT_EQ(plan::ui::PlanPrintout::paperFor(German), QPageSize::A4);
    EXPECT_EQ(plan::ui::PlanPrintout::paperFor(QLocale(QLocale::English, QLocale::UnitedKingdom)), QPageSize::A4);
}

class PlanCells : public FormTest
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(German);
        folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme Bakery')");
        folder.exec("INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeFirstName, EmployeeLastName) "
                    "VALUES (1, 'Ann', 'Baker')");
        session.load(1, QDate(2026, 12, 8));
        for (const auto &table : tables)
            table->add(edited);
    }
    void TearDown() override
    {
        FormTest::TearDown();
        QLocale::setDefault(QLocale::c());
    }

    // Writes typed text into the first line's cell of the table titled `title`.
    QString write(const char *title, const char *column, const QString &typed)
    {
        for (const auto &table : tables) {
            if (table->title() != QLatin1String(title))
                continue;
            for (int i = 0; i < table->columnCount(); ++i) {
                if (table->header(i) == QLatin1String(column))
                    return table->write(session, edited, 0, i, typed);
            }
        }
        ADD_FAILURE() << title << " has no column " << column;
        return {};
    }

    plan::ui::PlanSession session;
    std::vector<std::unique_ptr<plan::ui::LineTable>> tables = plan::ui::LineTable::all();
    plan::Plan edited;
};

TEST_F(PlanCells, EachKindOfCellReadsWhatIsTypedInTheLocale)
{
    EXPECT_EQ(write("Expenses", "Amount", QStringLiteral("1250,5")), QString());
    EXPECT_EQ(edited.expenses[0].amount, plan::Money::fromCents(125050));
    EXPECT_EQ(write("Expenses", "One-off", QStringLiteral("Yes")), QString());
    EXPECT_TRUE(edited.expenses[0].oneOff);
    EXPECT_EQ(write("Revenue", "Monthly growth (%)", QStringLiteral("-2,5")), QString());
    EXPECT_EQ(edited.revenue[0].monthlyGrowthPercent, *plan::Decimal::parse(QStringLiteral("-2.5")));
    EXPECT_EQ(write("Revenue", "Kind", QStringLiteral("Billable hours")), QString());
    EXPECT_EQ(edited.revenue[0].kind, plan::RevenueKind::BillableHours);
    EXPECT_EQ(write("Financing", "Kind", QStringLiteral("Loan")), QString());
    EXPECT_EQ(edited.financing[0].kind, plan::FinancingKind::Loan);
    EXPECT_EQ(write("People", "End month", QStringLiteral("24")), QString());
    EXPECT_EQ(edited.people[0].endMonth, 24);
    EXPECT_EQ(write("People", "End month", QStringLiteral(" ")), QString());
    EXPECT_EQ(edited.people[0].endMonth, std::nullopt);
    EXPECT_EQ(write("People", "Employee", QStringLiteral("Ann Baker")), QString());
    EXPECT_EQ(edited.people[0].employeeId, 1);
    EXPECT_EQ(write("Assets", "Name", QStringLiteral("  Ovens  ")), QString());
    EXPECT_EQ(edited.assets[0].name, "Ovens");
}

TEST_F(PlanCells, AnEmployeeNoLongerListedStaysUntilAnotherIsChosen)
{
    edited.people[0].employeeId = 77;
    ASSERT_EQ(session.apply(edited), QString());
    const plan::ui::LineTable &people = *tables[1];
    EXPECT_EQ(people.text(session, 0, 1), "(employee 77, no longer listed)");
    EXPECT_EQ(write("People", "Employee", people.text(session, 0, 1)), QString());
    EXPECT_EQ(edited.people[0].employeeId, 77);
    EXPECT_NE(write("People", "Employee", QStringLiteral("(employee 78, no longer listed)")), QString());
    EXPECT_EQ(edited.people[0].employeeId, 77);
}

TEST_F(PlanCells, AStoredValueOutOfRangeKeepsTheWindowClosedAndSaysWhich)
{
    ASSERT_EQ(session.apply(edited), QString());
    folder.exec("UPDATE PlanAssets SET PlanAssetLifeMonths = 0");
    auto &window = ui::WindowRegistry::get<plan::ui::PlanWindow>();
    try {
        window.showForBusiness(1);
        ADD_FAILURE() << "the window opened a damaged plan";
    } catch (const plan::PlanError &error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("Useful life"))) << error.description().toStdString();
    }
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isLoaded());
}

} // namespace
