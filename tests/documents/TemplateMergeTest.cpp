// The merge engine on its own: replacement rule, order, goal list, agent block, outcomes.
#include "documents/TemplateMerge.h"

#include <gtest/gtest.h>

using namespace documents;

namespace {

MergeInputs withTemplate(const QString &info)
{
    MergeInputs inputs;
    inputs.templateRow = MergeInputs::Template{"articles", info};
    return inputs;
}

QVariantHash businessRow()
{
    return {{"BusninesName", "Acme"},
            {"BusinessCity", "Springfield"},
            {"BusinessState", "IL"},
            {"BusinessCounty", "Sangamon"},
            {"BusinessZip", QVariant()}};
}

QVariantHash agentRow()
{
    return {{"REGISTEREDAGENTFirstName", "Ann"},      {"REGISTEREDAGENTMiddleName", "B"},
            {"REGISTEREDAGENTLastName", "Cole"},      {"REGISTEREDAGENTAddressOne", "1 Elm"},
            {"REGISTEREDAGENTAddressTwo", "Suite 2"}, {"REGISTEREDAGENTCity", "Dover"},
            {"REGISTEREDAGENTState", "DE"},           {"REGISTEREDAGENTZip", "19901"},
            {"REGISTEREDAGENTPhoneNumber", "555"}};
}

QString mergedText(const MergeInputs &inputs)
{
    return mergeTemplate(inputs).text;
}

TEST(GoalList, LineBreakBeforeEachGoalAndTwoAfterTheLast)
{
    EXPECT_EQ(goalList({}), "\r\n\r\n\r\n");
    EXPECT_EQ(goalList({"A", "B"}), "\r\n\r\nA\r\nB\r\n\r\n");
    // A Null goal adds nothing at all, an empty one an empty line.
    EXPECT_EQ(goalList({QVariant(), QString(""), "C"}), "\r\n\r\n\r\nC\r\n\r\n");
}

TEST(AgentBlock, NameAddressAndCityLinesWithNullsLeftOut)
{
    EXPECT_EQ(agentBlock(std::nullopt), QString());
    EXPECT_EQ(agentBlock(agentRow()), "\r\n\tAnn\tB\tCole\r\n1 Elm\r\nSuite 2\r\nDover\tDE\t19901\r\n");

    QVariantHash noMiddleName = agentRow();
    noMiddleName["REGISTEREDAGENTMiddleName"] = QVariant();
    noMiddleName.remove("REGISTEREDAGENTAddressTwo");
    EXPECT_EQ(agentBlock(noMiddleName), "\r\n\tAnn\t\tCole\r\n1 Elm\r\n\r\nDover\tDE\t19901\r\n");
}

TEST(TemplateMerge, DocumentStartsWithLineBreakAndCaptionNamesTheTemplate)
{
    const MergedDocument merged = mergeTemplate(withTemplate("Body"));
    EXPECT_EQ(merged.caption, "Report: articles");
    EXPECT_EQ(merged.text, "\r\nBody");
    EXPECT_EQ(mergedText(withTemplate(QString(""))), "\r\n");
}

TEST(TemplateMerge, OutcomesWithoutTemplateOrText)
{
    const MergedDocument none = mergeTemplate(MergeInputs{});
    EXPECT_FALSE(none.caption.has_value());
    EXPECT_TRUE(none.text.isEmpty());

    MergeInputs nullInfo;
    nullInfo.templateRow = MergeInputs::Template{"empty", QVariant()};
    const MergedDocument captionOnly = mergeTemplate(nullInfo);
    EXPECT_EQ(captionOnly.caption, "Report: empty");
    EXPECT_TRUE(captionOnly.text.isEmpty());
}

TEST(TemplateMerge, ReplacesEveryKnownFieldExactlyAsWritten)
{
    MergeInputs inputs = withTemplate(
        "[businessName]|[BusninesName]|[BusinessCity]|[BUSINESSCITY]|[state]|[BusinessState]|[State]|[county]"
        "|[insert type of business]|[REGISTEREDAGENTPhoneNumber]|[registeredagentstate]|[unknown]|[BusinessCity]");
    inputs.business = businessRow();
    inputs.registeredAgent = agentRow();
    inputs.businessType = "Retail";

    EXPECT_EQ(mergedText(inputs), "\r\nAcme|Acme|Springfield|[BUSINESSCITY]|IL|IL|[State]|Sangamon"
                                  "|Retail|555|DE|[unknown]|Springfield");
}

TEST(TemplateMerge, AValueGoesInOnceAndIsNeverReadAsATemplate)
{
    MergeInputs inputs = withTemplate("[BusninesName]|[county]|[[county]]|[Business[state]City]");
    inputs.business = businessRow();
    (*inputs.business)["BusninesName"] = "Acme of [county] in [BusinessCity]";
    (*inputs.business)["BusinessCounty"] = "[BusninesName]";
    (*inputs.business)["BusinessState"] = QString();
    EXPECT_EQ(mergedText(inputs), "\r\nAcme of [county] in [BusinessCity]|[BusninesName]|[[BusninesName]]"
                                  "|[BusinessCity]");

    // Values naming each other a thousand times stay their own size.
    const QString one = QStringLiteral("[BusinessAddressOne]").repeated(1000);
    const QString two = QStringLiteral("[BusinessAddressTwo]").repeated(1000);
    inputs.templateRow->info = "[BusninesName][BusinessAddressOne][BusinessAddressTwo]";
    (*inputs.business)["BusninesName"] = one;
    (*inputs.business)["BusinessAddressOne"] = two;
    (*inputs.business)["BusinessAddressTwo"] = one;
    EXPECT_EQ(mergedText(inputs), u"\r\n" + one + two + one);
}

TEST(TemplateMerge, BracketRunsAndUnclosedNamesMergeInOnePass)
{
    // Many opening brackets, or a field cut short at the end, are copied as they are.
    MergeInputs inputs = withTemplate(QString(200000, u'[') + QStringLiteral("[county]") + QString(200000, u']')
                                      + QStringLiteral("[county"));
    inputs.business = businessRow();
    EXPECT_EQ(mergedText(inputs), u"\r\n" + QString(200000, u'[') + QStringLiteral("Sangamon") + QString(200000, u']')
                                      + QStringLiteral("[county"));
}

TEST(TemplateMerge, MissingRowsAndNullColumnsLeaveTheirFieldsAsWritten)
{
    const QString body = "[BusinessCity]|[BusinessZip]|[county]|[REGISTEREDAGENTCity]|[registeredagentstate]"
                         "|[RegisteredAgent]|[list specific functions]|[insert type of business]";
    MergeInputs inputs = withTemplate(body);
    // No business, agent, type or goals: only the agent block and goal list steps run.
    EXPECT_EQ(mergedText(inputs), "\r\n[BusinessCity]|[BusinessZip]|[county]|[REGISTEREDAGENTCity]"
                                  "|[registeredagentstate]||\r\n\r\n\r\n|[insert type of business]");

    inputs.business = businessRow(); // BusinessZip is Null
    inputs.registeredAgent = agentRow();
    inputs.longTermGoals = {"Grow"};
    inputs.businessType = QVariant(); // the first type row's column is Null
    EXPECT_EQ(mergedText(inputs),
              "\r\nSpringfield|[BusinessZip]|Sangamon|Dover|DE|\r\n\tAnn\tB\tCole\r\n1 Elm\r\nSuite 2\r\n"
              "Dover\tDE\t19901\r\n|\r\n\r\nGrow\r\n\r\n|[insert type of business]");
}

TEST(TemplateMerge, LargeDocumentsMergeAsOneWholeText)
{
    // A large template; values carry line breaks and the names of other fields.
    QString body;
    for (int line = 0; line < 3000; ++line) {
        body += QStringLiteral("Line %1 [BusninesName] [list specific functions][county] [BusinessCity]").arg(line);
        body += line % 7 ? "\r\n" : " [RegisteredAgent] ";
    }
    MergeInputs inputs = withTemplate(body);
    inputs.business = businessRow();
    (*inputs.business)["BusninesName"] = "Acme\r\n[county]";
    inputs.registeredAgent = agentRow();
    inputs.longTermGoals = {"[BusinessCity]", "Grow"};

    // Every field of each line, filled from the line's own text only.
    QString expected = "\r\n";
    const QString agent = agentBlock(inputs.registeredAgent);
    const QString goals = goalList(inputs.longTermGoals);
    for (int line = 0; line < 3000; ++line) {
        expected += QStringLiteral("Line %1 Acme\r\n[county] %2Sangamon Springfield").arg(line).arg(goals);
        expected += line % 7 ? QStringLiteral("\r\n") : u' ' + agent + u' ';
    }
    EXPECT_EQ(mergedText(inputs), expected);
}

} // namespace

