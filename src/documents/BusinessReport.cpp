#include "documents/BusinessReport.h"

#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/schema/SchemaTables.h"
#include "documents/RecordRow.h"
#include "documents/ReportBuilder.h"
#include "documents/ReportQueries.h"
#include "plan/PlanStore.h"
#include "plan/Statements.h"

#include <QCoreApplication>

namespace documents {

namespace {

// Keeps a PDF's title readable and the file name offered from it within the 255
// bytes a file name may have.
constexpr qsizetype LongestNameInTitle = 80;

} // namespace

BusinessReport makeBusinessReport(qint64 businessId)
{
    db::Connection connection;
    connection.open(db::ConnectionStrings::document());
    // The plan first: on a server the report's recordsets are still reading when they
    // have been opened, and the connection runs one statement at a time.
    const std::optional<plan::Plan> plan = plan::PlanStore(connection).load(businessId);
    const ReportQueries queries = ReportQueries::run(connection, businessId);
    const std::optional<plan::Statements> statements
        = plan ? std::optional<plan::Statements>(plan::computeStatements(*plan)) : std::nullopt;
    BusinessReport report;
    report.text = ReportBuilder::build(queries, statements ? &*statements : nullptr);
    if (hasRows(*queries.business))
        report.businessName = RecordRow(*queries.business, 0)[db::tables::BusinessInformation::BusinessName].toString();
    connection.close();
    return report;
}

QString buildBusinessReport(qint64 businessId)
{
    return makeBusinessReport(businessId).text;
}

QString businessReportTitle(const QString &businessName, const QDate &date)
{
    QString name = businessName.simplified();
    if (name.size() > LongestNameInTitle) {
        qsizetype cut = LongestNameInTitle;
        if (name[cut].isLowSurrogate())
            --cut;
        name = name.first(cut).trimmed() + QChar(0x2026);
    }
    const QString day = date.toString(Qt::ISODate);
    return name.isEmpty() ? QCoreApplication::translate("documents::BusinessReport", "Business report, %1").arg(day)
                          : QStringLiteral("%1, %2").arg(name, day);
}

} // namespace documents
