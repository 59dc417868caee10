// The statements of whole plans, against figures worked out apart from the program
// (data/<case>/statements.csv, from data/reference_statements.py), and the rules that
// are easiest to get wrong: tax within a year, a loan's last payment, depreciation's
// last month, the key figures.
#include "plan/Statements.h"
#include "plan/PlanError.h"
#include "plan/PlanJson.h"
#include "plan/StatementsCsv.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace plan;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

Plan casePlan(const QString &name)
{
    const QString path = QDir(QStringLiteral(TALLOWMERE_PLAN_TEST_DATA)).filePath(name + QStringLiteral("/plan.json"));
    return planFromJson(readFile(path), path);
}

class WorkedOutPlan : public testing::TestWithParam<const char *>
{ };

TEST_P(WorkedOutPlan, StatementsAgreeToTheCent)
{
    const QString name = QString::fromLatin1(GetParam());
    const QByteArray expected
        = readFile(QDir(QStringLiteral(TALLOWMERE_PLAN_TEST_DATA)).filePath(name + QStringLiteral("/statements.csv")));
    const QByteArray csv = statementsCsv(computeStatements(casePlan(name)), ByteOrderMark::Without);
    const QList<QByteArray> expectedRows = expected.split('\n');
    const QList<QByteArray> rows = csv.split('\n');
    ASSERT_EQ(rows.size(), expectedRows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i], expectedRows[i]) << "row " << i;
}

INSTANTIATE_TEST_SUITE_P(Plans, WorkedOutPlan, testing::Values("bakery", "consultancy", "edge-cases"),
                         [](const testing::TestParamInfo<const char *> &plan) {
                             return QString::fromLatin1(plan.param).remove(u'-').toStdString();
                         });

TEST(StatementsCsv, ByteOrderMarkOnlyWhenAskedFor)
{
    const Statements statements = computeStatements(casePlan(QStringLiteral("bakery")));
    const QByteArray with = statementsCsv(statements, ByteOrderMark::With);
    const QByteArray without = statementsCsv(statements, ByteOrderMark::Without);
    EXPECT_EQ(with, QByteArrayLiteral("\xEF\xBB\xBF") + without);
    EXPECT_TRUE(without.startsWith("Statement,Line,2027-01,2027-02,"));
    EXPECT_TRUE(without.contains(",2029-12,Year 1,Year 2,Year 3\r\n"));
    EXPECT_EQ(without.count("\r\n"), 1 + 12 + 8 + 7);
}

Plan emptyPlan()
{
    Plan plan;
    plan.settings.firstMonth = {2027, 1};
    return plan;
}

Decimal d(const char *text)
{
    return Decimal::parse(QString::fromLatin1(text)).value();
}

Expense monthlyExpense(const char *amount, int month)
{
    return Expense{QStringLiteral("Cost"), Money::parse(QString::fromLatin1(amount)).value(), month, {}, true};
}

RevenueStream sales(const char *units, int start = 1)
{
    return RevenueStream{QStringLiteral("Sales"), RevenueKind::UnitSales, start, d(units), {}, d("1"), {}, {}, {}};
}

TEST(IncomeTax, LossesOffsetProfitsWithinAPlanYearOnly)
{
    Plan plan = emptyPlan();
    plan.settings.taxRatePercent = d("25");
    plan.revenue << sales("1000");
    // Month 3 loses 3000, month 5 loses 1500, month 13 (year 2) loses 5000.
    plan.expenses << monthlyExpense("4000", 3) << monthlyExpense("2500", 5) << monthlyExpense("6000", 13);
    const Statements statements = computeStatements(plan);
    const MonthlyAmounts &tax = statements.profitAndLoss.line(ProfitAndLoss::IncomeTax).months;
    const auto cents = [](std::int64_t c) { return Money::fromCents(c); };
    EXPECT_EQ(tax[0], cents(25000));  // 1000 to date
    EXPECT_EQ(tax[1], cents(25000));  // 2000
    EXPECT_EQ(tax[2], cents(-50000)); // -1000 to date: none owed, the 500 paid comes back
    EXPECT_EQ(tax[3], cents(0));      // 0 to date
    EXPECT_EQ(tax[4], cents(0));      // -1500: still none
    EXPECT_EQ(tax[5], cents(0));      // -500
    EXPECT_EQ(tax[6], cents(12500));  // 500
    EXPECT_EQ(tax[12], cents(0)) << "a new year does not carry year 1's tax or losses";
    EXPECT_EQ(tax[13], cents(0));     // -4000 to date
    EXPECT_EQ(tax[17], cents(0));     // 0
    EXPECT_EQ(tax[18], cents(25000)); // 1000
    EXPECT_EQ(statements.profitAndLoss.line(ProfitAndLoss::IncomeTax).years[0], cents(25 * 5500));
}

