#pragma once

#include "plan/Decimal.h"
#include "plan/Money.h"
#include "plan/Plan.h"
#include "plan/YearMonth.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace plan {

using MonthlyAmounts = std::array<Money, PlanMonths>;
using YearlyAmounts = std::array<Money, PlanYears>;

// One line of a statement: its amount in each of the 36 months and its three year
// columns (a sum for flows, the year's last month for balances).
struct StatementLine
{
    QString name; // "Revenue": the CSV keeps it in English, the window translates it
    MonthlyAmounts months{};
    YearlyAmounts years{};
};

// The lines of each statement, in their order.
namespace ProfitAndLoss {
enum Line {
    Revenue,
    DirectCosts,
    GrossMargin,
    Salaries,
    PayrollBurden,
    Expenses,
    Depreciation,
    OperatingIncome,
    Interest,
    IncomeBeforeTax,
    IncomeTax,
    NetIncome,
    LineCount
};
} // namespace ProfitAndLoss

namespace CashFlow {
enum Line {
    NetIncome,
    Depreciation,
    AssetPurchases, // negative: money going out
    LoansReceived,
    PrincipalRepaid, // negative
    Investments,
    NetCashFlow,
    CashAtEndOfMonth,
    LineCount
};
} // namespace CashFlow

namespace BalanceSheet {
enum Line {
    Cash,
    FixedAssets,
    TotalAssets,
    LoansOutstanding,
    PaidInCapital,
    RetainedEarnings,
    TotalLiabilitiesAndEquity,
    LineCount
};
} // namespace BalanceSheet

struct Statement
{
    QString name; // "Profit and loss", "Cash flow", "Balance sheet", in English as name above
    QList<StatementLine> lines;

    const StatementLine &line(int index) const { return lines.at(index); }
};

struct KeyFigures
{
    // Gross margin as a percent of revenue, to two decimals: over the 36 months and in
    // each year; none where there is no revenue.
    std::optional<Decimal> grossMarginPercent;
    std::array<std::optional<Decimal>, PlanYears> yearGrossMarginPercent;
    // The first month (1-36) from which operating income is never negative again.
    std::optional<int> breakEvenMonth;
    // Year 1's fixed costs (salaries, burden, expenses, depreciation) over its gross
    // margin as a share of its revenue, per month; none when year 1 has no gross margin.
    std::optional<Money> breakEvenMonthlyRevenueYear1;
    Money lowestCash;
    int lowestCashMonth = 1; // its first month
    // The first month that ends with less than no cash.
    std::optional<int> cashRunsOutMonth;
};

// What a plan comes to: a pure function of the plan.
struct Statements
{
    YearMonth firstMonth;
    Statement profitAndLoss;
    Statement cashFlow;
    Statement balanceSheet;
    KeyFigures keyFigures;

    // The calendar month of plan month `month` (1-36).
    YearMonth calendarMonth(int month) const { return firstMonth.plus(month - 1); }
};

// A statement's or line's name in the user's language.
QString shownStatementName(const QString &name);

// Computes the statements of a plan whose values are in range (PlanRules.h). Throws
// PlanError naming the line when an amount grows beyond what can be computed exactly.
Statements computeStatements(const Plan &plan);

} // namespace plan
