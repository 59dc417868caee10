#include "documents/ReportQueries.h"

#include "db/Command.h"
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
    command.setCommandType(db::CommandType::Text);

    ReportQueries queries;
    queries.longTermGoals = select(command, QStringLiteral("Business Long Term Goal"), businessId);
    queries.shortTermGoals = select(command, QStringLiteral("Business Short Term Goal"), businessId);
    queries.employees = select(command, QStringLiteral("BusinessEmployees"), businessId);
    queries.business = select(command, QStringLiteral("BusinessInformation"), businessId);
    queries.missionStatements = select(command, QStringLiteral("BusinessPurpose"), businessId);
    queries.businessTypes = select(command, QStringLiteral("BusinessType"), businessId);
    return queries;
}

} // namespace documents
