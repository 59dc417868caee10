#include "documents/ReportBuilder.h"

#include "db/schema/SchemaTables.h"
#include "documents/RecordRow.h"
#include "documents/ReportQueries.h"
#include "plan/Statements.h"
#include "plan/ui/KeyFiguresText.h"
#include "plan/ui/PlanText.h"

#include <QCoreApplication>

namespace documents {

namespace {

constexpr QStringView NewLine = u"\r\n\t\t";
constexpr QStringView SameLine = u"\t\t";

} // namespace

QString ReportBuilder::build(const ReportQueries &queries, const plan::Statements *planStatements)
{
    ReportBuilder builder;
    builder.appendGeneralInformation(*queries.business);
    builder.appendFirstRowSection(QCoreApplication::translate("documents::ReportBuilder", "Business Mission Statement"),
                                  *queries.missionStatements, db::tables::BusinessPurpose::Purpose);
    builder.appendFirstRowSection(QCoreApplication::translate("documents::ReportBuilder", "Business Type"),
                                  *queries.businessTypes, db::tables::BusinessType::Type);
    builder.appendListSection(QCoreApplication::translate("documents::ReportBuilder", "Business Short Term Goals"),
                              *queries.shortTermGoals, db::tables::ShortTermGoal::Goal);
    builder.appendListSection(QCoreApplication::translate("documents::ReportBuilder", "Business Long Term Goals"),
                              *queries.longTermGoals, db::tables::LongTermGoal::Goal);
    builder.appendEmployees(*queries.employees);
    if (planStatements)
        builder.appendFinancialPlan(*planStatements);
    return builder.m_text;
}

void ReportBuilder::appendGeneralInformation(const db::Recordset &business)
{
    m_text += u"\r\n\t" % QCoreApplication::translate("documents::ReportBuilder", "General Business Information")
              % u"\r\n";
    if (!hasRows(business))
        return;
    namespace column = db::tables::BusinessInformation;
    const RecordRow row(business, 0);
    appendField(NewLine, row[column::BusinessName]);
    appendField(NewLine, row[column::AddressOne]);
    appendField(NewLine, row[column::AddressTwo]);
    appendField(NewLine, row[column::City]);
    appendField(SameLine, row[column::State]);
    appendField(SameLine, row[column::Zip]);
    appendField(NewLine, row[column::PhoneNumber]);
    appendField(SameLine, row[column::FaxNumber]);
    appendField(NewLine, row[column::WebSiteUrl]);
    appendField(SameLine, row[column::EMailAddress]);
}

void ReportBuilder::appendFirstRowSection(const QString &heading, const db::Recordset &rows, const QString &column)
{
    if (!hasRows(rows))
        return;
    appendHeading(heading);
    appendField(NewLine, RecordRow(rows, 0)[column]);
}

void ReportBuilder::appendListSection(const QString &heading, const db::Recordset &rows, const QString &column)
{
    if (!hasRows(rows))
        return;
    appendHeading(heading);
    for (int i = 0; i < rows.recordCount(); ++i)
        appendField(NewLine, RecordRow(rows, i)[column]);
}

void ReportBuilder::appendEmployees(const db::Recordset &employees)
{
    if (!hasRows(employees))
        return;
    appendHeading(QCoreApplication::translate("documents::ReportBuilder", "Business Employee Information"));
    namespace column = db::tables::BusinessEmployees;
    for (int i = 0; i < employees.recordCount(); ++i) {
        const RecordRow row(employees, i);
        appendField(NewLine, row[column::FirstName]);
        appendField(SameLine, row[column::MiddleName]);
        appendField(SameLine, row[column::LastName]);
        appendField(NewLine, row[column::Position]);
        appendField(NewLine, row[column::Qualifications]);
    }
}

void ReportBuilder::appendFinancialPlan(const plan::Statements &statements)
{
    using plan::ui::shownAmount;
    appendHeading(QCoreApplication::translate("documents::ReportBuilder", "Financial Plan"));
    QStringList lines = plan::ui::keyFigureLines(statements);
    if (const QString warning = plan::ui::cashWarning(statements); !warning.isEmpty())
        lines << warning;
    const plan::Statement &pnl = statements.profitAndLoss;
    const plan::Statement &cash = statements.cashFlow;
    for (int year = 0; year < plan::PlanYears; ++year) {
        const auto total = [year](const plan::Statement &statement, int line) {
            return shownAmount(statement.line(line).years.at(static_cast<size_t>(year)));
        };
        lines << QCoreApplication::translate("documents::ReportBuilder",
                                             "Year %1: revenue %2, net income %3, cash at the year's end %4")
                     .arg(year + 1)
                     .arg(total(pnl, plan::ProfitAndLoss::Revenue), total(pnl, plan::ProfitAndLoss::NetIncome),
                          total(cash, plan::CashFlow::CashAtEndOfMonth));
    }
    for (const QString &line : std::as_const(lines))
        appendField(NewLine, line);
}

void ReportBuilder::appendHeading(const QString &heading)
{
    // Two empty lines before the heading, one after it.
    m_text += u"\r\n\r\n\r\n\t" % heading % u"\r\n";
}

void ReportBuilder::appendField(QStringView separator, const QVariant &value)
{
    // Only an invalid variant is Null: empty text still shows its separator.
    if (!value.isValid())
        return;
    m_text += separator;
    m_text += value.toString();
}

} // namespace documents
