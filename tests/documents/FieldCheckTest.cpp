// The editor's check of bracketed names against the merge fields.
#include "documents/FieldCheck.h"
#include "documents/LineBreaks.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <ostream>

using documents::describe;
using documents::unknownFields;

namespace {

QStringList descriptions(const QString &text)
{
    QStringList found;
    for (const auto &field : unknownFields(text))
        found << describe(field);
    return found;
}

struct Case
{
    const char *text;
    QStringList expected;
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.expected.size() << " unknown fields in " << std::char_traits<char>::length(c.text) << " characters";
}

class FieldCheck : public ::testing::TestWithParam<Case>
{ };

TEST_P(FieldCheck, NamesTheUnknownFieldsWithTheirLineAndTheNearestKnownOne)
{
    EXPECT_EQ(descriptions(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FieldCheck,
    ::testing::Values(
        // Known fields, written as the merge matches them, pass.
        Case{"[businessName] [county] [list specific functions]\n[REGISTEREDAGENTEMailAddress]", {}},
        // A typing slip; the two address fields tie and the first in the list is offered.
        Case{"Office:\n[BusinessAdress]", {"Line 2: [BusinessAdress]: did you mean [BusinessAddressOne]?"}},
        // Case counts in the merge, so other capitals are unknown; the name in the
        // right case is the nearest.
        Case{"[State] [BUSINESSCITY]",
             {"Line 1: [State]: did you mean [state]?", "Line 1: [BUSINESSCITY]: did you mean [BusinessCity]?"}},
        // Nothing near: no guess.
        Case{"[Seal]\n\n[]", {"Line 1: [Seal] is not a merge field.", "Line 3: [] is not a merge field."}},
        // The innermost bracket opens the name; a name never spans a line end.
        Case{"[[county]] [open\nclose] [ok", {}},
        Case{"\r\n[countyy]", {"Line 2: [countyy]: did you mean [county]?"}}));

TEST(FieldCheckPositions, EachOccurrenceIsMarkedWhereItStands)
{
    const QString text = "ab [Sael]\n[Sael]";
    const auto found = unknownFields(text);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].position, 3);
    EXPECT_EQ(found[1].position, 10);
    EXPECT_EQ(text.mid(found[1].position, found[1].written.size()), "[Sael]");
    EXPECT_EQ(found[1].line, 2);
}

TEST(FieldCheckPositions, AHugeBracketedPassageIsNotCompared)
{
    const QString text = u'[' + QString(100000, u'x') + u']';
    const auto found = unknownFields(text);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_FALSE(found[0].suggestion.has_value());
}

TEST(FieldCheckPositions, ManyUnknownNamesAreCountedAndOnlyTheFirstListed)
{
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("[Fld%1] [county] [Sael]\n").arg(i);
    const documents::FieldCheckResult check = documents::checkFieldNames(text, 500);
    EXPECT_EQ(check.total, 200000);
    ASSERT_EQ(check.fields.size(), 500u);
    EXPECT_EQ(describe(check.fields[498]), "Line 250: [Fld249] is not a merge field.");
    EXPECT_EQ(check.fields[499].written, "[Sael]");
    EXPECT_EQ(check.fields[499].line, 250);
    EXPECT_EQ(text.mid(check.fields[499].position, 6), "[Sael]");
}

TEST(FieldCheckPositions, AHugeNameIsDescribedByItsEnds)
{
    const QString text = QStringLiteral("[start") + QString(100000, u'x') + QStringLiteral("end]");
    const auto found = unknownFields(text);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].written.size(), text.size()); // marked whole in the text
    const QString shown = describe(found[0]);
    EXPECT_LT(shown.size(), 120);
    EXPECT_TRUE(shown.startsWith("Line 1: [startxx")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("xxend] is not a merge field.")) << shown.toStdString();
}

TEST(LongestUnbrokenRun, CountsTheLongestStretchWithoutSpaceOrLineBreak)
{
    EXPECT_EQ(documents::longestUnbrokenRun(u""), 0);
    EXPECT_EQ(documents::longestUnbrokenRun(u"ab cde\nfg"), 3);
    EXPECT_EQ(documents::longestUnbrokenRun(u"a\tbb\r\nccc   "), 3);
    EXPECT_EQ(documents::longestUnbrokenRun(QString(QString(100000, u'x') + u" y")), 100000);
}

} // namespace
