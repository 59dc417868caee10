#include "documents/BusinessReport.h"

#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "documents/ReportBuilder.h"
#include "documents/ReportQueries.h"

namespace documents {

QString buildBusinessReport(qint64 businessId)
{
    db::Connection connection;
    connection.open(db::ConnectionStrings::document());
    const ReportQueries queries = ReportQueries::run(connection, businessId);
    const QString text = ReportBuilder::build(queries);
    connection.close();
    return text;
}

} // namespace documents
