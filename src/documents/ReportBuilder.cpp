#include "documents/ReportBuilder.h"

#include "documents/RecordRow.h"
#include "documents/ReportQueries.h"

namespace documents {

namespace {

constexpr QStringView NewLine = u"\r\n\t\t";
constexpr QStringView SameLine = u"\t\t";

} // namespace

QString ReportBuilder::build(const ReportQueries &queries)
{
    ReportBuilder builder;
    builder.appendGeneralInformation(*queries.business);
    builder.appendFirstRowSection(QStringLiteral("Business Mission Statement"), *queries.missionStatements,
                                  QStringLiteral("BusinessPurpose"));
    builder.appendFirstRowSection(QStringLiteral("Business Type"), *queries.businessTypes,
                                  QStringLiteral("BusinessType"));
    builder.appendListSection(QStringLiteral("Business Short Term Goals"), *queries.shortTermGoals,
                              QStringLiteral("BusinessShortTermGoal"));
    builder.appendListSection(QStringLiteral("Business Long Term Goals"), *queries.longTermGoals,
                              QStringLiteral("BusinessLongTermGoal"));
    builder.appendEmployees(*queries.employees);
    return builder.m_text;
}

void ReportBuilder::appendGeneralInformation(const db::Recordset &business)
{
    m_text += u"\r\n\tGeneral Business Information\r\n";
    if (!hasRows(business))
        return;
    const RecordRow row(business, 0);
    appendField(NewLine, row[QStringLiteral("BusninesName")]);
    appendField(NewLine, row[QStringLiteral("BusinessAddressOne")]);
    appendField(NewLine, row[QStringLiteral("BusinessAddressTwo")]);
    appendField(NewLine, row[QStringLiteral("BusinessCity")]);
    appendField(SameLine, row[QStringLiteral("BusinessState")]);
    appendField(SameLine, row[QStringLiteral("BusinessZip")]);
    appendField(NewLine, row[QStringLiteral("BusinessPhoneNumber")]);
    appendField(SameLine, row[QStringLiteral("BusinessFaxNumber")]);
    appendField(NewLine, row[QStringLiteral("BusinessWebSiteURL")]);
    appendField(SameLine, row[QStringLiteral("BusinessEMailAddress")]);
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
    appendHeading(QStringLiteral("Business Employee Information"));
    for (int i = 0; i < employees.recordCount(); ++i) {
        const RecordRow row(employees, i);
        appendField(NewLine, row[QStringLiteral("EmployeeFirstName")]);
        appendField(SameLine, row[QStringLiteral("EmployeeMiddleName")]);
        appendField(SameLine, row[QStringLiteral("EmployeeLastName")]);
        appendField(NewLine, row[QStringLiteral("EmployeePosition")]);
        appendField(NewLine, row[QStringLiteral("EmployeeQualifications")]);
    }
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
