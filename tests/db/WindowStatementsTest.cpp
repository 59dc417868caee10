// Every statement text the windows write runs through the data layer as written.
#include "db/Command.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace db;
using testing_support::TempProgramFolder;

namespace {

struct StatementCase
{
    const char *database; // "business" or "rss"
    const char *sql;
    int expectedRows; // rows returned, or -1 for a statement without rows
};

void PrintTo(const StatementCase &c, std::ostream *os)
{
    *os << c.database << " database, " << c.expectedRows << " rows";
}

const StatementCase Cases[] = {
    {"business", "Select * from [ARTICLESOFINCORPORATION]", 3},
    {"business", "select ReportName,Info from ARTICLESOFINCORPORATION", 3},
    {"business",
     "select BusinessInformationId,BusinessInformationDate,BusninesName,BusinessAddressOne,BusinessAddressTwo,"
     "BusinessCity,BusinessState,BusinessZip,BusinessCounty,BusinessPhoneNumber,BusinessFaxNumber,"
     "BusinessWebSiteURL,BusinessEMailAddress from BusinessInformation Order by BusinessInformationId",
     2},
    {"business",
     "select BusinessPurposeId,BusinessPurposeDate,BusinessInformationId,BusinessPurpose from BusinessPurpose "
     "WHERE BusinessInformationId = 1  Order by BusinessPurposeId",
     1},
    {"business",
     "select BusinessTypeId,BusinessTypeDate,BusinessInformationId,BusinessType from BusinessType "
     "WHERE BusinessInformationId = 1  Order by BusinessTypeId",
     1},
    {"business",
     "select BusinessPerspectiveID,BusinessPerspectiveDate,BusinessInformationId,BusinessConcept,"
     "BusinessTypeOfCustomers,MethodToReachTarget,ReasonForBusinessMarket from BusinessPerspective "
     "WHERE BusinessInformationId = 1  Order by BusinessPerspectiveID",
     1},
    {"business",
     "select EmpyoleeId,EmployeeDate,BusinessInformationId,EmployeeFirstName,EmployeeMiddleName,"
     "EmployeeLastName,EmployeePosition,EmployeeQualifications from BusinessEmployees "
     "WHERE BusinessInformationId = 1  Order by EmpyoleeId",
     2},
    {"business",
     "select BusinessLongTermGoalID,BusinessLongTermGoalDate,BusinessInformationId,BusinessLongTermGoal "
     "from [Business Long Term Goal] WHERE BusinessInformationId = 1  Order by BusinessLongTermGoalID",
     1},
    {"business",
     "select BusinessShortTermGoalID,BusinessShortTermGoalDate,BusinessInformationId,BusinessShortTermGoal "
     "from [Business Short Term Goal] WHERE BusinessInformationId = 1  Order by BusinessShortTermGoalID",
     1},
    {"business", "Select * from [Business Long Term Goal] where BusinessInformationId = 1", 1},
    {"business", "Select * from [Business Short Term Goal] where BusinessInformationId = 1", 1},
    {"business", "Select * from [BusinessEmployees] where BusinessInformationId = 1", 2},
    {"business", "Select * from [BusinessInformation] where BusinessInformationId = 1", 1},
    {"business", "Select * from [BusinessPurpose] where BusinessInformationId = 1", 1},
    {"business", "Select * from [BusinessType] where BusinessInformationId = 1", 1},
    {"business", "Select * from [REGISTEREDAGENT] where BusinessInformationId = 1", 1},
    {"business", "Select * from [BusinessInformation] where BusinessInformationId = -1", 0},
    {"business", "Select * from [ARTICLESOFINCORPORATION] where ReportName ='Articles of incorporation'", 1},
    {"business", "select * from [ARTICLESOFINCORPORATION] where ReportName = 'BYLAWS'", 1},
    {"business", "Select * from [MasterField]", 29},
    {"rss", "select * from Tbl_Rss_Feed_Items", 2},
    {"rss",
     "INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink, RssFeedDescription) values  "
     "('It''s new', 'http://example.com/a', 'A ''quoted'' text')",
     -1},
    {"rss",
     "UPDATE Tbl_Rss_Feed_Items SET Tbl_Rss_Feed_Items.RssFeedItemTitle = 'T', Tbl_Rss_Feed_Items.RssFeedItemLink = "
     "'L', Tbl_Rss_Feed_Items.RssFeedDescription = 'D'  WHERE (((Tbl_Rss_Feed_Items.RssFeedItemId)=1));",
     -1},
    {"rss", "SELECT Tbl_Rss_Feed_Items.* From Tbl_Rss_Feed_Items WHERE (Tbl_Rss_Feed_Items.Twittered =No);", 2},
    {"rss", "UPDATE Tbl_Rss_Feed_Items SET Tbl_Rss_Feed_Items.Twittered = Yes;", -1},
    {"rss",
     "DELETE Tbl_Rss_Feed_Items.RssFeedItemId From Tbl_Rss_Feed_Items WHERE (((Tbl_Rss_Feed_Items.RssFeedItemId)=2));",
     -1},
};

class WindowStatements : public ::testing::TestWithParam<StatementCase>
{
protected:
    void SetUp() override
    {
        folder = std::make_unique<TempProgramFolder>();
        folder->exec(QStringLiteral(
            "INSERT INTO BusinessInformation (BusninesName) VALUES ('Sample Tools'), ('Other');"
            "INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurpose) VALUES (1, 'Make tools');"
            "INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (1, 'Retail');"
            "INSERT INTO BusinessPerspective (BusinessInformationId, BusinessConcept) VALUES (1, 'Tools');"
            "INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeFirstName) VALUES (1, 'F1'), (1, 'F2');"
            "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES (1, 'Grow');"
            "INSERT INTO [Business Short Term Goal] (BusinessInformationId, BusinessShortTermGoal) VALUES (1, 'Open');"
            "INSERT INTO REGISTEREDAGENT (BusinessInformationId, REGISTEREDAGENTFirstName) VALUES (1, 'Ann');"));
        Connection rss;
        rss.open(ConnectionStrings::rss());
        rss.executeScript(QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES ('one'), ('two');"));
    }

    std::unique_ptr<TempProgramFolder> folder;
};

TEST_P(WindowStatements, RunAsWritten)
{
    const StatementCase &c = GetParam();
    Connection connection;
    connection.open(QLatin1String(c.database) == QLatin1String("rss") ? ConnectionStrings::rss()
                                                                      : ConnectionStrings::document());
    Command command;
    command.setActiveConnection(&connection);
    command.setCommandText(QString::fromUtf8(c.sql));
    std::unique_ptr<Recordset> result;
    try {
        result = command.execute();
    } catch (const DbError &error) {
        FAIL() << c.sql << "\n-> " << error.description().toStdString();
    }
    if (c.expectedRows < 0)
        EXPECT_FALSE(result->isOpen());
    else
        EXPECT_EQ(result->recordCount(), c.expectedRows) << c.sql;
}

INSTANTIATE_TEST_SUITE_P(All, WindowStatements, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<StatementCase> &testCase) {
                             return "Statement" + std::to_string(testCase.index + 1);
                         });

class RssEffects : public ::testing::Test
{
protected:
    void SetUp() override
    {
        connection.open(ConnectionStrings::rss());
        connection.executeScript(
            QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES ('one'), ('two');"));
    }
    QStringList rows(const QString &sql)
    {
        Recordset rs;
        rs.open(sql, connection);
        QStringList out;
        for (int r = 0; r < rs.recordCount(); ++r) {
            QStringList fields;
            for (int c = 0; c < rs.columnCount(); ++c)
                fields << rs.valueAt(r, c).toString();
            out << fields.join(u'|');
        }
        return out;
    }
    TempProgramFolder folder;
    Connection connection;
};

TEST_F(RssEffects, JetFormsChangeExactlyTheNamedRows)
{
    EXPECT_EQ(rows(QStringLiteral("select RssFeedItemId, Twittered from Tbl_Rss_Feed_Items")),
              (QStringList{"1|0", "2|0"}))
        << "new items are not yet announced";
    connection.execute(QStringLiteral("UPDATE Tbl_Rss_Feed_Items SET Tbl_Rss_Feed_Items.RssFeedItemTitle = 'It''s'  "
                                      "WHERE (((Tbl_Rss_Feed_Items.RssFeedItemId)=2));"));
    connection.execute(QStringLiteral("DELETE Tbl_Rss_Feed_Items.RssFeedItemId From Tbl_Rss_Feed_Items "
                                      "WHERE (((Tbl_Rss_Feed_Items.RssFeedItemId)=1));"));
    connection.execute(QStringLiteral("UPDATE Tbl_Rss_Feed_Items SET Tbl_Rss_Feed_Items.Twittered = Yes;"));
    EXPECT_EQ(rows(QStringLiteral("select RssFeedItemId, RssFeedItemTitle, Twittered from Tbl_Rss_Feed_Items")),
              QStringList{"2|It's|1"});
    EXPECT_TRUE(rows(QStringLiteral("SELECT Tbl_Rss_Feed_Items.* From Tbl_Rss_Feed_Items "
                                    "WHERE (Tbl_Rss_Feed_Items.Twittered =No);"))
                    .isEmpty());
}

TEST_F(RssEffects, ACommandRunsAStatementWithoutRowsOnceAndGivesAClosedRecordset)
{
    Command command;
    command.setActiveConnection(&connection);
    command.setCommandText(QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES (?)"));
    command.setParameters({QStringLiteral("three")});
    EXPECT_FALSE(command.execute()->isOpen());
    EXPECT_EQ(rows(QStringLiteral("select RssFeedItemTitle from Tbl_Rss_Feed_Items where RssFeedItemTitle = 'three'")),
              QStringList{"three"});
    command.setCommandText(QStringLiteral("select RssFeedItemTitle from Tbl_Rss_Feed_Items order by 1"));
    command.setParameters({});
    EXPECT_EQ(command.execute()->recordCount(), 3);
}

TEST(TextComparison, IgnoresCaseForEveryLetterAndTakesAnyNameAsParameter)
{
    TempProgramFolder folder;
    folder.exec(QStringLiteral("INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES "
                               "('été', 'summer'), ('o''brien''s', 'quoted'), ('straße', 'street');"));
    Connection connection;
    connection.open(ConnectionStrings::document());
    Recordset rs;
    rs.open(QStringLiteral("Select * from [ARTICLESOFINCORPORATION] where ReportName ='ÉTÉ'"), connection);
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("Info")).toString(), "summer");

    rs.open(QStringLiteral("Select * from [ARTICLESOFINCORPORATION] where ReportName = ?"), connection,
            CursorType::Static, LockType::Optimistic, {QStringLiteral("O'Brien's")});
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("Info")).toString(), "quoted");
    rs.setValue(QStringLiteral("Info"), QStringLiteral("changed"));
    rs.update();
    EXPECT_EQ(folder.scalar(QStringLiteral("select Info from ARTICLESOFINCORPORATION where ReportId = 5")), "changed");

    rs.open(QStringLiteral("select ReportName from ARTICLESOFINCORPORATION where ReportName = 'STRASSE'"), connection);
    EXPECT_EQ(rs.recordCount(), 0) << "simple case folding: a different spelling is a different name";
}

} // namespace
