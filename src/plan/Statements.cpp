#include "plan/Statements.h"

#include "plan/PlanError.h"

#include <QCoreApplication>

#include <algorithm>

namespace plan {

namespace {

using Exact = std::array<Decimal, PlanMonths>;

const Decimal Hundred = Decimal::fromInteger(100);
const Decimal One = Decimal::fromInteger(1);

// Month m (1-36) is index m - 1.
bool inPlan(int month)
{
    return month >= 1 && month <= PlanMonths;
}

// A fault that names its line already.
class LineFault : public PlanError
{
public:
    using PlanError::PlanError;
};

// Runs one line's part and names the line when its values grow beyond what can be
// computed.
template <typename Step> void forLine(const QString &kind, int index, const QString &name, Step step)
{
    try {
        step();
    } catch (const PlanError &) {
        throw LineFault(
            QCoreApplication::translate("plan::Statements",
                                        "%1 line %2 (%3) grows too large to be computed; lower its growth or amounts.")
                .arg(kind)
                .arg(index + 1)
                .arg(name));
    }
}

void addRevenue(const RevenueStream &stream, Exact &revenue, Exact &directCosts)
{
    const Decimal growth = One + stream.monthlyGrowthPercent / Hundred;
    const Decimal keep = One - stream.churnPercent / Hundred;
    const Decimal costShare = stream.directCostPercent / Hundred;
    Decimal factor = One; // growth^(m - start), multiplied up month by month
    Decimal customers;
    for (int month = stream.startMonth; month <= PlanMonths; ++month) {
        if (month > stream.startMonth)
            factor = factor * growth;
        const Decimal added = stream.firstQuantity * factor;
        Decimal units = added;
        if (stream.kind == RevenueKind::Recurring) {
            customers = customers * keep + added;
            units = customers;
        }
        const Decimal income = units * stream.price;
        revenue[month - 1] += income;
        directCosts[month - 1] += income * costShare + units * stream.directCostPerUnit;
    }
}

void addExpense(const Expense &expense, Exact &expenses)
{
    if (expense.oneOff) {
        expenses[expense.startMonth - 1] += Decimal::fromMoney(expense.amount);
        return;
    }
    const Decimal growth = One + expense.monthlyGrowthPercent / Hundred;
    Decimal factor = One; // growth^(m - start), multiplied up month by month
    for (int month = expense.startMonth; month <= PlanMonths; ++month) {
        if (month > expense.startMonth)
            factor = factor * growth;
        expenses[month - 1] += Decimal::fromMoney(expense.amount) * factor;
    }
}

// Straight line from the month bought; the last month of its life takes what remains,
// and no month takes more than remains, so the months add up to the cost exactly.
void addAsset(const Asset &asset, MonthlyAmounts &purchases, MonthlyAmounts &depreciation, MonthlyAmounts &fixedAssets)
{
    const Money monthly = (Decimal::fromMoney(asset.cost) / Decimal::fromInteger(asset.lifeMonths)).roundToCents();
    purchases[asset.month - 1] -= asset.cost;
    Money remaining = asset.cost;
    for (int month = asset.month; month <= PlanMonths; ++month) {
        const int monthOfLife = month - asset.month + 1;
        if (monthOfLife <= asset.lifeMonths) {
            const Money part = monthOfLife == asset.lifeMonths ? remaining : std::min(monthly, remaining);
            depreciation[month - 1] += part;
            remaining -= part;
        }
        fixedAssets[month - 1] += remaining;
    }
}

// An annuity in whole cents: the payment rounded once, each month's interest rounded on
// the balance before the payment, and the last payment whatever clears the balance.
void addLoan(const Financing &loan, MonthlyAmounts &received, MonthlyAmounts &interest, MonthlyAmounts &principal,
             MonthlyAmounts &outstanding)
{
    received[loan.month - 1] += loan.amount;
    const Decimal rate = loan.annualInterestPercent / Decimal::fromInteger(1200);
    const Decimal amount = Decimal::fromMoney(loan.amount);
    Money payment;
    if (rate.isZero()) {
        payment = (amount / Decimal::fromInteger(loan.termMonths)).roundToCents();
    } else {
        const Decimal growth = (One + rate).power(loan.termMonths);
        payment = (amount * rate * growth / (growth - One)).roundToCents();
    }
    Money balance = loan.amount;
    outstanding[loan.month - 1] += balance;
    for (int k = 1; loan.month + k <= PlanMonths; ++k) {
        const int month = loan.month + k;
        if (k <= loan.termMonths && !balance.isZero()) {
            const Money monthInterest = (Decimal::fromMoney(balance) * rate).roundToCents();
            Money repaid = payment - monthInterest;
            if (k == loan.termMonths || repaid > balance)
                repaid = balance;
            interest[month - 1] += monthInterest;
            principal[month - 1] -= repaid;
            balance -= repaid;
        }
        outstanding[month - 1] += balance;
    }
}

MonthlyAmounts rounded(const Exact &exact)
{
    MonthlyAmounts amounts{};
    for (int i = 0; i < PlanMonths; ++i)
        amounts[i] = exact[i].roundToCents();
    return amounts;
}

// Income tax within each plan year: the tax to date is the rate on the year's income
// before tax to date, never below zero; a month's tax is what that adds.
MonthlyAmounts incomeTax(const MonthlyAmounts &incomeBeforeTax, Decimal ratePercent)
{
    const Decimal rate = ratePercent / Hundred;
    MonthlyAmounts tax{};
    Money incomeToDate;
    Money taxBefore;
    for (int i = 0; i < PlanMonths; ++i) {
        if (i % 12 == 0) {
            incomeToDate = Money();
            taxBefore = Money();
        }
        incomeToDate += incomeBeforeTax[i];
        const Money taxToDate = std::max(Money(), (Decimal::fromMoney(incomeToDate) * rate).roundToCents());
        tax[i] = taxToDate - taxBefore;
        taxBefore = taxToDate;
    }
    return tax;
}

enum class YearColumn {
    Sum,
    LastMonth
};

StatementLine line(const char *name, const MonthlyAmounts &months, YearColumn year)
{
    StatementLine result{QString::fromLatin1(name), months, {}};
    for (int y = 0; y < PlanYears; ++y) {
        if (year == YearColumn::LastMonth) {
            result.years[y] = months[y * 12 + 11];
        } else {
            for (int i = y * 12; i < y * 12 + 12; ++i)
                result.years[y] += months[i];
        }
    }
    return result;
}

MonthlyAmounts plus(const MonthlyAmounts &a, const MonthlyAmounts &b)
{
    MonthlyAmounts sum{};
    for (int i = 0; i < PlanMonths; ++i)
        sum[i] = a[i] + b[i];
    return sum;
}

MonthlyAmounts minus(const MonthlyAmounts &a, const MonthlyAmounts &b)
{
    MonthlyAmounts difference{};
    for (int i = 0; i < PlanMonths; ++i)
        difference[i] = a[i] - b[i];
    return difference;
}

// A running total from `start`.
MonthlyAmounts accumulated(const MonthlyAmounts &flow, Money start)
{
    MonthlyAmounts totals{};
    for (int i = 0; i < PlanMonths; ++i) {
        start += flow[i];
        totals[i] = start;
    }
    return totals;
}

std::optional<Decimal> percentOf(Money part, Money whole)
{
    if (whole.isZero())
        return std::nullopt;
    return Decimal::quotient(Int128(part.cents()) * 100, whole.cents(), 2);
}

KeyFigures keyFigures(const Statement &profitAndLoss, const Statement &cashFlow)
{
    namespace pl = ProfitAndLoss;
    KeyFigures figures;
    const StatementLine &revenue = profitAndLoss.line(pl::Revenue);
    const StatementLine &margin = profitAndLoss.line(pl::GrossMargin);
    Money allRevenue, allMargin;
    for (int y = 0; y < PlanYears; ++y) {
        figures.yearGrossMarginPercent[y] = percentOf(margin.years[y], revenue.years[y]);
        allRevenue += revenue.years[y];
        allMargin += margin.years[y];
    }
    figures.grossMarginPercent = percentOf(allMargin, allRevenue);

    const MonthlyAmounts &operating = profitAndLoss.line(pl::OperatingIncome).months;
    int lastLoss = 0;
    for (int month = PlanMonths; month >= 1 && lastLoss == 0; --month) {
        if (operating[month - 1].isNegative())
            lastLoss = month;
    }
    if (lastLoss < PlanMonths)
        figures.breakEvenMonth = lastLoss + 1;

    // fixed costs / (margin / revenue) / 12, in whole cents from whole cents.
    const Money yearOneMargin = margin.years[0];
    if (yearOneMargin > Money()) {
        Money fixed;
        for (const int cost : {pl::Salaries, pl::PayrollBurden, pl::Expenses, pl::Depreciation})
            fixed += profitAndLoss.line(cost).years[0];
        Int128 product = 0;
        if (__builtin_mul_overflow(Int128(fixed.cents()), Int128(revenue.years[0].cents()), &product))
            throw PlanError(QCoreApplication::translate(
                "plan::Statements", "The plan's amounts grow too large to be computed; lower its amounts or growth."));
        // Costs and revenue are never negative here, so half up is half away from zero.
        const Int128 divisor = Int128(yearOneMargin.cents()) * 12;
        const Int128 cents = product / divisor + (product % divisor * 2 >= divisor ? 1 : 0);
        // A margin of a few cents on a large revenue needs more than any amount: none.
        if (cents <= INT64_MAX)
            figures.breakEvenMonthlyRevenueYear1 = Money::fromCents(static_cast<std::int64_t>(cents));
    }

    const MonthlyAmounts &cash = cashFlow.line(CashFlow::CashAtEndOfMonth).months;
    figures.lowestCash = cash[0];
    for (int month = 1; month <= PlanMonths; ++month) {
        if (cash[month - 1] < figures.lowestCash) {
            figures.lowestCash = cash[month - 1];
            figures.lowestCashMonth = month;
        }
        if (cash[month - 1].isNegative() && !figures.cashRunsOutMonth)
            figures.cashRunsOutMonth = month;
    }
    return figures;
}

Statements compute(const Plan &plan)
{
    Exact revenueExact{}, directExact{}, expensesExact{};
    for (int i = 0; i < plan.revenue.size(); ++i) {
        const RevenueStream &stream = plan.revenue[i];
        forLine(QCoreApplication::translate("plan::Statements", "Revenue"), i, stream.name,
                [&] { addRevenue(stream, revenueExact, directExact); });
    }
    for (int i = 0; i < plan.expenses.size(); ++i) {
        const Expense &expense = plan.expenses[i];
        forLine(QCoreApplication::translate("plan::Statements", "Expenses"), i, expense.name,
                [&] { addExpense(expense, expensesExact); });
    }
    MonthlyAmounts salaries{};
    for (const Person &person : plan.people) {
        const int last = person.endMonth.value_or(PlanMonths);
        for (int month = person.startMonth; month <= last && inPlan(month); ++month)
            salaries[month - 1] += person.monthlySalary;
    }
    MonthlyAmounts purchases{}, depreciation{}, fixedAssets{};
    for (const Asset &asset : plan.assets)
        addAsset(asset, purchases, depreciation, fixedAssets);
    MonthlyAmounts received{}, interest{}, principal{}, outstanding{}, investments{};
    for (const Financing &financing : plan.financing) {
        if (financing.kind == FinancingKind::Loan)
            addLoan(financing, received, interest, principal, outstanding);
        else
            investments[financing.month - 1] += financing.amount;
    }

    const MonthlyAmounts revenue = rounded(revenueExact);
    const MonthlyAmounts directCosts = rounded(directExact);
    const MonthlyAmounts expenses = rounded(expensesExact);
    MonthlyAmounts burden{};
    const Decimal burdenShare = plan.settings.payrollBurdenPercent / Hundred;
    for (int i = 0; i < PlanMonths; ++i)
        burden[i] = (Decimal::fromMoney(salaries[i]) * burdenShare).roundToCents();
    const MonthlyAmounts grossMargin = minus(revenue, directCosts);
    const MonthlyAmounts operating = minus(minus(minus(minus(grossMargin, salaries), burden), expenses), depreciation);
    const MonthlyAmounts beforeTax = minus(operating, interest);
    const MonthlyAmounts tax = incomeTax(beforeTax, plan.settings.taxRatePercent);
    const MonthlyAmounts netIncome = minus(beforeTax, tax);

    const MonthlyAmounts netCashFlow
        = plus(plus(plus(plus(plus(netIncome, depreciation), purchases), received), principal), investments);
    const MonthlyAmounts cash = accumulated(netCashFlow, plan.settings.startingCash);
    const MonthlyAmounts paidIn = accumulated(investments, plan.settings.startingCash);
    const MonthlyAmounts retained = accumulated(netIncome, Money());

    using Y = YearColumn;
    Statements statements;
    statements.firstMonth = plan.settings.firstMonth;
    statements.profitAndLoss = {QString::fromLatin1(QT_TRANSLATE_NOOP("plan::Statements", "Profit and loss")),
                                {line(QT_TRANSLATE_NOOP("plan::Statements", "Revenue"), revenue, Y::Sum),
                                 line(QT_TRANSLATE_NOOP("plan::Statements", "Direct costs"), directCosts, Y::Sum),
                                 line(QT_TRANSLATE_NOOP("plan::Statements", "Gross margin"), grossMargin, Y::Sum),
                                 line(QT_TRANSLATE_NOOP("plan::Statements", "Salaries"), salaries, Y::Sum),
                                 line(QT_TRANSLATE_NOOP("plan::Statements", "Payroll burden"), burden, Y::Sum),
                                 line(QT_TRANSLATE_NOOP("plan::Statements", "Expenses"), expenses, Y::Sum),
                                 line(QT_TRANSLATE_NOOP("plan::Statements", "Depreciation"), depreciation, Y::Sum),
                                 line(QT_TRANSLATE_NOOP("plan::Statements", "Operating income"), operating, Y::Sum),
                                 line(QT_TRANSLATE_NOOP("plan::Statements", "Interest"), interest, Y::Sum),
                                 line(QT_TRANSLATE_NOOP("plan::Statements", "Income before tax"), beforeTax, Y::Sum),
                                 line(QT_TRANSLATE_NOOP("plan::Statements", "Income tax"), tax, Y::Sum),
                                 line(QT_TRANSLATE_NOOP("plan::Statements", "Net income"), netIncome, Y::Sum)}};
    statements.cashFlow = {QString::fromLatin1(QT_TRANSLATE_NOOP("plan::Statements", "Cash flow")),
                           {line(QT_TRANSLATE_NOOP("plan::Statements", "Net income"), netIncome, Y::Sum),
                            line(QT_TRANSLATE_NOOP("plan::Statements", "Depreciation"), depreciation, Y::Sum),
                            line(QT_TRANSLATE_NOOP("plan::Statements", "Asset purchases"), purchases, Y::Sum),
                            line(QT_TRANSLATE_NOOP("plan::Statements", "Loans received"), received, Y::Sum),
                            line(QT_TRANSLATE_NOOP("plan::Statements", "Principal repaid"), principal, Y::Sum),
                            line(QT_TRANSLATE_NOOP("plan::Statements", "Investments"), investments, Y::Sum),
                            line(QT_TRANSLATE_NOOP("plan::Statements", "Net cash flow"), netCashFlow, Y::Sum),
                            line(QT_TRANSLATE_NOOP("plan::Statements", "Cash at end of month"), cash, Y::LastMonth)}};
    statements.balanceSheet
        = {QString::fromLatin1(QT_TRANSLATE_NOOP("plan::Statements", "Balance sheet")),
           {line(QT_TRANSLATE_NOOP("plan::Statements", "Cash"), cash, Y::LastMonth),
            line(QT_TRANSLATE_NOOP("plan::Statements", "Fixed assets"), fixedAssets, Y::LastMonth),
            line(QT_TRANSLATE_NOOP("plan::Statements", "Total assets"), plus(cash, fixedAssets), Y::LastMonth),
            line(QT_TRANSLATE_NOOP("plan::Statements", "Loans outstanding"), outstanding, Y::LastMonth),
            line(QT_TRANSLATE_NOOP("plan::Statements", "Paid-in capital"), paidIn, Y::LastMonth),
            line(QT_TRANSLATE_NOOP("plan::Statements", "Retained earnings"), retained, Y::LastMonth),
            line(QT_TRANSLATE_NOOP("plan::Statements", "Total liabilities and equity"),
                 plus(plus(outstanding, paidIn), retained), Y::LastMonth)}};
    statements.keyFigures = keyFigures(statements.profitAndLoss, statements.cashFlow);
    return statements;
}

} // namespace

QString shownStatementName(const QString &name)
{
    return QCoreApplication::translate("plan::Statements", name.toUtf8().constData());
}

Statements computeStatements(const Plan &plan)
{
    try {
        return compute(plan);
    } catch (const LineFault &) {
        throw;
    } catch (const PlanError &) {
        throw PlanError(QCoreApplication::translate(
            "plan::Statements", "The plan's amounts grow too large to be computed; lower its amounts or growth."));
    }
}

} // namespace plan
