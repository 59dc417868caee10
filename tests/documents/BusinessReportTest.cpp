// The report's text, built from a real database: the layout rules and the worked example.
#include "documents/BusinessReport.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "plan/PlanStore.h"
#include "support/TempFolder.h"

#include <QStringList>

#include <gtest/gtest.h>

using documents::buildBusinessReport;

namespace {

QString lines(const QStringList &all)
{
    return all.join("\r\n");
}

class BusinessReport : public ::testing::Test
{
protected:
    testing_support::TempProgramFolder folder;

    // Adds a business with only the given columns set and returns its key.
    int addBusiness(const QString &columns, const QString &values)
    {
        folder.exec(QStringLiteral("INSERT INTO BusinessInformation (%1) VALUES (%2);").arg(columns, values));
        return folder.scalar("SELECT max(BusinessInformationId) FROM BusinessInformation").toInt();
    }
};

TEST_F(BusinessReport, WorkedExampleToTheCharacter)
{
    const int key = addBusiness(
        QStringLiteral(
            "BusninesName, BusinessAddressOne, BusinessCity, BusinessState, BusinessZip, BusinessPhoneNumber"),
        "'Sample Tools', '1 Main St', 'Springfield', 'IL', '627', '555 0100'");
    folder.exec(
        QStringLiteral("INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurpose) VALUES (%1, 'Make tools');"
                       "INSERT INTO [Business Short Term Goal] (BusinessInformationId, BusinessShortTermGoal) VALUES "
                       "(%1, 'Open a shop');"
                       "INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeFirstName, EmployeeLastName, "
                       "EmployeePosition,"
                       " EmployeeQualifications) VALUES (%1, 'F1', 'L1', 'Owner', 'MBA');")
            .arg(key));

    EXPECT_EQ(buildBusinessReport(key), lines({QString(),
                                               "\tGeneral Business Information",
                                               QString(),
                                               "\t\tSample Tools",
                                               "\t\t1 Main St",
                                               "\t\tSpringfield\t\tIL\t\t627",
                                               "\t\t555 0100",
                                               QString(),
                                               QString(),
                                               "\tBusiness Mission Statement",
                                               QString(),
                                               "\t\tMake tools",
                                               QString(),
                                               QString(),
                                               "\tBusiness Short Term Goals",
                                               QString(),
                                               "\t\tOpen a shop",
                                               QString(),
                                               QString(),
                                               "\tBusiness Employee Information",
                                               QString(),
                                               "\t\tF1\t\tL1",
                                               "\t\tOwner",
                                               "\t\tMBA"}));
}

TEST_F(BusinessReport, EveryFieldAndSectionInItsPlace)
{
    const int key = addBusiness(
        "BusninesName, BusinessAddressOne, BusinessAddressTwo, BusinessCity, BusinessState, BusinessZip,"
        " BusinessCounty, BusinessPhoneNumber, BusinessFaxNumber, BusinessWebSiteURL, BusinessEMailAddress",
        "'N', 'A1', 'A2', 'C', 'S', 'Z', 'County', 'P', 'F', 'W', 'E'");
    folder.exec(
        QStringLiteral(
            "INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (%1, 'Retail');"
            "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES (%1, 'L1'), "
            "(%1, 'L2');"
            "INSERT INTO [Business Short Term Goal] (BusinessInformationId, BusinessShortTermGoal) VALUES (%1, 'S1');"
            "INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeFirstName, EmployeeMiddleName, "
            "EmployeeLastName,"
            " EmployeePosition, EmployeeQualifications) VALUES (%1, 'F1', 'M1', 'L1', 'P1', 'Q1'), (%1, 'F2', 'M2', "
            "'L2', 'P2', 'Q2');"
            "INSERT INTO BusinessPerspective (BusinessInformationId, BusinessConcept) VALUES (%1, 'not reported');")
            .arg(key));

    // Short-term goals come before long-term ones; no empty line between employees;
    // the county and the perspective are not part of the report.
    EXPECT_EQ(buildBusinessReport(key), lines({QString(),
                                               "\tGeneral Business Information",
                                               QString(),
                                               "\t\tN",
                                               "\t\tA1",
                                               "\t\tA2",
                                               "\t\tC\t\tS\t\tZ",
                                               "\t\tP\t\tF",
                                               "\t\tW\t\tE",
                                               QString(),
                                               QString(),
                                               "\tBusiness Type",
                                               QString(),
                                               "\t\tRetail",
                                               QString(),
                                               QString(),
                                               "\tBusiness Short Term Goals",
                                               QString(),
                                               "\t\tS1",
                                               QString(),
                                               QString(),
                                               "\tBusiness Long Term Goals",
                                               QString(),
                                               "\t\tL1",
                                               "\t\tL2",
                                               QString(),
                                               QString(),
                                               "\tBusiness Employee Information",
                                               QString(),
                                               "\t\tF1\t\tM1\t\tL1",
                                               "\t\tP1",
                                               "\t\tQ1",
                                               "\t\tF2\t\tM2\t\tL2",
                                               "\t\tP2",
                                               "\t\tQ2"}));
}

TEST_F(BusinessReport, UnknownKeyKeepsOnlyTheHeadingAndSectionsWithRows)
{
    EXPECT_EQ(buildBusinessReport(4242), "\r\n\tGeneral Business Information\r\n");

    // Rows left behind by a deleted business still show under their headings.
    folder.exec("INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (4242, 'Orphan');");
    EXPECT_EQ(buildBusinessReport(4242),
              "\r\n\tGeneral Business Information\r\n\r\n\r\n\r\n\tBusiness Type\r\n\r\n\t\tOrphan");
}

TEST_F(BusinessReport, OnlyTheFirstMissionStatementAndBusinessTypeAppear)
{
    const int key = addBusiness("BusninesName", "'N'");
    folder.exec(
        QStringLiteral(
            "INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurpose) VALUES (%1, 'First'), (%1, 'Second');"
            "INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (%1, 'T1'), (%1, 'T2');")
            .arg(key));

    const QString report = buildBusinessReport(key);
    EXPECT_TRUE(report.contains("\t\tFirst"));
    EXPECT_TRUE(report.contains("\t\tT1"));
    EXPECT_FALSE(report.contains("Second"));
    EXPECT_FALSE(report.contains("T2"));
}

TEST_F(BusinessReport, NullFieldsDropTheirSeparatorSoLaterFieldsJoinTheOpenLine)
{
    // City Null: the state joins the line of address two. Null is not the same as empty.
    const int key
        = addBusiness("BusninesName, BusinessAddressTwo, BusinessState, BusinessFaxNumber", "'N', 'A2', 'S', ''");
    // First name Null: middle and last name join the otherwise empty line under the heading.
    folder.exec(QStringLiteral("INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeMiddleName, "
                               "EmployeeLastName, EmployeePosition)"
                               " VALUES (%1, 'M', 'L', '');")
                    .arg(key));

    EXPECT_EQ(buildBusinessReport(key),
              lines({QString(), "\tGeneral Business Information", QString(), "\t\tN", "\t\tA2\t\tS\t\t", QString(),
                     QString(), "\tBusiness Employee Information", "\t\tM\t\tL", "\t\t"}));
}

TEST_F(BusinessReport, ChangedDataShowsInTheNextReport)
{
    const int key = addBusiness("BusninesName", "'Before'");
    EXPECT_TRUE(buildBusinessReport(key).endsWith("\t\tBefore"));
    folder.exec("UPDATE BusinessInformation SET BusninesName = 'After';");
    EXPECT_TRUE(buildBusinessReport(key).endsWith("\t\tAfter"));
}

TEST(BusinessReportFailure, MissingDatabaseOrTableIsAnError)
{
    {
        testing_support::TempProgramFolder emptyFolder(false);
        EXPECT_THROW(buildBusinessReport(1), db::DbError);
    }
    testing_support::TempProgramFolder folder;
    folder.exec("DROP TABLE BusinessEmployees;");
    EXPECT_THROW(buildBusinessReport(1), db::DbError);
}

// The financial plan's section closes the report of a business that has a plan, and of
// no other: a business only looked at in the plan window has none.
TEST_F(BusinessReport, FinancialPlanSectionOnlyForABusinessWithAPlan)
{
    struct EnglishNumbers
    {
        EnglishNumbers() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
        ~EnglishNumbers() { QLocale::setDefault(QLocale::c()); }
    } english;
    const int planned = addBusiness(QStringLiteral("BusninesName"), QStringLiteral("'Acme Bakery'"));
    const int unplanned = addBusiness(QStringLiteral("BusninesName"), QStringLiteral("'Brook Farm'"));
    plan::Plan bakery = plan::Plan::startingAfter(QDate(2026, 12, 8));
    plan::Expense rent;
    rent.name = QStringLiteral("Rent");
    rent.amount = plan::Money::fromCents(10000);
    bakery.expenses.append(rent);
    {
        db::Connection connection;
        connection.open(folder.connectionString());
        plan::PlanStore(connection).save(planned, bakery);
    }

    const QString report = buildBusinessReport(planned);
    const qsizetype section = report.indexOf(QStringLiteral("\r\n\tFinancial Plan\r\n"));
    ASSERT_GE(section, 0) << report.toStdString();
    // The last section: nothing of another follows it.
    EXPECT_EQ(report.indexOf(QStringLiteral("\r\n\t"), section + 20),
              report.indexOf(QStringLiteral("\r\n\t\t"), section + 20));
    const QString tail = report.mid(section);
    for (const char *expected : {"\t\tGross margin: none (no revenue)", "\t\tBreak-even month: not within the plan",
                                 "\t\tCash runs out in January 2027", "\t\tLowest cash: (3,600.00) in December 2029",
                                 "\t\tYear 1: revenue 0.00, net income (1,200.00), cash at the year's end (1,200.00)",
                                 "\t\tYear 3: revenue 0.00, net income (1,200.00), cash at the year's end (3,600.00)"})
        EXPECT_TRUE(tail.contains(QLatin1String(expected))) << expected << "\n" << tail.toStdString();

    EXPECT_FALSE(buildBusinessReport(unplanned).contains(QStringLiteral("Financial Plan")));
}

TEST(BusinessReportTitle, NameAndDateShortEnoughForATitleAndAFileName)
{
    const QDate day(2026, 12, 8);
    EXPECT_EQ(documents::businessReportTitle("Acme  Bakery\r\n", day), "Acme Bakery, 2026-12-08");
    EXPECT_EQ(documents::businessReportTitle(QString(), day), "Business report, 2026-12-08");
    const QString title = documents::businessReportTitle(QString(500000, u'\u00e9'), day);
    EXPECT_LT(title.toUtf8().size(), 255 - 4); // room for ".pdf"
    EXPECT_TRUE(title.endsWith("\u2026, 2026-12-08")) << title.toStdString();
}

} // namespace
