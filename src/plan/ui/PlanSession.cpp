#include "plan/ui/PlanSession.h"

#include "base/Error.h"
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/schema/SchemaTables.h"
#include "plan/PlanRules.h"
#include "plan/PlanStore.h"

#include <QDate>
#include <QHash>

namespace plan::ui {

namespace {

QString businessNameOf(db::Connection &connection, qint64 businessId)
{
    namespace column = db::tables::BusinessInformation;
    db::Recordset rows;
    rows.open(QStringLiteral("select %1 from %2 where %3 = ?")
                  .arg(QLatin1String(column::BusinessName), QLatin1String(column::Table), QLatin1String(column::Id)),
              connection, db::CursorType::ForwardOnly, db::LockType::ReadOnly, {businessId});
    return rows.eof() ? QString() : rows.value(0).toString();
}

std::vector<EmployeeChoice> employeesOf(db::Connection &connection, qint64 businessId)
{
    namespace column = db::tables::BusinessEmployees;
    db::Recordset rows;
    rows.open(QStringLiteral("select %1, %2, %3 from %4 where %5 = ? order by %3, %2, %1")
                  .arg(QLatin1String(column::Id), QLatin1String(column::FirstName), QLatin1String(column::LastName),
                       QLatin1String(column::Table), QLatin1String(column::BusinessId)),
              connection, db::CursorType::ForwardOnly, db::LockType::ReadOnly, {businessId});
    std::vector<EmployeeChoice> employees;
    for (; !rows.eof(); rows.moveNext()) {
        const QString name
            = QStringList{rows.value(1).toString().trimmed(), rows.value(2).toString().trimmed()}.join(u' ').trimmed();
        const qint64 id = rows.value(0).toLongLong();
        employees.push_back({id, name.isEmpty() ? PlanSession::tr("Employee %1").arg(id) : name});
    }
    // Two employees of one name are told apart by their keys, so a choice means one of them.
    QHash<QString, int> namesakes;
    for (const EmployeeChoice &employee : employees)
        ++namesakes[employee.name];
    for (EmployeeChoice &employee : employees) {
        if (namesakes.value(employee.name) > 1)
            employee.name += QStringLiteral(" (%1)").arg(employee.id);
    }
    return employees;
}

} // namespace

PlanSession::PlanSession(QObject *parent)
    : QObject(parent)
{
}

void PlanSession::load(qint64 businessId, const QDate &today)
{
    db::Connection connection;
    connection.open(db::ConnectionStrings::document());
    QString name = businessNameOf(connection, businessId);
    std::vector<EmployeeChoice> employees = employeesOf(connection, businessId);
    std::optional<Plan> stored = PlanStore(connection).load(businessId);
    connection.close();

    Plan plan = stored ? std::move(*stored) : Plan::startingAfter(today);
    m_statements = computeStatements(plan);
    m_plan = std::move(plan);
    m_businessId = businessId;
    m_businessName = std::move(name);
    m_employees = std::move(employees);
    emit changed();
}

QString PlanSession::employeeName(qint64 id) const
{
    for (const EmployeeChoice &employee : m_employees) {
        if (employee.id == id)
            return employee.name;
    }
    return {};
}

QString PlanSession::apply(const Plan &changed)
{
    if (changed == m_plan)
        return {};
    if (const QString fault = firstFault(changed); !fault.isEmpty())
        return fault;
    try {
        // Computed before anything is stored: a plan whose amounts cannot be computed
        // exactly is refused whole.
        Statements statements = computeStatements(changed);
        db::Connection connection;
        connection.open(db::ConnectionStrings::document());
        PlanStore(connection).save(m_businessId, changed);
        connection.close();
        m_plan = changed;
        m_statements = std::move(statements);
    } catch (const base::Error &error) {
        return error.description();
    }
    emit this->changed();
    return {};
}

} // namespace plan::ui
