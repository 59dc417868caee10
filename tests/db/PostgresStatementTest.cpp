// Statements as the windows write them, rewritten for PostgreSQL.
#include "db/postgres/PostgresStatement.h"
#include "db/DbError.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace db;

namespace {

QString pg(const char *jet)
{
    return translateToPostgres(QString::fromUtf8(jet)).text;
}

TEST(PostgresDialect, NamesKeepTheSchemaSpellingWhateverCaseTheStatementUses)
{
    EXPECT_EQ(pg("Select * from [Business Long Term Goal] where businessinformationid = 5"),
              QStringLiteral("Select * from \"Business Long Term Goal\" where \"BusinessInformationId\" = 5"));
    EXPECT_EQ(
        pg("select BusninesName, `Info` from ARTICLESOFINCORPORATION order by ReportId"),
        QStringLiteral("select \"BusninesName\", \"Info\" from \"ARTICLESOFINCORPORATION\" order by \"ReportId\""));
    EXPECT_EQ(pg("SELECT Tbl_Rss_Feed_Items.* From Tbl_Rss_Feed_Items"),
              QStringLiteral("SELECT \"Tbl_Rss_Feed_Items\".* From \"Tbl_Rss_Feed_Items\""));
    // A name the schema does not know: a function stays a function, an alias keeps its case.
    EXPECT_EQ(pg("SELECT count(*) AS Total FROM MasterField"),
              QStringLiteral("SELECT count(*) AS \"Total\" FROM \"MasterField\""));
}

TEST(PostgresDialect, JetStatementFormsBecomePostgresForms)
{
    EXPECT_EQ(pg("UPDATE [Business Short Term Goal] SET BusinessShortTermGoal = ? WHERE _rowid_ = ?"),
              QStringLiteral("UPDATE \"Business Short Term Goal\" SET \"BusinessShortTermGoal\" = $1 WHERE "
                             "\"BusinessShortTermGoalID\" = $2"));
    EXPECT_EQ(pg("UPDATE Tbl_Rss_Feed_Items SET Tbl_Rss_Feed_Items.Twittered = Yes WHERE ((RssFeedItemId = 3));"),
              QStringLiteral("UPDATE \"Tbl_Rss_Feed_Items\" SET \"Twittered\" = 1 WHERE ((\"RssFeedItemId\" = 3))"));
    EXPECT_EQ(pg("DELETE Tbl_Rss_Feed_Items.RssFeedItemTitle FROM Tbl_Rss_Feed_Items WHERE (RssFeedItemId = 4) ; ; "),
              QStringLiteral("DELETE FROM \"Tbl_Rss_Feed_Items\" WHERE (\"RssFeedItemId\" = 4)"));
    // Only a target list goes: a misplaced WHERE stays for the server to refuse, rather
    // than the statement losing its condition and emptying the table.
    EXPECT_EQ(pg("DELETE WHERE MasterFieldId = 2 FROM MasterField"),
              QStringLiteral("DELETE WHERE \"MasterFieldId\" = 2 FROM \"MasterField\""));
    EXPECT_EQ(pg("select * from Tbl_Rss_Feed_Items where Twittered = No or Twittered = True"),
              QStringLiteral("select * from \"Tbl_Rss_Feed_Items\" where \"Twittered\" = 0 or \"Twittered\" = 1"));
}

TEST(PostgresDialect, TextInsideLiteralsIsLeftAlone)
{
    EXPECT_EQ(
        pg("INSERT INTO MasterField (MasterFieldName) VALUES ('Yes [x] BusninesName ?; it''s')"),
        QStringLiteral("INSERT INTO \"MasterField\" (\"MasterFieldName\") VALUES ('Yes [x] BusninesName ?; it''s')"));
    // Jet reads "text" as a string unless it names a column.
    EXPECT_EQ(pg("select * from MasterField where MasterFieldName = \"say \"\"hi\"\"\""),
              QStringLiteral("select * from \"MasterField\" where \"MasterFieldName\" = 'say \"hi\"'"));
    EXPECT_EQ(pg("select \"reportname\" from ARTICLESOFINCORPORATION"),
              QStringLiteral("select \"ReportName\" from \"ARTICLESOFINCORPORATION\""));
    // PostgreSQL would read E'...' as a text in which \' does not end it.
    EXPECT_EQ(pg("select * from MasterField where MasterFieldName = E'a\\' or 1 = 1 --'"),
              QStringLiteral("select * from \"MasterField\" where \"MasterFieldName\" = E 'a\\' or 1 = 1"));
}

TEST(PostgresDialect, PlaceholdersAreNumberedOutsideLiteralsOnly)
{
    const PostgresStatement statement = translateToPostgres(
        QStringLiteral("INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES (?, '?' || ?)"));
    EXPECT_EQ(
        statement.text,
        QStringLiteral("INSERT INTO \"ARTICLESOFINCORPORATION\" (\"ReportName\", \"Info\") VALUES ($1, '?' || $2)"));
    EXPECT_EQ(statement.parameterCount, 2);
}

TEST(PostgresDialect, LikeIgnoresCaseThroughACollationThatAllowsIt)
{
    EXPECT_EQ(pg("select * from BusinessInformation where BusninesName like '%été%'"),
              QStringLiteral("select * from \"BusinessInformation\" where \"BusninesName\" COLLATE \"und-x-icu\" "
                             "ILIKE '%été%'"));
    EXPECT_EQ(pg("select * from BusinessInformation where BusinessInformation.BusinessCity NOT LIKE 'a%'"),
              QStringLiteral("select * from \"BusinessInformation\" where \"BusinessInformation\".\"BusinessCity\" "
                             "COLLATE \"und-x-icu\" NOT ILIKE 'a%'"));
}

TEST(PostgresDialect, ASecondStatementIsRefused)
{
    try {
        translateToPostgres(QStringLiteral("DELETE FROM MasterField; DROP TABLE MasterField"));
        FAIL() << "no error";
    } catch (const DbError &error) {
        EXPECT_EQ(error.description(), QStringLiteral("Only one statement can be run at a time."));
    }
}

} // namespace
