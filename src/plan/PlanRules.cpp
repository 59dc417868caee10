#include "plan/PlanRules.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace plan {

namespace {

Decimal whole(std::int64_t value)
{
    return Decimal::fromInteger(value);
}

// Amounts up to a billion keep every sum of a plan far inside the arithmetic's range,
// while no small business's line comes near them.
const Decimal Billion = whole(1'000'000'000);

FieldRule number(Field field, const char *json, const char *label, FieldType type, Decimal minimum, Decimal maximum,
                 int decimals)
{
    return FieldRule{field, QString::fromLatin1(json), QString::fromLatin1(label), type, minimum, maximum, decimals, 0};
}

FieldRule other(Field field, const char *json, const char *label, FieldType type, int maximumLength = 0)
{
    return FieldRule{field, QString::fromLatin1(json), QString::fromLatin1(label), type, {}, {}, 0, maximumLength};
}

std::vector<FieldRule> makeRules()
{
    using T = FieldType;
    using F = Field;
    const Decimal months = whole(PlanMonths);
    return {
        other(F::FirstMonth, "firstMonth", QT_TRANSLATE_NOOP("plan::PlanRules", "First month"), T::Choice),
        number(F::StartingCash, "startingCash", QT_TRANSLATE_NOOP("plan::PlanRules", "Starting cash"), T::Money, {},
               Billion, 2),
        number(F::TaxRatePercent, "taxRatePercent", QT_TRANSLATE_NOOP("plan::PlanRules", "Income-tax rate (%)"),
               T::Decimal, {}, whole(100), 4),
        number(F::PayrollBurdenPercent, "payrollBurdenPercent",
               QT_TRANSLATE_NOOP("plan::PlanRules", "Payroll burden (%)"), T::Decimal, {}, whole(100), 4),
        other(F::Name, "name", QT_TRANSLATE_NOOP("plan::PlanRules", "Name"), T::Text, 200),
        other(F::Role, "role", QT_TRANSLATE_NOOP("plan::PlanRules", "Role"), T::Text, 200),
        other(F::RevenueKind, "kind", QT_TRANSLATE_NOOP("plan::PlanRules", "Kind"), T::Choice),
        other(F::FinancingKind, "kind", QT_TRANSLATE_NOOP("plan::PlanRules", "Kind"), T::Choice),
        number(F::StartMonth, "startMonth", QT_TRANSLATE_NOOP("plan::PlanRules", "Start month"), T::Whole, whole(1),
               months, 0),
        number(F::EndMonth, "endMonth", QT_TRANSLATE_NOOP("plan::PlanRules", "End month"), T::Whole, whole(1), months,
               0),
        number(F::Month, "month", QT_TRANSLATE_NOOP("plan::PlanRules", "Month"), T::Whole, whole(1), months, 0),
        number(F::FirstQuantity, "firstQuantity", QT_TRANSLATE_NOOP("plan::PlanRules", "First quantity"), T::Decimal,
               {}, Billion, 4),
        number(F::MonthlyGrowthPercent, "monthlyGrowthPercent",
               QT_TRANSLATE_NOOP("plan::PlanRules", "Monthly growth (%)"), T::Decimal, whole(-100), whole(100), 4),
        number(F::Price, "price", QT_TRANSLATE_NOOP("plan::PlanRules", "Price"), T::Decimal, {}, Billion, 4),
        number(F::ChurnPercent, "churnPercent", QT_TRANSLATE_NOOP("plan::PlanRules", "Churn (%)"), T::Decimal, {},
               whole(100), 4),
        number(F::DirectCostPercent, "directCostPercent", QT_TRANSLATE_NOOP("plan::PlanRules", "Direct cost (%)"),
               T::Decimal, {}, whole(1000), 4),
        number(F::DirectCostPerUnit, "directCostPerUnit", QT_TRANSLATE_NOOP("plan::PlanRules", "Direct cost per unit"),
               T::Decimal, {}, Billion, 4),
        number(F::EmployeeId, "employeeId", QT_TRANSLATE_NOOP("plan::PlanRules", "Employee"), T::Key, whole(1),
               whole(INT64_MAX), 0),
        number(F::MonthlySalary, "monthlySalary", QT_TRANSLATE_NOOP("plan::PlanRules", "Monthly salary"), T::Money, {},
               Billion, 2),
        number(F::Amount, "amount", QT_TRANSLATE_NOOP("plan::PlanRules", "Amount"), T::Money, {}, Billion, 2),
        number(F::AnnualInterestPercent, "annualInterestPercent",
               QT_TRANSLATE_NOOP("plan::PlanRules", "Annual interest (%)"), T::Decimal, {}, whole(100), 4),
        number(F::TermMonths, "termMonths", QT_TRANSLATE_NOOP("plan::PlanRules", "Term (months)"), T::Whole, whole(1),
               whole(600), 0),
        number(F::Cost, "cost", QT_TRANSLATE_NOOP("plan::PlanRules", "Cost"), T::Money, {}, Billion, 2),
        number(F::LifeMonths, "lifeMonths", QT_TRANSLATE_NOOP("plan::PlanRules", "Useful life (months)"), T::Whole,
               whole(1), whole(600), 0),
    };
}

QString line(const QString &kind, int index)
{
    return QCoreApplication::translate("plan::PlanRules", "%1 line %2: ").arg(kind).arg(index + 1);
}

// The first fault of one value already read into a plan, empty when there is none.
QString checkNumber(Field field, Decimal value)
{
    const FieldRule &rule = fieldRule(field);
    if (value < rule.minimum || value > rule.maximum || value.decimals() > rule.decimals)
        return rangeMessage(field);
    return {};
}

} // namespace

QString textFault(Field field, const QString &text)
{
    const FieldRule &rule = fieldRule(field);
    if (text.size() > rule.maximumLength)
        return QCoreApplication::translate("plan::PlanRules", "%1 takes at most %2 characters.")
            .arg(fieldLabel(field))
            .arg(rule.maximumLength);
    const bool control
        = std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (control)
        return QCoreApplication::translate("plan::PlanRules",
                                           "%1 takes no tabs, line breaks or other control characters.")
            .arg(fieldLabel(field));
    return {};
}

namespace {

// The first non-empty message.
QString first(std::initializer_list<QString> messages)
{
    for (const QString &message : messages) {
        if (!message.isEmpty())
            return message;
    }
    return {};
}

QString revenueFault(const RevenueStream &s)
{
    return first({textFault(Field::Name, s.name), checkNumber(Field::StartMonth, whole(s.startMonth)),
                  checkNumber(Field::FirstQuantity, s.firstQuantity),
                  checkNumber(Field::MonthlyGrowthPercent, s.monthlyGrowthPercent), checkNumber(Field::Price, s.price),
                  checkNumber(Field::ChurnPercent, s.churnPercent),
                  checkNumber(Field::DirectCostPercent, s.directCostPercent),
                  checkNumber(Field::DirectCostPerUnit, s.directCostPerUnit)});
}

QString personFault(const Person &p)
{
    QString endFault;
    if (p.endMonth) {
        endFault = checkNumber(Field::EndMonth, whole(*p.endMonth));
        if (endFault.isEmpty() && *p.endMonth < p.startMonth)
            endFault
                = QCoreApplication::translate("plan::PlanRules", "End month must not come before the start month.");
    }
    return first({textFault(Field::Role, p.role),
                  p.employeeId ? checkNumber(Field::EmployeeId, whole(*p.employeeId)) : QString(),
                  checkNumber(Field::MonthlySalary, Decimal::fromMoney(p.monthlySalary)),
                  checkNumber(Field::StartMonth, whole(p.startMonth)), endFault});
}

QString expenseFault(const Expense &e)
{
    return first({textFault(Field::Name, e.name), checkNumber(Field::Amount, Decimal::fromMoney(e.amount)),
                  checkNumber(Field::StartMonth, whole(e.startMonth)),
                  checkNumber(Field::MonthlyGrowthPercent, e.monthlyGrowthPercent)});
}

QString financingFault(const Financing &f)
{
    return first({textFault(Field::Name, f.name), checkNumber(Field::Amount, Decimal::fromMoney(f.amount)),
                  checkNumber(Field::Month, whole(f.month)),
                  checkNumber(Field::AnnualInterestPercent, f.annualInterestPercent),
                  checkNumber(Field::TermMonths, whole(f.termMonths))});
}

QString assetFault(const Asset &a)
{
    return first({textFault(Field::Name, a.name), checkNumber(Field::Cost, Decimal::fromMoney(a.cost)),
                  checkNumber(Field::Month, whole(a.month)), checkNumber(Field::LifeMonths, whole(a.lifeMonths))});
}

template <typename Item, typename Check> QString linesFault(const QString &kind, const QList<Item> &items, Check check)
{
    if (items.size() > MaximumLinesPerKind)
        return QCoreApplication::translate("plan::PlanRules", "%1: a plan holds at most %2 lines of each kind.")
            .arg(kind)
            .arg(MaximumLinesPerKind);
    for (int i = 0; i < items.size(); ++i) {
        const QString fault = check(items[i]);
        if (!fault.isEmpty())
            return line(kind, i) + fault;
    }
    return {};
}

} // namespace

const FieldRule &fieldRule(Field field)
{
    static const std::vector<FieldRule> rules = makeRules();
    const FieldRule &rule = rules.at(static_cast<std::size_t>(field));
    Q_ASSERT(rule.field == field);
    return rule;
}

QString fieldLabel(Field field)
{
    return QCoreApplication::translate("plan::PlanRules", fieldRule(field).label.toUtf8().constData());
}

QString rangeMessage(Field field)
{
    const FieldRule &rule = fieldRule(field);
    const QString low = rule.minimum.toString(), high = rule.maximum.toString();
    switch (rule.type) {
    case FieldType::Whole:
    case FieldType::Key:
        return QCoreApplication::translate("plan::PlanRules", "%1 must be a whole number from %2 to %3.")
            .arg(fieldLabel(field), low, high);
    case FieldType::Money:
        return QCoreApplication::translate("plan::PlanRules",
                                           "%1 must be an amount from %2 to %3 with at most two decimals.")
            .arg(fieldLabel(field), low, high);
    case FieldType::Decimal:
        return QCoreApplication::translate("plan::PlanRules",
                                           "%1 must be a number from %2 to %3 with at most %4 decimals.")
            .arg(fieldLabel(field), low, high)
            .arg(rule.decimals);
    case FieldType::Text:
        return QCoreApplication::translate("plan::PlanRules", "%1 takes at most %2 characters.")
            .arg(fieldLabel(field))
            .arg(rule.maximumLength);
    case FieldType::Choice:
        if (field == Field::FirstMonth)
            return QCoreApplication::translate("plan::PlanRules",
                                               "First month must be a month written YYYY-MM, such as 2027-01.");
        if (field == Field::RevenueKind)
            return QCoreApplication::translate("plan::PlanRules",
                                               "Kind must be \"Unit sales\", \"Recurring\" or \"Billable hours\".");
        return QCoreApplication::translate("plan::PlanRules", "Kind must be \"Investment\" or \"Loan\".");
    }
    return {};
}

FieldReading readField(Field field, const QString &text)
{
    const std::optional<Decimal> value = Decimal::parse(text.trimmed());
    if (!value || !checkNumber(field, *value).isEmpty())
        return {std::nullopt, rangeMessage(field)};
    return {value, {}};
}

QString firstFault(const Plan &plan)
{
    const PlanSettings &s = plan.settings;
    const QString settings = first(
        {s.firstMonth.year < 1900 || s.firstMonth.year > 9999 || s.firstMonth.month < 1 || s.firstMonth.month > 12
             ? rangeMessage(Field::FirstMonth)
             : QString(),
         checkNumber(Field::StartingCash, Decimal::fromMoney(s.startingCash)),
         checkNumber(Field::TaxRatePercent, s.taxRatePercent),
         checkNumber(Field::PayrollBurdenPercent, s.payrollBurdenPercent)});
    if (!settings.isEmpty())
        return QCoreApplication::translate("plan::PlanRules", "Settings: ") + settings;
    return first(
        {linesFault(QCoreApplication::translate("plan::PlanRules", "Revenue"), plan.revenue, revenueFault),
         linesFault(QCoreApplication::translate("plan::PlanRules", "People"), plan.people, personFault),
         linesFault(QCoreApplication::translate("plan::PlanRules", "Expenses"), plan.expenses, expenseFault),
         linesFault(QCoreApplication::translate("plan::PlanRules", "Financing"), plan.financing, financingFault),
         linesFault(QCoreApplication::translate("plan::PlanRules", "Assets"), plan.assets, assetFault)});
}

} // namespace plan