TEST(LoanRepayment, LastPaymentClearsTheBalanceExactly)
{
    const struct
    {
        const char *amount;
        const char *percent;
        int term;
    } loans[] = {
        {"10000.00", "7.9", 12}, {"999.99", "0", 7}, {"0.05", "100", 3}, {"123456.78", "19.99", 35}, {"1.00", "0", 3}};
    for (const auto &loan : loans) {
        Plan plan = emptyPlan();
        plan.financing << Financing{QStringLiteral("Loan"),
                                    FinancingKind::Loan,
                                    Money::parse(QString::fromLatin1(loan.amount)).value(),
                                    1,
                                    d(loan.percent),
                                    loan.term};
        const Statements statements = computeStatements(plan);
        const MonthlyAmounts &principal = statements.cashFlow.line(CashFlow::PrincipalRepaid).months;
        const MonthlyAmounts &interest = statements.profitAndLoss.line(ProfitAndLoss::Interest).months;
        const MonthlyAmounts &owed = statements.balanceSheet.line(BalanceSheet::LoansOutstanding).months;
        Money repaid;
        for (const Money part : principal)
            repaid -= part;
        EXPECT_EQ(repaid, Money::parse(QString::fromLatin1(loan.amount))) << loan.amount;
        EXPECT_TRUE(owed[loan.term].isZero()) << loan.amount;
        EXPECT_FALSE(owed[loan.term - 1].isZero()) << loan.amount;
        // Equal payments until the last, which is whatever remains.
        const Money payment = interest[1] - principal[1];
        for (int month = 2; month < loan.term; ++month)
            EXPECT_EQ(interest[month] - principal[month], payment) << loan.amount << " month " << month + 1;
    }
}

TEST(Depreciation, LastMonthOfLifeTakesWhatRemains)
{
    Plan plan = emptyPlan();
    plan.assets << Asset{QStringLiteral("Van"), Money::fromCents(100000), 2, 3}
                << Asset{QStringLiteral("Pen"), Money::fromCents(5), 1, 10};
    const Statements statements = computeStatements(plan);
    const MonthlyAmounts &depreciation = statements.profitAndLoss.line(ProfitAndLoss::Depreciation).months;
    // Van: 333.33, 333.33, 333.34 from month 2; pen: 0.01 a month until it is used up.
    const std::int64_t expected[] = {1, 33334, 33334, 33335, 1, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(depreciation[i], Money::fromCents(expected[i])) << "month " << i + 1;
}

TEST(KeyFigures, BreakEvenLowestCashAndRevenueNeeded)
{
    Plan plan = emptyPlan();
    plan.settings.startingCash = Money::fromCents(100000);
    plan.revenue << sales("100", 1);
    plan.revenue.back().monthlyGrowthPercent = d("50");
    plan.revenue.back().directCostPercent = d("40");
    plan.people << Person{QStringLiteral("Owner"), std::nullopt, Money::fromCents(60000), 1, std::nullopt};
    plan.expenses << Expense{QStringLiteral("Rent"), Money::fromCents(30000), 1, {}, false};
    const Statements statements = computeStatements(plan);
    const KeyFigures &figures = statements.keyFigures;
    // Gross margin 60 from 100 revenue, 90 from 150, 135 from 225, 202.50 from 337.50,
    // 303.75 from 506.25, 455.63 from 759.38, 683.43 from 1139.06, 1025.15 from
    // 1708.59; costs 900 a month.
    EXPECT_EQ(figures.breakEvenMonth, 8);
    EXPECT_EQ(figures.grossMarginPercent, d("60"));
    // 10800 of costs in year 1 at its margin of 15449.56 on 25749.27: 1500.00 a month.
    EXPECT_EQ(figures.breakEvenMonthlyRevenueYear1, Money::fromCents(150000));
    EXPECT_EQ(figures.cashRunsOutMonth, 2);
    EXPECT_EQ(figures.lowestCashMonth, 7);
    EXPECT_EQ(figures.lowestCash, Money::fromCents(100000 - 84000 - 81000 - 76500 - 69750 - 59625 - 44437 - 21657));

    // A cent of margin a month against a billion of salary a month needs more revenue
    // than any amount holds.
    Plan thin = emptyPlan();
    thin.revenue << sales("1");
    thin.revenue.back().price = d("1000000000");
    thin.revenue.back().directCostPerUnit = d("999999999.99");
    thin.people << Person{QStringLiteral("Chief"), std::nullopt, Money::fromCents(100'000'000'000), 1, std::nullopt};
    EXPECT_FALSE(computeStatements(thin).keyFigures.breakEvenMonthlyRevenueYear1);

    const Statements none = computeStatements(emptyPlan());
    EXPECT_FALSE(none.keyFigures.breakEvenMonthlyRevenueYear1) << "no gross margin in year 1";
    EXPECT_FALSE(none.keyFigures.grossMarginPercent);
    EXPECT_EQ(none.keyFigures.breakEvenMonth, 1) << "never a loss";
    EXPECT_FALSE(none.keyFigures.cashRunsOutMonth);
}

TEST(Statements, GrowthBeyondTheRangeNamesItsLine)
{
    Plan plan = emptyPlan();
    plan.revenue << sales("1000000000");
    plan.revenue.back().name = QStringLiteral("Rocket");
    plan.revenue.back().monthlyGrowthPercent = d("100");
    plan.revenue.back().price = d("1000000000");
    try {
        computeStatements(plan);
        FAIL() << "no error";
    } catch (const PlanError &error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("Revenue line 1 (Rocket)")))
            << error.description().toStdString();
    }
}

} // namespace
