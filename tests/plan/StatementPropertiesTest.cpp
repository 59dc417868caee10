// What must hold for every plan: the balance sheet balances to the cent every month,
// cash runs on from month to month, lines add up to their totals and year columns.
#include "PlanGenerator.h"
#include "plan/PlanRules.h"
#include "plan/Statements.h"

#include <gtest/gtest.h>

using namespace plan;

namespace {

Money sum(const MonthlyAmounts &months, int from, int to)
{
    Money total;
    for (int i = from; i < to; ++i)
        total += months[i];
    return total;
}

void expectSound(const Plan &plan, const Statements &s, int seed)
{
    namespace pl = ProfitAndLoss;
    namespace cf = CashFlow;
    namespace bs = BalanceSheet;
    const auto months = [](const Statement &statement, int line) { return statement.line(line).months; };
    const MonthlyAmounts cash = months(s.cashFlow, cf::CashAtEndOfMonth);
    for (int m = 0; m < PlanMonths; ++m) {
        const auto at = [m](const MonthlyAmounts &line) { return line[m]; };
        SCOPED_TRACE(testing::Message() << "plan " << seed << ", month " << m + 1);
        EXPECT_EQ(at(months(s.balanceSheet, bs::TotalAssets)),
                  at(months(s.balanceSheet, bs::TotalLiabilitiesAndEquity)));
        EXPECT_EQ(at(cash),
                  (m == 0 ? plan.settings.startingCash : cash[m - 1]) + at(months(s.cashFlow, cf::NetCashFlow)));
        EXPECT_EQ(at(months(s.balanceSheet, bs::Cash)), at(cash));
        EXPECT_EQ(at(months(s.profitAndLoss, pl::NetIncome)), at(months(s.cashFlow, cf::NetIncome)));
        EXPECT_EQ(at(months(s.profitAndLoss, pl::GrossMargin)),
                  at(months(s.profitAndLoss, pl::Revenue)) - at(months(s.profitAndLoss, pl::DirectCosts)));
        EXPECT_EQ(at(months(s.cashFlow, cf::NetCashFlow)),
                  at(months(s.cashFlow, cf::NetIncome)) + at(months(s.cashFlow, cf::Depreciation))
                      + at(months(s.cashFlow, cf::AssetPurchases)) + at(months(s.cashFlow, cf::LoansReceived))
                      + at(months(s.cashFlow, cf::PrincipalRepaid)) + at(months(s.cashFlow, cf::Investments)));
        EXPECT_FALSE(at(months(s.balanceSheet, bs::FixedAssets)).isNegative());
        EXPECT_FALSE(at(months(s.balanceSheet, bs::LoansOutstanding)).isNegative());
        EXPECT_FALSE(at(months(s.profitAndLoss, pl::Depreciation)).isNegative());
    }
    // Year columns: sums for flows, the year's last month for balances.
    for (const Statement *statement : {&s.profitAndLoss, &s.cashFlow, &s.balanceSheet}) {
        for (int line = 0; line < statement->lines.size(); ++line) {
            const StatementLine &l = statement->line(line);
            const bool balance
                = statement == &s.balanceSheet || (statement == &s.cashFlow && line == cf::CashAtEndOfMonth);
            for (int y = 0; y < PlanYears; ++y) {
                EXPECT_EQ(l.years[y], balance ? l.months[y * 12 + 11] : sum(l.months, y * 12, y * 12 + 12))
                    << "plan " << seed << ", " << l.name.toStdString() << ", year " << y + 1;
            }
        }
    }
    // Income tax never leaves a year with less than no tax.
    const MonthlyAmounts tax = months(s.profitAndLoss, pl::IncomeTax);
    for (int y = 0; y < PlanYears; ++y) {
        for (int m = y * 12; m < y * 12 + 12; ++m)
            EXPECT_FALSE(sum(tax, y * 12, m + 1).isNegative()) << "plan " << seed << ", month " << m + 1;
    }
}

TEST(StatementProperties, EveryGeneratedPlanBalancesAndCashRunsOn)
{
    plan_testing::PlanGenerator generator(20261208);
    for (int seed = 0; seed < 400; ++seed) {
        const Plan plan = generator.next(-1);
        ASSERT_EQ(firstFault(plan), QString()) << "plan " << seed;
        expectSound(plan, computeStatements(plan), seed);
        if (testing::Test::HasFailure())
            return; // one plan's faults say enough
    }
}

TEST(StatementProperties, LargePlansBalanceToo)
{
    plan_testing::PlanGenerator generator(7);
    for (int seed = 0; seed < 5; ++seed) {
        const Plan plan = generator.next(50);
        expectSound(plan, computeStatements(plan), seed);
    }
}

} // namespace
