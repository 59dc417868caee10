#include "SampleOffice.h"

#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Schema.h"
#include "plan/PlanStore.h"

#include <QDir>

namespace screenshots {

namespace {

// Business 1 is the one on screen; the others give the main form something to move to.
const char *const BusinessRows
    = "INSERT INTO BusinessInformation (BusninesName, BusinessAddressOne, BusinessAddressTwo, BusinessCity, "
      "BusinessState, BusinessZip, BusinessCounty, BusinessPhoneNumber, BusinessFaxNumber, BusinessWebSiteURL, "
      "BusinessEMailAddress) VALUES "
      "('Acme Bakery', '12 Mill Lane', 'Unit 4', 'Springfield', 'IL', '62701', 'Sangamon', '217-555-0134', "
      "'217-555-0135', 'www.acme-bakery.example', 'hello@acme-bakery.example'), "
      "('Brook Farm Supplies', '880 County Road 9', NULL, 'Chatham', 'IL', '62629', 'Sangamon', '217-555-0190', "
      "NULL, 'www.brookfarm.example', 'orders@brookfarm.example'), "
      "('Cedar Street Books', '41 Cedar Street', NULL, 'Peoria', 'IL', '61602', 'Peoria', '309-555-0117', NULL, "
      "'www.cedarbooks.example', 'books@cedarbooks.example'), "
      "('Harbor Bike Repair', '3 Harbor Walk', 'Pier 2', 'Chicago', 'IL', '60611', 'Cook', '312-555-0148', NULL, "
      "'www.harborbikes.example', 'fixit@harborbikes.example');";

const char *const PlanningRows
    = "INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurpose) VALUES "
      "(1, 'To bake fresh bread and pastries every morning from local grain, for the homes, cafes and "
      "restaurants of Springfield.'), "
      "(2, 'To supply feed, seed and tools to the small farms around Chatham.');"
      "INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES "
      "(1, 'Retail bakery and wholesale supplier'), (2, 'Farm supply store'), (3, 'Independent bookshop');"
      "INSERT INTO BusinessPerspective (BusinessInformationId, BusinessConcept, BusinessTypeOfCustomers, "
      "MethodToReachTarget, ReasonForBusinessMarket) VALUES "
      "(1, 'A neighbourhood bakery with a cafe corner', 'Families, office workers and three local cafes', "
      "'Leaflets, a Saturday market stall and the web site', 'No bakery within two miles of Mill Lane');"
      "INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeFirstName, EmployeeMiddleName, "
      "EmployeeLastName, EmployeePosition, EmployeeQualifications) VALUES "
      "(1, 'Ann', 'M', 'Baker', 'Owner and head baker', 'Master baker'), "
      "(1, 'Tom', NULL, 'Miller', 'Counter and deliveries', 'Food hygiene certificate'), "
      "(1, 'Rita', 'J', 'Ortiz', 'Pastry cook', 'Culinary school diploma'), "
      "(2, 'Sam', NULL, 'Brook', 'Owner', 'Farm management');"
      "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES "
      "(1, 'Open a second shop within five years'), (1, 'Supply bread to five restaurants'), "
      "(1, 'Run baking classes on weekends');"
      "INSERT INTO [Business Short Term Goal] (BusinessInformationId, BusinessShortTermGoal) VALUES "
      "(1, 'Print leaflets for the spring market'), (1, 'Hire a second pastry cook'), "
      "(1, 'Put the price list on the web site');"
      "INSERT INTO REGISTEREDAGENT (BusinessInformationId, REGISTEREDAGENTFirstName, REGISTEREDAGENTMiddleName, "
      "REGISTEREDAGENTLastName, REGISTEREDAGENTAddressOne, REGISTEREDAGENTCity, REGISTEREDAGENTState, "
      "REGISTEREDAGENTZip, REGISTEREDAGENTPhoneNumber, REGISTEREDAGENTEMailAddress) VALUES "
      "(1, 'Laura', 'K', 'Chen', '200 Capitol Avenue', 'Springfield', 'IL', '62701', '217-555-0102', "
      "'lchen@agents.example');";

const char *const RssRows
    = "INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink, RssFeedDescription) VALUES "
      "('Spring market stall', 'http://www.acme-bakery.example/market', "
      "'Find us at the Old Capitol farmers market every Saturday from May.'), "
      "('New rye loaf', 'http://www.acme-bakery.example/rye', 'A dark rye with caraway, baked on Tuesdays.'), "
      "('Baking classes', 'http://www.acme-bakery.example/classes', "
      "'Bread for beginners, Sunday mornings, six places per class.');"
      "UPDATE Tbl_Rss_Feed_Items SET RssFeedItemDateAdded = '2026-12-07';"
      "INSERT INTO Tbl_Rss_Announcements (RssFeedItemId, RssAnnouncementNetwork, RssAnnouncementPostAddress) VALUES "
      "(1, 'fediverse', 'https://social.example/@acmebakery/1'), "
      "(1, 'bluesky', 'https://bsky.app/profile/acme-bakery.example/post/1'), "
      "(2, 'fediverse', 'https://social.example/@acmebakery/2');";

// Rows are dated the day they are added; the pictures show one fixed day instead, so
// that a window shows the same on any day (the user guide's check compares them).
const char *const FixedDates = "UPDATE BusinessInformation SET BusinessInformationDate = '2026-12-07';"
                               "UPDATE BusinessPurpose SET BusinessPurposeDate = '2026-12-07';"
                               "UPDATE BusinessType SET BusinessTypeDate = '2026-12-07';"
                               "UPDATE BusinessPerspective SET BusinessPerspectiveDate = '2026-12-07';"
                               "UPDATE BusinessEmployees SET EmployeeDate = '2026-12-07';"
                               "UPDATE [Business Long Term Goal] SET BusinessLongTermGoalDate = '2026-12-07';"
                               "UPDATE [Business Short Term Goal] SET BusinessShortTermGoalDate = '2026-12-07';";

plan::Decimal decimal(const char *text)
{
    return *plan::Decimal::parse(QLatin1String(text));
}

plan::Money money(const char *text)
{
    return *plan::Money::parse(QLatin1String(text));
}

// The bakery's first three years, starting in a fixed month so that the pictures show
// the same on any day.
plan::Plan bakeryPlan()
{
    plan::Plan bakery;
    bakery.settings = {plan::YearMonth{2027, 1}, money("30000"), decimal("20"), decimal("12")};
    plan::RevenueStream bread;
    bread.name = QStringLiteral("Bread and pastries");
    bread.firstQuantity = decimal("4000");
    bread.monthlyGrowthPercent = decimal("2");
    bread.price = decimal("3.50");
    bread.directCostPercent = decimal("30");
    plan::RevenueStream cafes;
    cafes.name = QStringLiteral("Cafe contracts");
    cafes.kind = plan::RevenueKind::Recurring;
    cafes.startMonth = 3;
    cafes.firstQuantity = decimal("2");
    cafes.price = decimal("400");
    cafes.churnPercent = decimal("5");
    cafes.directCostPerUnit = decimal("120");
    bakery.revenue = {bread, cafes};
    bakery.people = {
        {QStringLiteral("Head baker"), 1, money("3800"), 1, std::nullopt},
        {QStringLiteral("Counter and deliveries"), 2, money("2400"), 1, std::nullopt},
        {QStringLiteral("Pastry cook"), 3, money("2900"), 7, std::nullopt},
    };
    bakery.expenses = {
        {QStringLiteral("Rent"), money("2200"), 1, decimal("0"), false},
        {QStringLiteral("Utilities"), money("600"), 1, decimal("0.5"), false},
        {QStringLiteral("Opening marketing"), money("3500"), 1, decimal("0"), true},
    };
    bakery.financing = {
        {QStringLiteral("Owner's investment"), plan::FinancingKind::Investment, money("20000"), 1, decimal("0"), 12},
        {QStringLiteral("Bank loan"), plan::FinancingKind::Loan, money("40000"), 1, decimal("6.5"), 60},
    };
    bakery.assets = {
        {QStringLiteral("Ovens"), money("35000"), 1, 120},
        {QStringLiteral("Shop fit-out"), money("18000"), 1, 60},
    };
    return bakery;
}

void run(const QString &connectionString, const char *statements)
{
    db::Connection connection;
    connection.open(connectionString);
    connection.executeScript(QString::fromUtf8(statements));
}

} // namespace

void fillSampleOffice(const QString &folder)
{
    db::Schema::createProgramDatabases(folder);
    const QDir dir(folder);
    const QString business
        = QStringLiteral("Data Source=") + dir.filePath(QLatin1String(db::ConnectionStrings::BusinessDatabaseFile));
    run(business, BusinessRows);
    run(business, PlanningRows);
    run(business, FixedDates);
    db::Connection connection;
    connection.open(business);
    plan::PlanStore(connection).save(1, bakeryPlan());
    connection.close();
    run(QStringLiteral("Data Source=") + dir.filePath(QLatin1String(db::ConnectionStrings::RssDatabaseFile)), RssRows);
}

} // namespace screenshots
