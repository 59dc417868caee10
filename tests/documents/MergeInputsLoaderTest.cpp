// What the merge reads from the database: lookups by name, first rows, failures.
#include "documents/MergeInputsLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using documents::loadMergeInputs;

namespace {

class MergeInputsLoader : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.exec(
            "DELETE FROM ARTICLESOFINCORPORATION;"
            "INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES ('articles', 'first'), ('articles', "
            "'second'),"
            " ('owner''s deed', 'quoted');"
            "INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme');"
            "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES (1, 'G1'), (1, "
            "NULL), (1, 'G3');"
            "INSERT INTO REGISTEREDAGENT (BusinessInformationId, REGISTEREDAGENTFirstName) VALUES (1, 'Ann'), (1, "
            "'Bob');"
            "INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (1, 'Retail'), (1, 'Wholesale');");
    }

    testing_support::TempProgramFolder folder;
};

TEST_F(MergeInputsLoader, ReadsTheFirstRowsAndEveryGoalOfTheBusiness)
{
    const auto inputs = loadMergeInputs(QStringLiteral("articles"), 1);
    ASSERT_TRUE(inputs.templateRow && inputs.business && inputs.registeredAgent);
    EXPECT_EQ(inputs.templateRow->info, "first");
    EXPECT_EQ(inputs.business->value("BusninesName"), "Acme");
    EXPECT_FALSE(inputs.business->value("BusinessCity").isValid());
    EXPECT_EQ(inputs.registeredAgent->value("REGISTEREDAGENTFirstName"), "Ann");
    EXPECT_EQ(inputs.businessType, "Retail");
    ASSERT_EQ(inputs.longTermGoals.size(), 3);
    EXPECT_EQ(inputs.longTermGoals[0], "G1");
    EXPECT_FALSE(inputs.longTermGoals[1].isValid());
}

TEST_F(MergeInputsLoader, FindsTemplateIgnoringCaseAndWithQuotesInItsName)
{
    const auto capitalised = loadMergeInputs(QStringLiteral("Articles"), 1);
    ASSERT_TRUE(capitalised.templateRow);
    EXPECT_EQ(capitalised.templateRow->reportName, "articles");

    const auto quoted = loadMergeInputs(QStringLiteral("Owner's deed"), 1);
    ASSERT_TRUE(quoted.templateRow);
    EXPECT_EQ(quoted.templateRow->info, "quoted");

    EXPECT_FALSE(loadMergeInputs("' OR 1=1 --", 1).templateRow);
}

TEST_F(MergeInputsLoader, UnknownBusinessGivesNoRows)
{
    const auto inputs = loadMergeInputs(QStringLiteral("articles"), 99);
    EXPECT_TRUE(inputs.templateRow);
    EXPECT_FALSE(inputs.business || inputs.registeredAgent || inputs.businessType.isValid());
    EXPECT_TRUE(inputs.longTermGoals.isEmpty());
}

TEST_F(MergeInputsLoader, AFailingQuerySkipsOnlyItsOwnPart)
{
    folder.exec("DROP TABLE REGISTEREDAGENT;");
    const auto inputs = loadMergeInputs(QStringLiteral("articles"), 1);
    EXPECT_FALSE(inputs.registeredAgent);
    EXPECT_TRUE(inputs.templateRow && inputs.business && inputs.businessType.isValid());
}

TEST(MergeInputsLoaderFailure, UnreadableDatabaseGivesEmptyInputs)
{
    testing_support::TempProgramFolder folder(false);
    const auto inputs = loadMergeInputs(QStringLiteral("articles"), 1);
    EXPECT_FALSE(inputs.templateRow || inputs.business || inputs.registeredAgent);
    EXPECT_TRUE(inputs.longTermGoals.isEmpty());
}

} // namespace
