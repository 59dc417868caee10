// Text handling of the editor: inserting merge fields and line breaks in and out of text boxes.
#include "documents/LineBreaks.h"
#include "documents/MergeFieldInsertion.h"

#include <gtest/gtest.h>

using namespace documents;

namespace {

TEST(MergeFieldInsertion, AtTheCaretOrOverTheSelection)
{
    const QString text = QStringLiteral("Dear sir");
    EXPECT_EQ(insertMergeField(text, 0, 0, QStringLiteral("county")), QStringLiteral("[county]Dear sir"));
    EXPECT_EQ(insertMergeField(text, 8, 0, QStringLiteral("county")), QStringLiteral("Dear sir[county]"));
    EXPECT_EQ(insertMergeField(text, 5, 3, QStringLiteral("BusninesName")), QStringLiteral("Dear [BusninesName]"));
    EXPECT_EQ(insertMergeField(text, 0, 4, QStringLiteral("x")), QStringLiteral("[x] sir"));
    // No field chosen still puts in the brackets.
    EXPECT_EQ(insertMergeField(QString(), 0, 0, QString()), QStringLiteral("[]"));
}

TEST(MergeFieldInsertion, OutOfRangeSelectionStaysInsideTheText)
{
    EXPECT_EQ(insertMergeField(QStringLiteral("ab"), 5, 3, QStringLiteral("x")), QStringLiteral("ab[x]"));
    EXPECT_EQ(insertMergeField(QStringLiteral("ab"), 1, 9, QStringLiteral("x")), QStringLiteral("a[x]"));
}

TEST(LineBreaks, TextBoxesUseLineFeedsStoredTextCrLf)
{
    EXPECT_EQ(withDisplayLineBreaks(QStringLiteral("\r\na\r\n\r\nb")), QStringLiteral("\na\n\nb"));
    EXPECT_EQ(withStoredLineBreaks(QStringLiteral("\na\n\nb")), QStringLiteral("\r\na\r\n\r\nb"));
    // Already stored text is left as it is.
    EXPECT_EQ(withStoredLineBreaks(QStringLiteral("a\r\nb")), QStringLiteral("a\r\nb"));
}

} // namespace
