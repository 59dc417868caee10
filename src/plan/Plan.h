#pragma once

#include "plan/Decimal.h"
#include "plan/Money.h"
#include "plan/YearMonth.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace plan {

// A plan covers 36 months; month 1 is the first month of the settings.
inline constexpr int PlanMonths = 36;
inline constexpr int PlanYears = 3;

struct PlanSettings
{
    YearMonth firstMonth;
    Money startingCash;
    Decimal taxRatePercent;
    Decimal payrollBurdenPercent; // on top of salaries

    bool operator==(const PlanSettings &) const = default;
};

enum class RevenueKind {
    UnitSales,     // "Unit sales": units sold each month
    Recurring,     // "Recurring": new customers each month, paying every month until they leave
    BillableHours, // "Billable hours": hours billed each month
};

struct RevenueStream
{
    QString name;
    RevenueKind kind = RevenueKind::UnitSales;
    int startMonth = 1;    // 1-36
    Decimal firstQuantity; // units, new customers or hours in the start month
    Decimal monthlyGrowthPercent;
    Decimal price;             // per unit, per customer per month, per hour
    Decimal churnPercent;      // customers lost per month; Recurring only
    Decimal directCostPercent; // of revenue
    Decimal directCostPerUnit; // per unit, customer or hour

    bool operator==(const RevenueStream &) const = default;
};

struct Person
{
    QString role;
    std::optional<qint64> employeeId; // one of the business's employees, or none
    Money monthlySalary;
    int startMonth = 1;
    std::optional<int> endMonth; // none: to the plan's end

    bool operator==(const Person &) const = default;
};

struct Expense
{
    QString name;
    Money amount;
    int startMonth = 1;
    Decimal monthlyGrowthPercent;
    bool oneOff = false; // the amount in the start month only

    bool operator==(const Expense &) const = default;
};

enum class FinancingKind {
    Investment, // "Investment": an amount received in a month
    Loan,       // "Loan": received in a month, repaid in equal monthly payments
};

struct Financing
{
    QString name;
    FinancingKind kind = FinancingKind::Investment;
    Money amount;
    int month = 1;                 // received
    Decimal annualInterestPercent; // Loan only
    int termMonths = 12;           // Loan only

    bool operator==(const Financing &) const = default;
};

struct Asset
{
    QString name;
    Money cost;
    int month = 1;       // bought
    int lifeMonths = 36; // useful life

    bool operator==(const Asset &) const = default;
};

// A business's financial plan: its settings and lines, in the order the user keeps them.
struct Plan
{
    PlanSettings settings;
    QList<RevenueStream> revenue;
    QList<Person> people;
    QList<Expense> expenses;
    QList<Financing> financing;
    QList<Asset> assets;

    // An empty plan starting the month after `today`, with no cash, tax or burden.
    static Plan startingAfter(const QDate &today);

    bool operator==(const Plan &) const = default;
};

// The names the files and the window use for the kinds ("Unit sales", "Recurring",
// "Billable hours"; "Investment", "Loan"), and back; nothing for another text. They stay
// English in the files; the window shows them translated (context plan::Plan).
QString revenueKindName(RevenueKind kind);
std::optional<RevenueKind> revenueKindFromName(const QString &name);
QString financingKindName(FinancingKind kind);
std::optional<FinancingKind> financingKindFromName(const QString &name);

} // namespace plan
