#include "documents/TextPrinter.h"
#include "documents/PrintError.h"
#include "documents/PrintSurface.h"

#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using documents::RecordingSurface;
using documents::TextPrinter;

namespace {

// On the recording surface at 10 points (2 mm by 4 mm per character) an A4 page takes
// 64 lines of 85 characters within its 20 mm margins.
constexpr int linesPerPage = 64;
constexpr int charactersPerLine = 85;

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int line = 0; line < count; ++line)
        lines << QStringLiteral("Line %1").arg(line);
    return lines;
}

QStringList printedTexts(const RecordingSurface &surface)
{
    QStringList texts;
    for (const auto &text : surface.texts)
        texts << text.text;
    return texts;
}

} // namespace

TEST(TextPrinter, EveryLineEndStartsALineAndLongTextsContinueOnNextPages)
{
    const QStringList lines = numberedLines(200);
    RecordingSurface surface;
    TextPrinter::print(lines.join("\r\n"), surface);

    EXPECT_EQ(printedTexts(surface), lines);
    EXPECT_EQ(surface.pageBreaks(), 3);
    EXPECT_EQ(surface.endedDocuments, 1);
    const auto &firstOnSecondPage = surface.texts[linesPerPage];
    EXPECT_EQ(firstOnSecondPage.page, 1);
    EXPECT_DOUBLE_EQ(firstOnSecondPage.y, 20);
    EXPECT_DOUBLE_EQ(firstOnSecondPage.x, 20);
    EXPECT_TRUE(firstOnSecondPage.font.fixedPitch());

    // Empty lines keep their place; a bare LF or CR also ends a line.
    RecordingSurface mixed;
    TextPrinter::print("a\r\n\r\nb\nc\rd", mixed);
    EXPECT_EQ(printedTexts(mixed), (QStringList{"a", "b", "c", "d"}));
    EXPECT_DOUBLE_EQ(mixed.texts[1].y, 28);
    EXPECT_DOUBLE_EQ(mixed.texts[3].y, 36);
}

TEST(TextPrinter, TabsStopEveryEightCharacters)
{
    EXPECT_EQ(TextPrinter::expandTabs("\t\tSpringfield\t\tIL"),
              QString(16, u' ') + QStringLiteral("Springfield") + QString(13, u' ') + QStringLiteral("IL"));
    EXPECT_EQ(TextPrinter::expandTabs("abcdefgh\tx"), "abcdefgh        x");

    RecordingSurface surface;
    TextPrinter::print("\r\n\tGeneral Business Information", surface);
    ASSERT_EQ(surface.texts.size(), 1u);
    EXPECT_EQ(surface.texts[0].text, QString(8, u' ') + QStringLiteral("General Business Information"));
}

TEST(TextPrinter, LongLinesWrapAtSpacesUnderTheirIndentation)
{
    const RecordingSurface surface;
    const QString indent(16, u' ');
    QStringList words;
    for (int word = 0; word < 60; ++word)
        words << QStringLiteral("word%1").arg(word);
    const QStringList wrapped = TextPrinter::wrapLine(indent + words.join(u' '), charactersPerLine * 2, surface);

    ASSERT_GT(wrapped.size(), 1);
    QStringList rejoined;
    for (const QString &line : wrapped) {
        EXPECT_LE(line.size(), charactersPerLine) << line.toStdString();
        EXPECT_TRUE(line.startsWith(indent + QStringLiteral("word"))) << line.toStdString();
        rejoined << line.split(u' ', Qt::SkipEmptyParts);
    }
    EXPECT_EQ(rejoined, words);

    // A word longer than the line is cut where the line ends.
    const QString longWord(200, u'x');
    EXPECT_EQ(TextPrinter::wrapLine(longWord, charactersPerLine * 2, surface),
              (QStringList{longWord.left(85), longWord.mid(85, 85), longWord.mid(170)}));
    EXPECT_EQ(TextPrinter::wrapLine(QString(200, u' '), charactersPerLine * 2, surface), QStringList{QString()});
}

TEST(TextPrinter, PrintsPagesIntoAPdfFile)
{
    QTemporaryDir folder;
    QPdfWriter writer(folder.filePath("report.pdf"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    documents::PainterSurface surface(writer);
    TextPrinter::print(numberedLines(150).join("\r\n"), surface);

    EXPECT_GE(surface.pageCount(), 2);
    EXPECT_GT(QFileInfo(folder.filePath("report.pdf")).size(), 1000);
}

TEST(TextPrinter, DeviceThatCannotWriteGivesPrintError)
{
    QTemporaryDir folder;
    QPdfWriter writer(folder.filePath("missing/folder/report.pdf"));
    try {
        TextPrinter::print("text", writer);
        FAIL() << "printing into a missing folder succeeded";
    } catch (const documents::PrintError &error) {
        EXPECT_FALSE(error.description().isEmpty());
    }
}

TEST(TextPrinter, ProgressIsToldPerPageAndCanStopBetweenPages)
{
    const QString text = numberedLines(3 * linesPerPage).join("\r\n");
    std::vector<int> pages;
    RecordingSurface whole;
    EXPECT_TRUE(TextPrinter::print(text, whole, [&](int done, double) {
        pages.push_back(done);
        return true;
    }));
    EXPECT_EQ(pages, (std::vector<int>{1, 2, 3}));

    RecordingSurface stopped;
    EXPECT_FALSE(TextPrinter::print(text, stopped, [](int done, double) { return done < 2; }));
    EXPECT_EQ(stopped.endedDocuments, 0);
    EXPECT_EQ(stopped.pageBreaks(), 1);
    EXPECT_FALSE(printedTexts(stopped).contains(QStringLiteral("Line %1").arg(2 * linesPerPage)));
}
