#include "plan/PlanStore.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Statement.h"
#include "db/schema/SchemaTables.h"
#include "plan/PlanError.h"
#include "plan/PlanRules.h"

#include <QCoreApplication>
#include <QStringList>

namespace plan {

namespace {

namespace t = db::tables;

QString columnList(std::initializer_list<t::Name> columns)
{
    QStringList names;
    for (const t::Name column : columns)
        names << column;
    return names.join(QStringLiteral(", "));
}

QString selectSql(t::Name table, t::Name key, std::initializer_list<t::Name> columns)
{
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? ORDER BY %4")
        .arg(columnList(columns), table, t::BusinessId, key);
}

QString insertSql(t::Name table, std::initializer_list<t::Name> columns)
{
    QStringList marks;
    for (std::size_t i = 0; i <= columns.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (%4)")
        .arg(table, t::BusinessId, columnList(columns), marks.join(QStringLiteral(", ")));
}

// One stored row being read: a value that is not what the plan writes names its table,
// row and column, as a file changed by another program would have it.
class StoredRow
{
public:
    StoredRow(const db::Statement &statement, t::Name table, int row)
        : m_statement(statement)
        , m_table(table)
        , m_row(row)
    {
    }

    QString text(int column) const { return m_statement.value(column).toString(); }

    Decimal decimal(int column, Field field) const
    {
        const FieldReading reading = readField(field, text(column));
        if (!reading.ok())
            fault(column, reading.error);
        return *reading.number;
    }

    Money money(int column, Field field) const
    {
        const std::optional<Money> amount = Money::parse(text(column));
        if (!amount)
            fault(column, rangeMessage(field));
        return *amount;
    }

    int whole(int column, Field field) const { return static_cast<int>(key(column, field)); }

    qint64 key(int column, Field field) const
    {
        bool ok = false;
        const qint64 value = m_statement.value(column).toLongLong(&ok);
        if (!ok || m_statement.isNull(column) || !readField(field, QString::number(value)).ok())
            fault(column, rangeMessage(field));
        return value;
    }

    bool isNull(int column) const { return m_statement.isNull(column); }

    [[noreturn]] void fault(int column, const QString &message) const
    {
        throw PlanError(QCoreApplication::translate("plan::PlanStore",
                                                    "The stored plan is damaged: table %1, row %2, column %3: %4")
                            .arg(m_table)
                            .arg(m_row + 1)
                            .arg(m_statement.columnName(column), message));
    }

private:
    const db::Statement &m_statement;
    t::Name m_table;
    int m_row;
};

template <typename Item, typename Read>
QList<Item> readLines(db::Connection &connection, qint64 businessId, t::Name table, t::Name key,
                      std::initializer_list<t::Name> columns, Read read)
{
    QList<Item> items;
    db::Statement statement(connection, selectSql(table, key, columns), {businessId});
    while (statement.step()) {
        if (items.size() >= MaximumLinesPerKind)
            throw PlanError(QCoreApplication::translate(
                                "plan::PlanStore",
                                "The stored plan is damaged: table %1 holds more than %2 lines for one business.")
                                .arg(table)
                                .arg(MaximumLinesPerKind));
        items.append(read(StoredRow(statement, table, static_cast<int>(items.size()))));
    }
    return items;
}

PlanSettings readSettings(const StoredRow &row)
{
    const std::optional<YearMonth> first = YearMonth::parse(row.text(0));
    if (!first)
        row.fault(0, rangeMessage(Field::FirstMonth));
    return {*first, row.money(1, Field::StartingCash), row.decimal(2, Field::TaxRatePercent),
            row.decimal(3, Field::PayrollBurdenPercent)};
}

// The lines, each table read to its end before the next: a server runs one statement
// at a time.
Plan readPlan(db::Connection &connection, qint64 businessId, const PlanSettings &settings)
{
    Plan plan;
    plan.settings = settings;

    namespace revenue = t::PlanRevenue;
    plan.revenue = readLines<RevenueStream>(
        connection, businessId, revenue::Table, revenue::Id,
        {revenue::LineName, revenue::Kind, revenue::StartMonth, revenue::FirstQuantity, revenue::MonthlyGrowthPercent,
         revenue::Price, revenue::ChurnPercent, revenue::DirectCostPercent, revenue::DirectCostPerUnit},
        [](const StoredRow &row) {
            const std::optional<RevenueKind> kind = revenueKindFromName(row.text(1));
            if (!kind)
                row.fault(1, rangeMessage(Field::RevenueKind));
            return RevenueStream{row.text(0),
                                 *kind,
                                 row.whole(2, Field::StartMonth),
                                 row.decimal(3, Field::FirstQuantity),
                                 row.decimal(4, Field::MonthlyGrowthPercent),
                                 row.decimal(5, Field::Price),
                                 row.decimal(6, Field::ChurnPercent),
                                 row.decimal(7, Field::DirectCostPercent),
                                 row.decimal(8, Field::DirectCostPerUnit)};
        });

    namespace people = t::PlanPeople;
    plan.people = readLines<Person>(
        connection, businessId, people::Table, people::Id,
        {people::Role, people::EmployeeId, people::MonthlySalary, people::StartMonth, people::EndMonth},
        [](const StoredRow &row) {
            Person person{row.text(0), std::nullopt, row.money(2, Field::MonthlySalary),
                          row.whole(3, Field::StartMonth), std::nullopt};
            if (!row.isNull(1))
                person.employeeId = row.key(1, Field::EmployeeId);
            if (!row.isNull(4))
                person.endMonth = row.whole(4, Field::EndMonth);
            return person;
        });

    namespace expenses = t::PlanExpenses;
    plan.expenses = readLines<Expense>(
        connection, businessId, expenses::Table, expenses::Id,
        {expenses::LineName, expenses::Amount, expenses::StartMonth, expenses::MonthlyGrowthPercent, expenses::OneOff},
        [](const StoredRow &row) {
            return Expense{row.text(0), row.money(1, Field::Amount), row.whole(2, Field::StartMonth),
                           row.decimal(3, Field::MonthlyGrowthPercent), row.text(4) == QLatin1String("1")};
        });

    namespace financing = t::PlanFinancing;
    plan.financing = readLines<Financing>(connection, businessId, financing::Table, financing::Id,
                                          {financing::LineName, financing::Kind, financing::Amount, financing::Month,
                                           financing::AnnualInterestPercent, financing::TermMonths},
                                          [](const StoredRow &row) {
                                              const std::optional<FinancingKind> kind
                                                  = financingKindFromName(row.text(1));
                                              if (!kind)
                                                  row.fault(1, rangeMessage(Field::FinancingKind));
                                              return Financing{row.text(0),
                                                               *kind,
                                                               row.money(2, Field::Amount),
                                                               row.whole(3, Field::Month),
                                                               row.decimal(4, Field::AnnualInterestPercent),
                                                               row.whole(5, Field::TermMonths)};
                                          });

    namespace assets = t::PlanAssets;
    plan.assets = readLines<Asset>(connection, businessId, assets::Table, assets::Id,
                                   {assets::LineName, assets::Cost, assets::Month, assets::LifeMonths},
                                   [](const StoredRow &row) {
                                       return Asset{row.text(0), row.money(1, Field::Cost), row.whole(2, Field::Month),
                                                    row.whole(3, Field::LifeMonths)};
                                   });
    return plan;
}

QVariant orNull(const std::optional<qint64> &value)
{
    return value ? QVariant(*value) : QVariant();
}

void writePlan(db::Connection &connection, qint64 businessId, const Plan &plan)
{
    const PlanSettings &s = plan.settings;
    namespace settings = t::PlanSettings;
    connection.execute(insertSql(settings::Table, {settings::FirstMonth, settings::StartingCash,
                                                   settings::TaxRatePercent, settings::PayrollBurdenPercent}),
                       {businessId, s.firstMonth.toString(), s.startingCash.toString(), s.taxRatePercent.toString(),
                        s.payrollBurdenPercent.toString()});
    namespace revenue = t::PlanRevenue;
    const QString addRevenue
        = insertSql(revenue::Table, {revenue::LineName, revenue::Kind, revenue::StartMonth, revenue::FirstQuantity,
                                     revenue::MonthlyGrowthPercent, revenue::Price, revenue::ChurnPercent,
                                     revenue::DirectCostPercent, revenue::DirectCostPerUnit});
    for (const RevenueStream &r : plan.revenue)
        connection.execute(addRevenue,
                           {businessId, r.name, revenueKindName(r.kind), qint64(r.startMonth),
                            r.firstQuantity.toString(), r.monthlyGrowthPercent.toString(), r.price.toString(),
                            r.churnPercent.toString(), r.directCostPercent.toString(), r.directCostPerUnit.toString()});
    namespace people = t::PlanPeople;
    const QString addPerson = insertSql(
        people::Table, {people::Role, people::EmployeeId, people::MonthlySalary, people::StartMonth, people::EndMonth});
    for (const Person &p : plan.people) {
        const QVariant end = p.endMonth ? QVariant(qint64(*p.endMonth)) : QVariant();
        connection.execute(addPerson, {businessId, p.role, orNull(p.employeeId), p.monthlySalary.toString(),
                                       qint64(p.startMonth), end});
    }
    namespace expenses = t::PlanExpenses;
    const QString addExpense = insertSql(expenses::Table, {expenses::LineName, expenses::Amount, expenses::StartMonth,
                                                           expenses::MonthlyGrowthPercent, expenses::OneOff});
    for (const Expense &e : plan.expenses)
        connection.execute(addExpense, {businessId, e.name, e.amount.toString(), qint64(e.startMonth),
                                        e.monthlyGrowthPercent.toString(), qint64(e.oneOff ? 1 : 0)});
    namespace financing = t::PlanFinancing;
    const QString addFinancing
        = insertSql(financing::Table, {financing::LineName, financing::Kind, financing::Amount, financing::Month,
                                       financing::AnnualInterestPercent, financing::TermMonths});
    for (const Financing &f : plan.financing)
        connection.execute(addFinancing, {businessId, f.name, financingKindName(f.kind), f.amount.toString(),
                                          qint64(f.month), f.annualInterestPercent.toString(), qint64(f.termMonths)});
    namespace assets = t::PlanAssets;
    const QString addAsset
        = insertSql(assets::Table, {assets::LineName, assets::Cost, assets::Month, assets::LifeMonths});
    for (const Asset &a : plan.assets)
        connection.execute(addAsset, {businessId, a.name, a.cost.toString(), qint64(a.month), qint64(a.lifeMonths)});
}

void removePlan(db::Connection &connection, qint64 businessId)
{
    for (const db::SchemaTables::Table &table : db::SchemaTables::planTables())
        connection.execute(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table.name, t::BusinessId), {businessId});
}

// The plans of businesses deleted since: a business is deleted as one row, which leaves
// its plan's rows behind, unreachable (keys are never reused); they go with the next save.
void removeOrphans(db::Connection &connection)
{
    namespace info = t::BusinessInformation;
    for (const db::SchemaTables::Table &table : db::SchemaTables::planTables())
        connection.execute(QStringLiteral("DELETE FROM %1 WHERE %2 NOT IN (SELECT %3 FROM %4)")
                               .arg(table.name, t::BusinessId, info::Id, info::Table));
}

// Runs `steps` in the caller's transaction, or in one of its own that commits only
// when every step succeeded.
template <typename Steps> void inTransaction(db::Connection &connection, Steps steps)
{
    if (connection.inTransaction()) {
        steps();
        return;
    }
    connection.beginTransaction();
    try {
        steps();
        connection.commit();
    } catch (...) {
        connection.rollback();
        throw;
    }
}

} // namespace

PlanStore::PlanStore(db::Connection &connection)
    : m_connection(connection)
{
}

std::optional<Plan> PlanStore::load(qint64 businessId)
{
    namespace settings = t::PlanSettings;
    std::optional<PlanSettings> stored;
    {
        db::Statement statement(m_connection,
                                selectSql(settings::Table, settings::Id,
                                          {settings::FirstMonth, settings::StartingCash, settings::TaxRatePercent,
                                           settings::PayrollBurdenPercent}),
                                {businessId});
        if (!statement.step())
            return std::nullopt;
        stored = readSettings(StoredRow(statement, settings::Table, 0));
    }
    const Plan plan = readPlan(m_connection, businessId, *stored);
    const QString fault = firstFault(plan);
    if (!fault.isEmpty())
        throw PlanError(QCoreApplication::translate("plan::PlanStore", "The stored plan is damaged: %1").arg(fault));
    return plan;
}

bool PlanStore::hasPlan(qint64 businessId)
{
    db::Statement statement(
        m_connection, QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?").arg(t::PlanSettings::Table, t::BusinessId),
        {businessId});
    return statement.step() && statement.value(0).toLongLong() > 0;
}

void PlanStore::save(qint64 businessId, const Plan &plan)
{
    const QString fault = firstFault(plan);
    if (!fault.isEmpty())
        throw PlanError(fault);
    try {
        inTransaction(m_connection, [&] {
            removePlan(m_connection, businessId);
            removeOrphans(m_connection);
            writePlan(m_connection, businessId, plan);
        });
    } catch (const db::DbError &error) {
        throw PlanError(
            QCoreApplication::translate("plan::PlanStore", "The plan was not stored: %1").arg(error.description()));
    }
}

void PlanStore::remove(qint64 businessId)
{
    inTransaction(m_connection, [&] { removePlan(m_connection, businessId); });
}

} // namespace plan
