#include "documents/ReportQueries.h"

#include "db/Command.h"
#include "db/schema/SchemaTables.h"
#include "documents/BusinessQuery.h"

namespace documents {

namespace {

std::unique_ptr<db::Recordset> select(db::Command &command, const QString &table, qint64 businessId)
{
    command.setCommandText(perBusinessQuery(table, businessId));
    return command.execute();
}

} // namespace

ReportQueries ReportQueries::run(db::Connection &connection, qint64 businessId)
{
    db::Command command;
    command.setActiveConnection(&connection);

    ReportQueries queries;
    queries.longTermGoals = select(command, db::tables::LongTermGoal::Table, businessId);
    queries.shortTermGoals = select(command, db::tables::ShortTermGoal::Table, businessId);
    queries.employees = select(command, db::tables::BusinessEmployees::Table, businessId);
    queries.business = select(command, db::tables::BusinessInformation::Table, businessId);
    queries.missionStatements = select(command, db::tables::BusinessPurpose::Table, businessId);
    queries.businessTypes = select(command, db::tables::BusinessType::Table, businessId);
    return queries;
}

} // namespace documents
