// Both engines' tables, the checks and the column roles are made from one description
// of the tables; files delivered before must keep agreeing with it.
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Schema.h"
#include "db/schema/ColumnRoles.h"
#include "support/QStringPrinter.h"
#include "support/TempFolder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace db;

namespace {

// The tables of the first version's files as it wrote them out by hand. The date
// rules and the indexes came later: the upgrade adds them.
const char *const FirstBusinessTables = R"sql(
CREATE TABLE BusinessInformation (BusinessInformationId INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessInformationDate TEXT DEFAULT (date('now', 'localtime')), BusninesName TEXT COLLATE NOCASE,
    BusinessAddressOne TEXT COLLATE NOCASE, BusinessAddressTwo TEXT COLLATE NOCASE, BusinessCity TEXT COLLATE NOCASE,
    BusinessState TEXT COLLATE NOCASE, BusinessZip TEXT COLLATE NOCASE, BusinessCounty TEXT COLLATE NOCASE,
    BusinessPhoneNumber TEXT COLLATE NOCASE, BusinessFaxNumber TEXT COLLATE NOCASE,
    BusinessWebSiteURL TEXT COLLATE NOCASE, BusinessEMailAddress TEXT COLLATE NOCASE) STRICT;
CREATE TABLE BusinessPurpose (BusinessPurposeId INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessPurposeDate TEXT DEFAULT (date('now', 'localtime')), BusinessInformationId INTEGER,
    BusinessPurpose TEXT COLLATE NOCASE) STRICT;
CREATE TABLE BusinessType (BusinessTypeId INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessTypeDate TEXT DEFAULT (date('now', 'localtime')), BusinessInformationId INTEGER,
    BusinessType TEXT COLLATE NOCASE) STRICT;
CREATE TABLE BusinessPerspective (BusinessPerspectiveID INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessPerspectiveDate TEXT DEFAULT (date('now', 'localtime')), BusinessInformationId INTEGER,
    BusinessConcept TEXT COLLATE NOCASE, BusinessTypeOfCustomers TEXT COLLATE NOCASE,
    MethodToReachTarget TEXT COLLATE NOCASE, ReasonForBusinessMarket TEXT COLLATE NOCASE) STRICT;
CREATE TABLE BusinessEmployees (EmpyoleeId INTEGER PRIMARY KEY AUTOINCREMENT,
    EmployeeDate TEXT DEFAULT (date('now', 'localtime')), BusinessInformationId INTEGER,
    EmployeeFirstName TEXT COLLATE NOCASE, EmployeeMiddleName TEXT COLLATE NOCASE,
    EmployeeLastName TEXT COLLATE NOCASE, EmployeePosition TEXT COLLATE NOCASE,
    EmployeeQualifications TEXT COLLATE NOCASE) STRICT;
CREATE TABLE [Business Long Term Goal] (BusinessLongTermGoalID INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessLongTermGoalDate TEXT DEFAULT (date('now', 'localtime')), BusinessInformationId INTEGER,
    BusinessLongTermGoal TEXT COLLATE NOCASE) STRICT;
CREATE TABLE [Business Short Term Goal] (BusinessShortTermGoalID INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessShortTermGoalDate TEXT DEFAULT (date('now', 'localtime')), BusinessInformationId INTEGER,
    BusinessShortTermGoal TEXT COLLATE NOCASE) STRICT;
CREATE TABLE ARTICLESOFINCORPORATION (ReportId INTEGER PRIMARY KEY AUTOINCREMENT, ReportName TEXT COLLATE NOCASE,
    Info TEXT) STRICT;
CREATE TABLE REGISTEREDAGENT (RegisteredAgentId INTEGER PRIMARY KEY AUTOINCREMENT, BusinessInformationId INTEGER,
    REGISTEREDAGENTFirstName TEXT COLLATE NOCASE, REGISTEREDAGENTMiddleName TEXT COLLATE NOCASE,
    REGISTEREDAGENTLastName TEXT COLLATE NOCASE, REGISTEREDAGENTAddressOne TEXT COLLATE NOCASE,
    REGISTEREDAGENTAddressTwo TEXT COLLATE NOCASE, REGISTEREDAGENTCity TEXT COLLATE NOCASE,
    REGISTEREDAGENTState TEXT COLLATE NOCASE, REGISTEREDAGENTZip TEXT COLLATE NOCASE,
    REGISTEREDAGENTPhoneNumber TEXT COLLATE NOCASE, REGISTEREDAGENTFaxNumber TEXT COLLATE NOCASE,
    REGISTEREDAGENTEMailAddress TEXT COLLATE NOCASE) STRICT;
CREATE TABLE MasterField (MasterFieldId INTEGER PRIMARY KEY AUTOINCREMENT, MasterFieldName TEXT COLLATE NOCASE) STRICT;
PRAGMA user_version = 1;
)sql";

const char *const FirstRssTables = R"sql(
CREATE TABLE Tbl_Rss_Feed_Items (RssFeedItemId INTEGER PRIMARY KEY AUTOINCREMENT,
    RssFeedItemTitle TEXT COLLATE NOCASE, RssFeedItemLink TEXT COLLATE NOCASE, RssFeedDescription TEXT COLLATE NOCASE,
    Twittered INTEGER NOT NULL DEFAULT 0 CHECK (Twittered IN (0, 1))) STRICT;
PRAGMA user_version = 1;
)sql";

TEST(SchemaTables, FilesDeliveredBeforeAgreeWithTheTablesMadeNow)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "compares database files";
    QTemporaryDir dir;
    const QString business = dir.filePath(QLatin1String(ConnectionStrings::BusinessDatabaseFile));
    const QString rss = dir.filePath(QLatin1String(ConnectionStrings::RssDatabaseFile));
    {
        Connection connection;
        connection.create(business);
        connection.executeScript(QLatin1String(FirstBusinessTables));
        Schema::requireBusinessDatabase(connection);
        Connection rssConnection;
        rssConnection.create(rss);
        rssConnection.executeScript(QLatin1String(FirstRssTables));
        Schema::requireRssDatabase(rssConnection);
    }
    EXPECT_EQ(Schema::check(business), QStringList{});
    EXPECT_EQ(Schema::check(rss), QStringList{});
}

TEST(SchemaTables, ColumnRolesComeFromTheDescription)
{
    using R = ColumnRole;
    const struct
    {
        const char *table;
        QStringList columns;
        std::vector<ColumnRole> roles;
    } cases[] = {
        {"BusinessPurpose",
         {"BusinessPurposeId", "businesspurposedate", "BusinessInformationId", "BusinessPurpose", "", "Extra"},
         {R::Key, R::DateAdded, R::Ordinary, R::Ordinary, R::Ordinary, R::Ordinary}},
        {"business long term goal", {"BusinessLongTermGoalID", "BusinessLongTermGoalDate"}, {R::Key, R::DateAdded}},
        {"Tbl_Rss_Feed_Items", {"RssFeedItemId", "Twittered"}, {R::Key, R::Ordinary}},
        {"NotOurs", {"BusinessPurposeId", "BusinessPurposeDate"}, {R::Ordinary, R::Ordinary}},
    };
    for (const auto &[table, columns, roles] : cases)
        EXPECT_EQ(columnRoles(QLatin1String(table), columns), roles) << table;
}

} // namespace
