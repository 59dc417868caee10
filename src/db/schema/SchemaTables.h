#pragma once

#include <QLatin1String>
#include <QList>
#include <QString>

// The one description of both databases: the names code uses for tables and columns,
// and the tables each engine makes, checks and reads column roles from.
namespace db {

namespace Schema {
// 2: date-added columns take only dates, and empty text as no date.
// 3: businesses are counted from a narrow index instead of the whole table.
// 4: the financial plan's tables.
inline constexpr int BusinessVersion = 4;
// The server's business tables have had neither of the first two changes: its dates
// were always dates, and its count does not read the table's pages the way a file's
// does. 3: the financial plan's tables.
inline constexpr int ServerBusinessVersion = 3;
// 2: where each item was announced, one row per item and network. 3: the day each
// item was added.
inline constexpr int RssVersion = 3;
} // namespace Schema

// Table and column names as the databases spell them, misspellings of the first
// release included; each table's `Table` is its own name.
namespace tables {
using Name = QLatin1String;

inline constexpr Name BusinessId{"BusinessInformationId"}; // in every per-business table

namespace BusinessInformation {
inline constexpr Name Table{"BusinessInformation"};
inline constexpr Name Id = BusinessId;
inline constexpr Name DateAdded{"BusinessInformationDate"};
inline constexpr Name BusinessName{"BusninesName"};
inline constexpr Name AddressOne{"BusinessAddressOne"};
inline constexpr Name AddressTwo{"BusinessAddressTwo"};
inline constexpr Name City{"BusinessCity"};
inline constexpr Name State{"BusinessState"};
inline constexpr Name Zip{"BusinessZip"};
inline constexpr Name County{"BusinessCounty"};
inline constexpr Name PhoneNumber{"BusinessPhoneNumber"};
inline constexpr Name FaxNumber{"BusinessFaxNumber"};
inline constexpr Name WebSiteUrl{"BusinessWebSiteURL"};
inline constexpr Name EMailAddress{"BusinessEMailAddress"};
} // namespace BusinessInformation

namespace BusinessPurpose {
inline constexpr Name Table{"BusinessPurpose"};
inline constexpr Name Id{"BusinessPurposeId"};
inline constexpr Name DateAdded{"BusinessPurposeDate"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name Purpose{"BusinessPurpose"};
} // namespace BusinessPurpose

namespace BusinessType {
inline constexpr Name Table{"BusinessType"};
inline constexpr Name Id{"BusinessTypeId"};
inline constexpr Name DateAdded{"BusinessTypeDate"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name Type{"BusinessType"};
} // namespace BusinessType

namespace BusinessPerspective {
inline constexpr Name Table{"BusinessPerspective"};
inline constexpr Name Id{"BusinessPerspectiveID"};
inline constexpr Name DateAdded{"BusinessPerspectiveDate"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name Concept{"BusinessConcept"};
inline constexpr Name TypeOfCustomers{"BusinessTypeOfCustomers"};
inline constexpr Name MethodToReachTarget{"MethodToReachTarget"};
inline constexpr Name ReasonForMarket{"ReasonForBusinessMarket"};
} // namespace BusinessPerspective

namespace BusinessEmployees {
inline constexpr Name Table{"BusinessEmployees"};
inline constexpr Name Id{"EmpyoleeId"};
inline constexpr Name DateAdded{"EmployeeDate"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name FirstName{"EmployeeFirstName"};
inline constexpr Name MiddleName{"EmployeeMiddleName"};
inline constexpr Name LastName{"EmployeeLastName"};
inline constexpr Name Position{"EmployeePosition"};
inline constexpr Name Qualifications{"EmployeeQualifications"};
} // namespace BusinessEmployees

namespace LongTermGoal {
inline constexpr Name Table{"Business Long Term Goal"};
inline constexpr Name Id{"BusinessLongTermGoalID"};
inline constexpr Name DateAdded{"BusinessLongTermGoalDate"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name Goal{"BusinessLongTermGoal"};
} // namespace LongTermGoal

namespace ShortTermGoal {
inline constexpr Name Table{"Business Short Term Goal"};
inline constexpr Name Id{"BusinessShortTermGoalID"};
inline constexpr Name DateAdded{"BusinessShortTermGoalDate"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name Goal{"BusinessShortTermGoal"};
} // namespace ShortTermGoal

// The document templates.
namespace Templates {
inline constexpr Name Table{"ARTICLESOFINCORPORATION"};
inline constexpr Name Id{"ReportId"};
inline constexpr Name ReportName{"ReportName"};
inline constexpr Name Info{"Info"};
} // namespace Templates

namespace RegisteredAgent {
inline constexpr Name Table{"REGISTEREDAGENT"};
inline constexpr Name Id{"RegisteredAgentId"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name FirstName{"REGISTEREDAGENTFirstName"};
inline constexpr Name MiddleName{"REGISTEREDAGENTMiddleName"};
inline constexpr Name LastName{"REGISTEREDAGENTLastName"};
inline constexpr Name AddressOne{"REGISTEREDAGENTAddressOne"};
inline constexpr Name AddressTwo{"REGISTEREDAGENTAddressTwo"};
inline constexpr Name City{"REGISTEREDAGENTCity"};
inline constexpr Name State{"REGISTEREDAGENTState"};
inline constexpr Name Zip{"REGISTEREDAGENTZip"};
inline constexpr Name PhoneNumber{"REGISTEREDAGENTPhoneNumber"};
inline constexpr Name FaxNumber{"REGISTEREDAGENTFaxNumber"};
inline constexpr Name EMailAddress{"REGISTEREDAGENTEMailAddress"};
} // namespace RegisteredAgent

namespace MasterField {
inline constexpr Name Table{"MasterField"};
inline constexpr Name Id{"MasterFieldId"};
inline constexpr Name FieldName{"MasterFieldName"};
} // namespace MasterField

// A business's financial plan: its settings, and one table for each kind of line, in
// key order. Amounts, quantities and percents are decimal texts ("1250.50", "2.5"), so
// that no value passes through a binary fraction.
namespace PlanSettings {
inline constexpr Name Table{"PlanSettings"};
inline constexpr Name Id{"PlanSettingsId"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name FirstMonth{"PlanFirstMonth"}; // YYYY-MM
inline constexpr Name StartingCash{"PlanStartingCash"};
inline constexpr Name TaxRatePercent{"PlanTaxRatePercent"};
inline constexpr Name PayrollBurdenPercent{"PlanPayrollBurdenPercent"};
} // namespace PlanSettings

namespace PlanRevenue {
inline constexpr Name Table{"PlanRevenue"};
inline constexpr Name Id{"PlanRevenueId"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name LineName{"PlanRevenueName"};
inline constexpr Name Kind{"PlanRevenueKind"}; // "Unit sales", "Recurring", "Billable hours"
inline constexpr Name StartMonth{"PlanRevenueStartMonth"};
inline constexpr Name FirstQuantity{"PlanRevenueFirstQuantity"};
inline constexpr Name MonthlyGrowthPercent{"PlanRevenueGrowthPercent"};
inline constexpr Name Price{"PlanRevenuePrice"};
inline constexpr Name ChurnPercent{"PlanRevenueChurnPercent"};
inline constexpr Name DirectCostPercent{"PlanRevenueDirectCostPercent"};
inline constexpr Name DirectCostPerUnit{"PlanRevenueDirectCostPerUnit"};
} // namespace PlanRevenue

namespace PlanPeople {
inline constexpr Name Table{"PlanPeople"};
inline constexpr Name Id{"PlanPersonId"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name Role{"PlanPersonRole"};
inline constexpr Name EmployeeId{"PlanPersonEmployeeId"}; // Null: no employee
inline constexpr Name MonthlySalary{"PlanPersonMonthlySalary"};
inline constexpr Name StartMonth{"PlanPersonStartMonth"};
inline constexpr Name EndMonth{"PlanPersonEndMonth"}; // Null: to the plan's end
} // namespace PlanPeople

namespace PlanExpenses {
inline constexpr Name Table{"PlanExpenses"};
inline constexpr Name Id{"PlanExpenseId"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name LineName{"PlanExpenseName"};
inline constexpr Name Amount{"PlanExpenseAmount"};
inline constexpr Name StartMonth{"PlanExpenseStartMonth"};
inline constexpr Name MonthlyGrowthPercent{"PlanExpenseGrowthPercent"};
inline constexpr Name OneOff{"PlanExpenseOneOff"};
} // namespace PlanExpenses

namespace PlanFinancing {
inline constexpr Name Table{"PlanFinancing"};
inline constexpr Name Id{"PlanFinancingId"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name LineName{"PlanFinancingName"};
inline constexpr Name Kind{"PlanFinancingKind"}; // "Investment", "Loan"
inline constexpr Name Amount{"PlanFinancingAmount"};
inline constexpr Name Month{"PlanFinancingMonth"};
inline constexpr Name AnnualInterestPercent{"PlanFinancingInterestPercent"};
inline constexpr Name TermMonths{"PlanFinancingTermMonths"};
} // namespace PlanFinancing

namespace PlanAssets {
inline constexpr Name Table{"PlanAssets"};
inline constexpr Name Id{"PlanAssetId"};
inline constexpr Name BusinessId = tables::BusinessId;
inline constexpr Name LineName{"PlanAssetName"};
inline constexpr Name Cost{"PlanAssetCost"};
inline constexpr Name Month{"PlanAssetMonth"};
inline constexpr Name LifeMonths{"PlanAssetLifeMonths"};
} // namespace PlanAssets

namespace RssFeedItems {
inline constexpr Name Table{"Tbl_Rss_Feed_Items"};
inline constexpr Name Id{"RssFeedItemId"};
inline constexpr Name Title{"RssFeedItemTitle"};
inline constexpr Name Link{"RssFeedItemLink"};
inline constexpr Name Description{"RssFeedDescription"};
inline constexpr Name Twittered{"Twittered"};
inline constexpr Name DateAdded{"RssFeedItemDateAdded"};
} // namespace RssFeedItems

namespace RssAnnouncements {
inline constexpr Name Table{"Tbl_Rss_Announcements"};
inline constexpr Name Id{"RssAnnouncementId"};
inline constexpr Name ItemId{"RssFeedItemId"};
inline constexpr Name Network{"RssAnnouncementNetwork"};
inline constexpr Name PostAddress{"RssAnnouncementPostAddress"};
} // namespace RssAnnouncements

} // namespace tables

namespace SchemaTables {

// What a column holds; each engine turns this into its type, default, NOT NULL and
// collation.
enum class ColumnKind {
    Key,       // generated by the database, never reused
    DateAdded, // the date of insertion as yyyy-mm-dd
    Number,    // a whole number (business keys)
    Text,      // compared without regard to case
    LongText,  // template bodies: compared exactly
    YesNo,     // 0 or 1, No unless given
};

struct Column
{
    QString name;
    ColumnKind kind;
};

struct Index
{
    QString name;
    QString column;
    // Only a database file has it: the server counts rows without reading the table's pages.
    bool fileOnly = false;
};

struct Table
{
    QString name;
    QList<Column> columns;
    QList<Index> indexes;

    // The key column's name (every table has one).
    QString keyColumn() const;
    // Its date-added column; empty when it has none.
    QString dateAddedColumn() const;
};

// The tables of the business database and of the RSS database, in creation order.
const QList<Table> &businessTables();
// The financial plan's tables, the last of the business tables (schema 4 of a file, 3
// of a server).
const QList<Table> &planTables();
const QList<Table> &rssTables();
// Where items were announced, the last of the RSS tables (RSS schema 2).
const QList<Table> &rssAnnouncementTables();

// The table of either database with that name, compared without regard to case; null
// when the program has none.
const Table *findTable(const QString &name);

// Every table and column name of both databases, each once.
QStringList allNames();

} // namespace SchemaTables
} // namespace db
