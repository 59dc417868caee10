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
        folder.exec(QStringLiteral(
            "DELETE FROM ARTICLESOFINCORPORATION;"
            "INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES ('articles', 'first'), ('articles', "
            "'second'),"
            " ('owner''s deed', 'quoted');"
            "INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme');"
            "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) VALUES (1, 'G1'), (1, "
            "NULL), (1, 'G3');"
            "INSERT INTO REGISTEREDAGENT (BusinessInformationId, REGISTEREDAGENTFirstName) VALUES (1, 'Ann'), (1, "
            "'Bob');"
            "INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (1, 'Retail'), (1, 'Wholesale');"));
    }

    testing_support::TempProgramFolder folder;
};

TEST_F(MergeInputsLoader, ReadsTheFirstRowsAndEveryGoalOfTheBusiness)
{
    const auto inputs = loadMergeInputs(QStringLiteral("articles"), 1);
    ASSERT_TRUE(inputs.templateRow && inputs.business && inputs.registeredAgent);
    EXPECT_EQ(inputs.templateRow->info, QStringLiteral("first"));
    EXPECT_EQ(inputs.business->value(QStringLiteral("BusninesName")), QStringLiteral("Acme"));
    EXPECT_FALSE(inputs.business->value(QStringLiteral("BusinessCity")).isValid());
    EXPECT_EQ(inputs.registeredAgent->value(QStringLiteral("REGISTEREDAGENTFirstName")), QStringLiteral("Ann"));
    EXPECT_EQ(inputs.businessType, QStringLiteral("Retail"));
    ASSERT_EQ(inputs.longTermGoals.size(), 3);
    EXPECT_EQ(inputs.longTermGoals[0], QStringLiteral("G1"));
    EXPECT_FALSE(inputs.longTermGoals[1].isValid());
}

TEST_F(MergeInputsLoader, FindsTemplateIgnoringCaseAndWithQuotesInItsName)
{
    const auto capitalised = loadMergeInputs(QStringLiteral("Articles"), 1);
    ASSERT_TRUE(capitalised.templateRow);
    EXPECT_EQ(capitalised.templateRow->reportName, QStringLiteral("articles"));

    const auto quoted = loadMergeInputs(QStringLiteral("Owner's deed"), 1);
    ASSERT_TRUE(quoted.templateRow);
    EXPECT_EQ(quoted.templateRow->info, QStringLiteral("quoted"));

    EXPECT_FALSE(loadMergeInputs(QStringLiteral("' OR 1=1 --"), 1).templateRow);
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
    folder.exec(QStringLiteral("DROP TABLE REGISTEREDAGENT;"));
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