namespace {

TEST(FieldsWithoutValue, EachUnfilledFieldIsListedOnceInTheOrderItFirstOccurs)
{
    MergeInputs inputs = withTemplate("[county] [BusinessZip] [businessName]\r\n"
                                      "[BusinessZip] [REGISTEREDAGENTFirstName] [NotAField] [county]"
                                      " [insert type of business]");
    inputs.business = businessRow();
    const MergedDocument merged = mergeTemplate(inputs);
    // County is filled; the Null zip, the missing agent and the missing type are not.
    // A name the merge does not know is no field of it.
    EXPECT_EQ(merged.fieldsWithoutValue,
              QStringList({"[BusinessZip]", "[REGISTEREDAGENTFirstName]", "[insert type of business]"}));
    EXPECT_TRUE(merged.text.contains("[BusinessZip] [REGISTEREDAGENTFirstName]"));
}

TEST(FieldsWithoutValue, OnlyFieldsTheDocumentHoldsAfterTheMergeCount)
{
    // Without a business row every business field lacks a value, but only the ones in
    // the template are named; a field's name inside an agent's value is only text.
    MergeInputs inputs = withTemplate("[RegisteredAgent] of [state]");
    QVariantHash agent = agentRow();
    agent.insert("REGISTEREDAGENTFirstName", "[county]");
    inputs.registeredAgent = agent;
    EXPECT_EQ(mergeTemplate(inputs).fieldsWithoutValue, QStringList({"[state]"}));

    inputs.business = businessRow();
    EXPECT_TRUE(mergeTemplate(inputs).fieldsWithoutValue.isEmpty());
    EXPECT_TRUE(mergeTemplate(MergeInputs{}).fieldsWithoutValue.isEmpty());
}

} // namespace
