#pragma once

#include "plan/Decimal.h"
#include "plan/Plan.h"

#include <QString>

#include <optional>

namespace plan {

// Every value a person types into a plan, with the range it accepts. The window checks
// each cell with these as it is typed, the JSON reader each value of a file, and the
// store each plan before it is written, so all three accept the same plans.
enum class Field {
    FirstMonth,
    StartingCash,
    TaxRatePercent,
    PayrollBurdenPercent,
    Name, // the name of a revenue stream, expense, financing or asset
    Role,
    RevenueKind,
    FinancingKind,
    StartMonth,
    EndMonth,
    Month, // financing received, asset bought
    FirstQuantity,
    MonthlyGrowthPercent,
    Price,
    ChurnPercent,
    DirectCostPercent,
    DirectCostPerUnit,
    EmployeeId,
    MonthlySalary,
    Amount,
    AnnualInterestPercent,
    TermMonths,
    Cost,
    LifeMonths,
};

enum class FieldType {
    Money,   // an amount with at most two decimals
    Decimal, // a quantity, price or percent with at most `decimals` decimals
    Whole,   // a month, term or life
    Text,    // a name or role
    Choice,  // a kind
    Key,     // an employee's key
};

struct FieldRule
{
    Field field;
    QString jsonName; // "startMonth"
    QString label;    // "Start month" in English; fieldLabel() names it in the user's language
    FieldType type;
    Decimal minimum; // numbers only
    Decimal maximum;
    int decimals = 0;      // Money: 2; Decimal: at most this many
    int maximumLength = 0; // Text only
};

const FieldRule &fieldRule(Field field);

// The field's name as the window's column and the messages give it, translated.
QString fieldLabel(Field field);

// The most lines of one kind a plan holds.
inline constexpr int MaximumLinesPerKind = 1000;

// A value read from text; `error` names the field and the accepted range when the text
// is not one.
struct FieldReading
{
    std::optional<Decimal> number; // Money, Decimal, Whole and Key fields
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Reads a number typed (or stored) for a numeric field: "12.5" in a percent, "36" in a
// month. Empty text is a fault too; optional fields (end month, employee) are checked
// for emptiness by the caller.
FieldReading readField(Field field, const QString &text);

// The fault of a text typed for a name or role (too long, control characters); empty
// when it is acceptable.
QString textFault(Field field, const QString &text);

// The message for a value out of its field's range, e.g. "Start month must be a whole
// number from 1 to 36."
QString rangeMessage(Field field);

// The first value of a plan that is out of range, with the line it is on ("Revenue line
// 3: Price must be ..."), or between fields (an end month before its start month);
// empty when every value is acceptable.
QString firstFault(const Plan &plan);

} // namespace plan
