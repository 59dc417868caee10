#include "plan/PlanJson.h"

#include "plan/PlanError.h"
#include "plan/PlanRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <functional>
#include <limits>

namespace plan {

namespace {

// Writing -------------------------------------------------------------------------

QJsonValue orNull(const std::optional<qint64> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonObject revenueObject(const RevenueStream &s)
{
    return {{QStringLiteral("name"), s.name},
            {QStringLiteral("kind"), revenueKindName(s.kind)},
            {QStringLiteral("startMonth"), s.startMonth},
            {QStringLiteral("firstQuantity"), s.firstQuantity.toString()},
            {QStringLiteral("monthlyGrowthPercent"), s.monthlyGrowthPercent.toString()},
            {QStringLiteral("price"), s.price.toString()},
            {QStringLiteral("churnPercent"), s.churnPercent.toString()},
            {QStringLiteral("directCostPercent"), s.directCostPercent.toString()},
            {QStringLiteral("directCostPerUnit"), s.directCostPerUnit.toString()}};
}

QJsonObject personObject(const Person &p)
{
    return {{QStringLiteral("role"), p.role},
            {QStringLiteral("employeeId"), orNull(p.employeeId)},
            {QStringLiteral("monthlySalary"), p.monthlySalary.toString()},
            {QStringLiteral("startMonth"), p.startMonth},
            {QStringLiteral("endMonth"), p.endMonth ? QJsonValue(*p.endMonth) : QJsonValue(QJsonValue::Null)}};
}

QJsonObject expenseObject(const Expense &e)
{
    return {{QStringLiteral("name"), e.name},
            {QStringLiteral("amount"), e.amount.toString()},
            {QStringLiteral("startMonth"), e.startMonth},
            {QStringLiteral("monthlyGrowthPercent"), e.monthlyGrowthPercent.toString()},
            {QStringLiteral("oneOff"), e.oneOff}};
}

QJsonObject financingObject(const Financing &f)
{
    return {{QStringLiteral("name"), f.name},
            {QStringLiteral("kind"), financingKindName(f.kind)},
            {QStringLiteral("amount"), f.amount.toString()},
            {QStringLiteral("month"), f.month},
            {QStringLiteral("annualInterestPercent"), f.annualInterestPercent.toString()},
            {QStringLiteral("termMonths"), f.termMonths}};
}

QJsonObject assetObject(const Asset &a)
{
    return {{QStringLiteral("name"), a.name},
            {QStringLiteral("cost"), a.cost.toString()},
            {QStringLiteral("month"), a.month},
            {QStringLiteral("lifeMonths"), a.lifeMonths}};
}

template <typename Item> QJsonArray arrayOf(const QList<Item> &items, QJsonObject (*write)(const Item &))
{
    QJsonArray array;
    for (const Item &item : items)
        array.append(write(item));
    return array;
}

// Reading -------------------------------------------------------------------------

// One JSON object being read: each field is taken once, and what is left over at the
// end is a field the format does not have.
class Reader
{
public:
    Reader(const QJsonObject &object, QString path)
        : m_object(object)
        , m_path(std::move(path))
    {
    }

    QString text(Field field)
    {
        const QJsonValue value = take(field);
        if (!value.isString())
            fail(field, QCoreApplication::translate("plan::PlanJson", "must be a text"));
        const QString result = value.toString();
        if (result.size() > fieldRule(field).maximumLength)
            fail(field, rangeMessage(field), false);
        return result;
    }

    Decimal decimal(Field field)
    {
        const QJsonValue value = take(field);
        if (!value.isString())
            fail(field, QCoreApplication::translate("plan::PlanJson",
                                                    "must be a decimal number written as a text, such as \"2.5\""));
        const FieldReading reading = readField(field, value.toString());
        if (!reading.ok() || value.toString() != value.toString().trimmed())
            fail(field, rangeMessage(field), false);
        return *reading.number;
    }

    Money money(Field field)
    {
        const Decimal value = decimal(field);
        return Money::fromCents(static_cast<std::int64_t>(value.raw() / (Decimal::Scale / 100)));
    }

    qint64 integer(Field field) { return integerValue(field, take(field)); }

    std::optional<qint64> optionalInteger(Field field)
    {
        const QJsonValue value = m_object.contains(fieldRule(field).jsonName) ? take(field) : QJsonValue();
        if (value.isNull() || value.isUndefined())
            return std::nullopt;
        return integerValue(field, value);
    }

    bool boolean(const QString &name)
    {
        const QJsonValue value = takeNamed(name);
        if (!value.isBool())
            failNamed(name, QCoreApplication::translate("plan::PlanJson", "must be true or false"));
        return value.toBool();
    }

    QString choice(Field field)
    {
        const QJsonValue value = take(field);
        if (!value.isString())
            fail(field, rangeMessage(field), false);
        return value.toString();
    }

    QJsonArray array(const QString &name)
    {
        const QJsonValue value = takeNamed(name);
        if (!value.isArray())
            failNamed(name, QCoreApplication::translate("plan::PlanJson", "must be a list ([...])"));
        const QJsonArray result = value.toArray();
        if (result.size() > MaximumLinesPerKind)
            failNamed(
                name,
                QCoreApplication::translate("plan::PlanJson", "holds more than %1 lines").arg(MaximumLinesPerKind));
        return result;
    }

    // Every field read: one more is a fault.
    void finish()
    {
        for (const QString &name : m_object.keys()) {
            if (!m_taken.contains(name))
                throw PlanError(
                    QCoreApplication::translate("plan::PlanJson", "%1 is not a field of a plan.").arg(where(name)));
        }
    }

    [[noreturn]] void fail(Field field, const QString &message, bool withLabel = true)
    {
        const FieldRule &rule = fieldRule(field);
        if (withLabel)
            failNamed(rule.jsonName, message);
        throw PlanError(QCoreApplication::translate("plan::PlanJson", "%1: %2").arg(where(rule.jsonName), message));
    }

    [[noreturn]] void failNamed(const QString &name, const QString &message)
    {
        throw PlanError(QCoreApplication::translate("plan::PlanJson", "%1 %2.").arg(where(name), message));
    }

    QString where(const QString &name) const { return m_path.isEmpty() ? name : m_path + u'.' + name; }

private:
    QJsonValue take(Field field) { return takeNamed(fieldRule(field).jsonName); }

    QJsonValue takeNamed(const QString &name)
    {
        if (!m_object.contains(name))
            throw PlanError(QCoreApplication::translate("plan::PlanJson", "%1 is missing.").arg(where(name)));
        m_taken.insert(name);
        return m_object.value(name);
    }

    qint64 integerValue(Field field, const QJsonValue &value)
    {
        constexpr qint64 NotWhole = std::numeric_limits<qint64>::min();
        const qint64 number = value.isDouble() ? value.toInteger(NotWhole) : NotWhole;
        if (number == NotWhole || !readField(field, QString::number(number)).ok())
            fail(field, rangeMessage(field), false);
        return number;
    }

    QJsonObject m_object;
    QString m_path;
    QSet<QString> m_taken;
};

template <typename Item>
QList<Item> readLines(Reader &top, const QString &name, const std::function<Item(Reader &)> &read)
{
    QList<Item> items;
    const QJsonArray array = top.array(name);
    for (int i = 0; i < array.size(); ++i) {
        const QString path = QStringLiteral("%1[%2]").arg(top.where(name)).arg(i);
        if (!array[i].isObject())
            throw PlanError(QCoreApplication::translate("plan::PlanJson", "%1 must be an object ({...}).").arg(path));
        Reader reader(array[i].toObject(), path);
        items.append(read(reader));
        reader.finish();
    }
    return items;
}

RevenueStream readRevenue(Reader &r)
{
    RevenueStream s;
    s.name = r.text(Field::Name);
    const std::optional<RevenueKind> kind = revenueKindFromName(r.choice(Field::RevenueKind));
    if (!kind)
        r.fail(Field::RevenueKind, rangeMessage(Field::RevenueKind), false);
    s.kind = *kind;
    s.startMonth = static_cast<int>(r.integer(Field::StartMonth));
    s.firstQuantity = r.decimal(Field::FirstQuantity);
    s.monthlyGrowthPercent = r.decimal(Field::MonthlyGrowthPercent);
    s.price = r.decimal(Field::Price);
    s.churnPercent = r.decimal(Field::ChurnPercent);
    s.directCostPercent = r.decimal(Field::DirectCostPercent);
    s.directCostPerUnit = r.decimal(Field::DirectCostPerUnit);
    return s;
}

Person readPerson(Reader &r)
{
    Person p;
    p.role = r.text(Field::Role);
    p.employeeId = r.optionalInteger(Field::EmployeeId);
    p.monthlySalary = r.money(Field::MonthlySalary);
    p.startMonth = static_cast<int>(r.integer(Field::StartMonth));
    if (const std::optional<qint64> end = r.optionalInteger(Field::EndMonth))
        p.endMonth = static_cast<int>(*end);
    return p;
}

Expense readExpense(Reader &r)
{
    Expense e;
    e.name = r.text(Field::Name);
    e.amount = r.money(Field::Amount);
    e.startMonth = static_cast<int>(r.integer(Field::StartMonth));
    e.monthlyGrowthPercent = r.decimal(Field::MonthlyGrowthPercent);
    e.oneOff = r.boolean(QStringLiteral("oneOff"));
    return e;
}

Financing readFinancing(Reader &r)
{
    Financing f;
    f.name = r.text(Field::Name);
    const std::optional<FinancingKind> kind = financingKindFromName(r.choice(Field::FinancingKind));
    if (!kind)
        r.fail(Field::FinancingKind, rangeMessage(Field::FinancingKind), false);
    f.kind = *kind;
    f.amount = r.money(Field::Amount);
    f.month = static_cast<int>(r.integer(Field::Month));
    f.annualInterestPercent = r.decimal(Field::AnnualInterestPercent);
    f.termMonths = static_cast<int>(r.integer(Field::TermMonths));
    return f;
}

Asset readAsset(Reader &r)
{
    Asset a;
    a.name = r.text(Field::Name);
    a.cost = r.money(Field::Cost);
    a.month = static_cast<int>(r.integer(Field::Month));
    a.lifeMonths = static_cast<int>(r.integer(Field::LifeMonths));
    return a;
}

Plan readPlan(const QJsonObject &object)
{
    Reader r(object, {});
    Plan plan;
    const std::optional<YearMonth> first = YearMonth::parse(r.choice(Field::FirstMonth));
    if (!first)
        r.fail(Field::FirstMonth, rangeMessage(Field::FirstMonth), false);
    plan.settings.firstMonth = *first;
    plan.settings.startingCash = r.money(Field::StartingCash);
    plan.settings.taxRatePercent = r.decimal(Field::TaxRatePercent);
    plan.settings.payrollBurdenPercent = r.decimal(Field::PayrollBurdenPercent);
    plan.revenue = readLines<RevenueStream>(r, QStringLiteral("revenue"), readRevenue);
    plan.people = readLines<Person>(r, QStringLiteral("people"), readPerson);
    plan.expenses = readLines<Expense>(r, QStringLiteral("expenses"), readExpense);
    plan.financing = readLines<Financing>(r, QStringLiteral("financing"), readFinancing);
    plan.assets = readLines<Asset>(r, QStringLiteral("assets"), readAsset);
    r.finish();
    return plan;
}

} // namespace

QByteArray planToJson(const Plan &plan)
{
    const PlanSettings &s = plan.settings;
    const QJsonObject object{{QStringLiteral("firstMonth"), s.firstMonth.toString()},
                             {QStringLiteral("startingCash"), s.startingCash.toString()},
                             {QStringLiteral("taxRatePercent"), s.taxRatePercent.toString()},
                             {QStringLiteral("payrollBurdenPercent"), s.payrollBurdenPercent.toString()},
                             {QStringLiteral("revenue"), arrayOf(plan.revenue, revenueObject)},
                             {QStringLiteral("people"), arrayOf(plan.people, personObject)},
                             {QStringLiteral("expenses"), arrayOf(plan.expenses, expenseObject)},
                             {QStringLiteral("financing"), arrayOf(plan.financing, financingObject)},
                             {QStringLiteral("assets"), arrayOf(plan.assets, assetObject)}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

Plan planFromJson(const QByteArray &json, const QString &source)
{
    const QString name = QDir::toNativeSeparators(source);
    // An editor on Windows may put a byte-order mark before the text.
    const QByteArray text = json.startsWith("\xEF\xBB\xBF") ? json.mid(3) : json;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        throw PlanError(QCoreApplication::translate("plan::PlanJson", "%1 is not a plan: %2 at byte %3.")
                            .arg(name, error.errorString())
                            .arg(error.offset));
    if (!document.isObject())
        throw PlanError(
            QCoreApplication::translate("plan::PlanJson", "%1 is not a plan: it holds no object ({...}).").arg(name));
    try {
        const Plan plan = readPlan(document.object());
        const QString fault = firstFault(plan);
        if (!fault.isEmpty())
            throw PlanError(fault);
        return plan;
    } catch (const PlanError &fault) {
        throw PlanError(QCoreApplication::translate("plan::PlanJson", "%1: %2").arg(name, fault.description()));
    }
}

} // namespace plan
