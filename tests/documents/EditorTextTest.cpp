// Text handling of the editor: inserting merge fields and line breaks in and out of text boxes.
#include "documents/LineBreaks.h"
#include "documents/MergeFieldInsertion.h"

#include <gtest/gtest.h>

using namespace documents;

namespace {

TEST(MergeFieldInsertion, AtTheCaretOrOverTheSelection)
{
    const QString text = "Dear sir";
    EXPECT_EQ(insertMergeField(text, 0, 0, "county"), "[county]Dear sir");
    EXPECT_EQ(insertMergeField(text, 8, 0, "county"), "Dear sir[county]");
    EXPECT_EQ(insertMergeField(text, 5, 3, "BusninesName"), "Dear [BusninesName]");
    EXPECT_EQ(insertMergeField(text, 0, 4, "x"), "[x] sir");
    // No field chosen still puts in the brackets.
    EXPECT_EQ(insertMergeField(QString(), 0, 0, QString()), "[]");
}

TEST(MergeFieldInsertion, OutOfRangeSelectionStaysInsideTheText)
{
    EXPECT_EQ(insertMergeField("ab", 5, 3, "x"), "ab[x]");
    EXPECT_EQ(insertMergeField("ab", 1, 9, "x"), "a[x]");
}

TEST(LineBreaks, TextBoxesUseLineFeedsStoredTextCrLf)
{
    EXPECT_EQ(withDisplayLineBreaks("\r\na\r\n\r\nb"), "\na\n\nb");
    EXPECT_EQ(withStoredLineBreaks("\na\n\nb"), "\r\na\r\n\r\nb");
    // Already stored text is left as it is.
    EXPECT_EQ(withStoredLineBreaks("a\r\nb"), "a\r\nb");
}

} // namespace
