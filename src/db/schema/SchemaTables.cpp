#include "db/schema/SchemaTables.h"

#include <QStringList>

namespace db::SchemaTables {

namespace {

using K = ColumnKind;

Column col(const char *name, ColumnKind kind)
{
    return {QString::fromLatin1(name), kind};
}

Index byBusiness(const char *indexName)
{
    return {QString::fromLatin1(indexName), QStringLiteral("BusinessInformationId")};
}

// A per-business table: key, date added, business key, then its text columns.
Table perBusiness(const char *name, const char *key, const char *date, const QStringList &texts, const char *indexName)
{
    Table table{QString::fromLatin1(name),
                {col(key, K::Key), col(date, K::DateAdded), col("BusinessInformationId", K::Number)},
                {byBusiness(indexName)}};
    for (const QString &text : texts)
        table.columns.append({text, K::Text});
    return table;
}

QList<Table> makeBusinessTables()
{
    QList<Table> tables;
    Table information{QStringLiteral("BusinessInformation"),
                      {col("BusinessInformationId", K::Key), col("BusinessInformationDate", K::DateAdded)},
                      {}};
    for (const char *text :
         {"BusninesName", "BusinessAddressOne", "BusinessAddressTwo", "BusinessCity", "BusinessState", "BusinessZip",
          "BusinessCounty", "BusinessPhoneNumber", "BusinessFaxNumber", "BusinessWebSiteURL", "BusinessEMailAddress"})
        information.columns.append(col(text, K::Text));
    tables << information;
    tables << perBusiness("BusinessPurpose", "BusinessPurposeId", "BusinessPurposeDate",
                          {QStringLiteral("BusinessPurpose")}, "BusinessPurposeByBusiness");
    tables << perBusiness("BusinessType", "BusinessTypeId", "BusinessTypeDate", {QStringLiteral("BusinessType")},
                          "BusinessTypeByBusiness");
    tables << perBusiness("BusinessPerspective", "BusinessPerspectiveID", "BusinessPerspectiveDate",
                          {QStringLiteral("BusinessConcept"), QStringLiteral("BusinessTypeOfCustomers"),
                           QStringLiteral("MethodToReachTarget"), QStringLiteral("ReasonForBusinessMarket")},
                          "BusinessPerspectiveByBusiness");
    tables << perBusiness("BusinessEmployees", "EmpyoleeId", "EmployeeDate",
                          {QStringLiteral("EmployeeFirstName"), QStringLiteral("EmployeeMiddleName"),
                           QStringLiteral("EmployeeLastName"), QStringLiteral("EmployeePosition"),
                           QStringLiteral("EmployeeQualifications")},
                          "BusinessEmployeesByBusiness");
    tables << perBusiness("Business Long Term Goal", "BusinessLongTermGoalID", "BusinessLongTermGoalDate",
                          {QStringLiteral("BusinessLongTermGoal")}, "LongTermGoalByBusiness");
    tables << perBusiness("Business Short Term Goal", "BusinessShortTermGoalID", "BusinessShortTermGoalDate",
                          {QStringLiteral("BusinessShortTermGoal")}, "ShortTermGoalByBusiness");
    tables << Table{QStringLiteral("ARTICLESOFINCORPORATION"),
                    {col("ReportId", K::Key), col("ReportName", K::Text), col("Info", K::LongText)},
                    {}};
    Table agent{QStringLiteral("REGISTEREDAGENT"),
                {col("RegisteredAgentId", K::Key), col("BusinessInformationId", K::Number)},
                {byBusiness("RegisteredAgentByBusiness")}};
    for (const char *text : {"FirstName", "MiddleName", "LastName", "AddressOne", "AddressTwo", "City", "State", "Zip",
                             "PhoneNumber", "FaxNumber", "EMailAddress"})
        agent.columns.append({QStringLiteral("REGISTEREDAGENT") + QLatin1String(text), K::Text});
    tables << agent;
    tables << Table{QStringLiteral("MasterField"), {col("MasterFieldId", K::Key), col("MasterFieldName", K::Text)}, {}};
    return tables;
}

} // namespace

QString Table::keyColumn() const
{
    for (const Column &column : columns) {
        if (column.kind == ColumnKind::Key)
            return column.name;
    }
    return {};
}

const QList<Table> &businessTables()
{
    static const QList<Table> tables = makeBusinessTables();
    return tables;
}

const QList<Table> &rssTables()
{
    static const QList<Table> tables = {
        Table{QStringLiteral("Tbl_Rss_Feed_Items"),
              {col("RssFeedItemId", K::Key), col("RssFeedItemTitle", K::Text), col("RssFeedItemLink", K::Text),
               col("RssFeedDescription", K::Text), col("Twittered", K::YesNo)},
              {}},
    };
    return tables;
}

QStringList allNames()
{
    QStringList names;
    for (const QList<Table> *tables : {&businessTables(), &rssTables()}) {
        for (const Table &table : *tables) {
            names << table.name;
            for (const Column &column : table.columns)
                names << column.name;
        }
    }
    names.removeDuplicates();
    return names;
}

} // namespace db::SchemaTables
