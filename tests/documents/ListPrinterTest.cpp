#include "documents/ListPrinter.h"
#include "documents/PrintSurface.h"

#include <QLocale>

#include <gtest/gtest.h>

using documents::ColumnAlignment;
using documents::ListPrinter;
using documents::RecordingSurface;

namespace {

// The recording surface at 10 points: 2 mm per character, lines 4 mm high. On an A4 page
// the table spans x 15..195; the header row starts at 21, the first row at 27, and
// every one-line row takes 6 mm.
constexpr double firstRowTop = 27;
constexpr double rowPitch = 6;

struct Column
{
    QString text;
    double width;
    ColumnAlignment alignment = ColumnAlignment::Left;
};

class TableList final : public documents::ListSource
{
public:
    std::vector<Column> columns;
    std::vector<QStringList> rows;

    int columnCount() const override { return int(columns.size()); }
    QString headerText(int column) const override { return columns[column].text; }
    double headerWidth(int column) const override { return columns[column].width; }
    ColumnAlignment headerAlignment(int column) const override { return columns[column].alignment; }
    int itemCount() const override { return int(rows.size()); }
    bool hasCell(int item, int column) const override { return column < rows[item].size(); }
    QString cellText(int item, int column) const override { return rows[item][column]; }
    QFont font() const override { return QFont("Sans", 10); }
};

class FixedDestination final : public documents::PrintDestination
{
public:
    explicit FixedDestination(documents::PrintSurface *target)
        : surface(target)
    {
    }
    documents::PrintSurface *open() override
    {
        ++opened;
        return surface;
    }
    documents::PrintSurface *surface;
    int opened = 0;
};

TableList namesList(int rows)
{
    TableList list;
    list.columns = {{"Name", 100}};
    for (int row = 0; row < rows; ++row)
        list.rows.push_back({QStringLiteral("Row %1").arg(row)});
    return list;
}

const RecordingSurface::Text *findText(const RecordingSurface &surface, const QString &text, int occurrence = 0)
{
    for (const auto &drawn : surface.texts) {
        if (drawn.text == text && occurrence-- == 0)
            return &drawn;
    }
    return nullptr;
}

// The rules drawn on one page, across (y1 == y2) or down (x1 == x2).
std::vector<RecordingSurface::Line> rules(const RecordingSurface &surface, int page, bool across)
{
    std::vector<RecordingSurface::Line> found;
    for (const auto &line : surface.lines) {
        if (line.page == page && (across ? line.y1 == line.y2 : line.x1 == line.x2))
            found.push_back(line);
    }
    return found;
}

// One cell of `count` lines, "line 0" to "line <count - 1>".
QString tallCell(int count)
{
    QStringList lines;
    for (int line = 0; line < count; ++line)
        lines << QStringLiteral("line %1").arg(line);
    return lines.join("\r\n");
}

} // namespace

TEST(ListPrinterPage, HeaderTitleDateAndPageNumberSitWhereTheLayoutPutsThem)
{
    TableList list = namesList(1);
    RecordingSurface surface;
    ListPrinter printer;
    printer.reportTitle = "Stock";
    printer.printDate = QDate(2024, 3, 5);
    printer.printList(list, surface);

    const auto *date = findText(surface, QLocale().toString(QDate(2024, 3, 5), QLocale::LongFormat));
    ASSERT_NE(date, nullptr);
    EXPECT_DOUBLE_EQ(date->x, 15);
    EXPECT_DOUBLE_EQ(date->y, 20 / 1.5);
    EXPECT_EQ(date->color, QColor(0, 0, 255));

    const auto *pageNumber = findText(surface, QStringLiteral("PAGE 1"));
    ASSERT_NE(pageNumber, nullptr);
    EXPECT_DOUBLE_EQ(pageNumber->x, 210 - 15 - 10);
    EXPECT_DOUBLE_EQ(pageNumber->y, 20 / 1.5);

    // 14 points: 2.8 mm per character, centred on the page.
    const auto *title = findText(surface, QStringLiteral("Stock"));
    ASSERT_NE(title, nullptr);
    EXPECT_DOUBLE_EQ(title->font.pointSizeF(), 14);
    EXPECT_DOUBLE_EQ(title->x, (210 - 5 * 2.8) / 2);
    EXPECT_DOUBLE_EQ(title->y, 5);

    const auto *header = findText(surface, QStringLiteral("Name"));
    ASSERT_NE(header, nullptr);
    EXPECT_TRUE(header->font.bold());
    EXPECT_EQ(header->color, QColor(Qt::black));
    EXPECT_DOUBLE_EQ(header->x, 16);
    EXPECT_DOUBLE_EQ(header->y, 21);

    const auto *row = findText(surface, QStringLiteral("Row 0"));
    ASSERT_NE(row, nullptr);
    EXPECT_FALSE(row->font.bold());
    EXPECT_DOUBLE_EQ(row->font.pointSizeF(), 10);
    EXPECT_DOUBLE_EQ(row->y, firstRowTop);

    EXPECT_EQ(surface.pageBreaks(), 0);
    EXPECT_EQ(surface.endedDocuments, 1);
}

TEST(ListPrinterPage, RulesAreThickAroundTheHeaderThinUnderRowsAndVerticalsSpanTheTable)
{
    TableList list = namesList(2);
    list.columns = {{"Part", 100}, {"Count", 200}};
    RecordingSurface surface;
    ListPrinter().printList(list, surface);

    const auto across = rules(surface, 0, true);
    ASSERT_EQ(across.size(), 4u);
    const double expectedY[] = {20, 26, 32, 38};
    const int expectedWidth[] = {9, 9, 5, 5};
    for (size_t i = 0; i < across.size(); ++i) {
        EXPECT_DOUBLE_EQ(across[i].y1, expectedY[i]) << i;
        EXPECT_EQ(across[i].widthInDots, expectedWidth[i]) << i;
        EXPECT_DOUBLE_EQ(across[i].x1, 15);
        EXPECT_DOUBLE_EQ(across[i].x2, 195);
        EXPECT_EQ(across[i].color, QColor(Qt::black));
    }

    // 100 : 200 of a printable width of 180 gives columns 60 and 120 wide.
    const auto verticals = rules(surface, 0, false);
    ASSERT_EQ(verticals.size(), 3u);
    const double expectedX[] = {15, 75, 195};
    for (size_t i = 0; i < verticals.size(); ++i) {
        EXPECT_DOUBLE_EQ(verticals[i].x1, expectedX[i]);
        EXPECT_DOUBLE_EQ(verticals[i].y1, 20);
        EXPECT_DOUBLE_EQ(verticals[i].y2, 38);
    }
    EXPECT_DOUBLE_EQ(findText(surface, "Count")->x, 76);
}

TEST(ListPrinterCells, AlignTrimAndLeaveMissingSubItemsEmpty)
{
    TableList list;
    list.columns
        = {{"L", 60, ColumnAlignment::Left}, {"R", 60, ColumnAlignment::Right}, {"C", 60, ColumnAlignment::Center}};
    list.rows = {{"  ab  ", "abc  ", "abcd"}, {"alone"}};
    RecordingSurface surface;
    ListPrinter().printList(list, surface);

    EXPECT_DOUBLE_EQ(findText(surface, "ab")->x, 16);
    EXPECT_DOUBLE_EQ(findText(surface, "abc")->x, 75 + 60 - 6 - 1);
    EXPECT_DOUBLE_EQ(findText(surface, "abcd")->x, 135 + (60 - 8 - 2) / 2.0 + 1);
    // Headers stay left-aligned whatever their column's alignment.
    EXPECT_DOUBLE_EQ(findText(surface, "C")->x, 136);

    const auto *alone = findText(surface, QStringLiteral("alone"));
    ASSERT_NE(alone, nullptr);
    EXPECT_DOUBLE_EQ(alone->y, firstRowTop + rowPitch);
    EXPECT_EQ(surface.texts.back().text, "alone");
}

TEST(ListPrinterCells, WrappedCellsAndHeadersMakeTheirRowTaller)
{
    TableList list;
    list.columns = {{"Part", 150}, {"Quantity on hand", 30}};
    // Column 2 is 30 mm: headers wrap at 15 characters, cells at 14.
    list.rows = {{"Bolt", "   \r\nsome words to wrap"}, {"Nut"}};
    RecordingSurface surface;
    ListPrinter().printList(list, surface);

    const auto *headerFirst = findText(surface, QStringLiteral("Quantity on "));
    const auto *headerSecond = findText(surface, QStringLiteral("hand"));
    ASSERT_NE(headerFirst, nullptr);
    ASSERT_NE(headerSecond, nullptr);
    EXPECT_DOUBLE_EQ(headerFirst->y, 21);
    EXPECT_DOUBLE_EQ(headerSecond->y, 25);
    // Two header lines: the header rule lies 1.25 x 8 mm below the header's top.
    EXPECT_DOUBLE_EQ(rules(surface, 0, true)[1].y1, 31);

    // The blank line takes no space; the cell wraps at spaces onto three lines.
    const double rowTop = 32;
    EXPECT_DOUBLE_EQ(findText(surface, "some words")->y, rowTop);
    EXPECT_DOUBLE_EQ(findText(surface, "to wrap")->y, rowTop + 4);
    EXPECT_DOUBLE_EQ(findText(surface, "Nut")->y, rowTop + 8 + 2);
}

TEST(ListPrinterPages, PageBreaksPrintEveryRowOnceWithHeaderAndNumberOnEachPage)
{
    // 41 one-line rows fill an A4 page.
    TableList list = namesList(100);
    RecordingSurface surface;
    ListPrinter().printList(list, surface);

    EXPECT_EQ(surface.pageBreaks(), 2);
    EXPECT_EQ(surface.endedDocuments, 1);
    for (int row = 0; row < 100; ++row) {
        const auto *text = findText(surface, QStringLiteral("Row %1").arg(row));
        ASSERT_NE(text, nullptr) << row;
        EXPECT_EQ(findText(surface, text->text, 1), nullptr) << row;
        EXPECT_EQ(text->page, row / 41) << row;
        EXPECT_DOUBLE_EQ(text->y, firstRowTop + (row % 41) * rowPitch) << row;
    }
    EXPECT_EQ(findText(surface, "PAGE 3")->page, 2);
    EXPECT_EQ(findText(surface, "Name", 1)->page, 1);
    const auto verticals = rules(surface, 0, false);
    ASSERT_FALSE(verticals.empty());
    EXPECT_DOUBLE_EQ(verticals.front().y2, firstRowTop + 41 * rowPitch - 1);
}

TEST(ListPrinterPages, LastRowFillingThePageEndsTheDocumentWithoutABlankPage)
{
    TableList list = namesList(41);
    RecordingSurface surface;
    ListPrinter().printList(list, surface);
    EXPECT_EQ(surface.pageBreaks(), 0);
    EXPECT_EQ(surface.endedDocuments, 1);
}

TEST(ListPrinterPages, CutRowIsMarkedAndRepeatedWholeOnTheNextPage)
{
    TableList list = namesList(40);
    list.rows[38] = {tallCell(10)};
    RecordingSurface surface;
    ListPrinter().printList(list, surface);

    // Row 38 starts at 255: lines up to 275 fit above 277, the mark follows at 279.
    const auto *mark = findText(surface, QStringLiteral("* * *"));
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->page, 0);
    EXPECT_DOUBLE_EQ(mark->y, 279);
    EXPECT_DOUBLE_EQ(mark->x, 15 + (180 - 10 - 2) / 2.0 + 1);
    EXPECT_EQ(findText(surface, "line 6")->page, 1);
    EXPECT_EQ(findText(surface, "line 6", 1), nullptr);

    const auto *repeated = findText(surface, QStringLiteral("line 0"), 1);
    ASSERT_NE(repeated, nullptr);
    EXPECT_EQ(repeated->page, 1);
    EXPECT_DOUBLE_EQ(repeated->y, firstRowTop);
    EXPECT_EQ(findText(surface, "Row 39")->page, 1);
}

TEST(ListPrinterPages, RowTallerThanAPageIsCutOnceAndPrintingGoesOn)
{
    TableList list = namesList(2);
    list.rows[0] = {tallCell(100)};
    RecordingSurface surface;
    ListPrinter().printList(list, surface);

    EXPECT_EQ(surface.pageBreaks(), 1);
    EXPECT_EQ(findText(surface, "* * *")->page, 0);
    EXPECT_EQ(findText(surface, "line 0", 1), nullptr);
    EXPECT_EQ(findText(surface, "Row 1")->page, 1);
    EXPECT_EQ(surface.endedDocuments, 1);
}

TEST(ListPrinterDestination, EmptyListAsksNothingAndCancelPrintsNothing)
{
    RecordingSurface surface;
    FixedDestination destination(&surface);
    TableList empty = namesList(0);
    EXPECT_TRUE(ListPrinter().printList(empty, destination));
    EXPECT_EQ(destination.opened, 0);

    FixedDestination cancelled(nullptr);
    TableList list = namesList(3);
    EXPECT_FALSE(ListPrinter().printList(list, cancelled));
    EXPECT_EQ(cancelled.opened, 1);

    EXPECT_TRUE(ListPrinter().printList(list, destination));
    EXPECT_EQ(surface.endedDocuments, 1);
    EXPECT_NE(findText(surface, "Row 2"), nullptr);
}

TEST(ListPrinterWrap, NextWordTakesTheWordWithItsTrailingSpaces)
{
    const QString text = "ab  c\td\r\ne  ";
    EXPECT_EQ(ListPrinter::nextWord(text, 0), "ab  ");
    EXPECT_EQ(ListPrinter::nextWord(text, 4), "c\td\r\ne  ");
    EXPECT_EQ(ListPrinter::nextWord("  x", 0), "  ");
    EXPECT_EQ(ListPrinter::nextWord(text, text.size()), QString());
}

TEST(ListPrinterWrap, WrapTextBreaksAtSpacesAndKeepsItsQuirks)
{
    const RecordingSurface surface; // 2 mm per character
    EXPECT_EQ(ListPrinter::wrapText("one two", 100, surface), "one two");
    EXPECT_EQ(ListPrinter::wrapText("one two three", 16, surface), "one \r\ntwo \r\nthree");
    // A text exactly as wide as the width does not fit.
    EXPECT_EQ(ListPrinter::wrapText("abcd", 8, surface), "\r\nabcd");
    // Once a line is too wide, every later word starts a line of its own.
    EXPECT_EQ(ListPrinter::wrapText("a verylongword b c", 12, surface), "a \r\nverylongword \r\nb \r\nc");
    EXPECT_EQ(ListPrinter::wrapText("verylongword x", 12, surface), "\r\nverylongword \r\nx");
    // Line breaks inside the text count: only the widest line is measured.
    EXPECT_EQ(ListPrinter::wrapText("ab\r\ncd ef gh", 14, surface), "ab\r\ncd ef \r\ngh");
}

namespace {

struct ProgressLog
{
    std::vector<std::pair<int, double>> calls;
    int stopAfterPage = 0; // 0: never

    documents::PageProgress callback()
    {
        return [this](int pages, double share) {
            calls.emplace_back(pages, share);
            return stopAfterPage == 0 || pages < stopAfterPage;
        };
    }
};

TEST(ListPrinterProgress, EveryPageIsToldAndAStopLeavesTheDocumentUnfinished)
{
    // 41 rows to a page: 100 rows make three pages.
    const TableList list = namesList(100);
    ProgressLog log;
    ListPrinter printer;
    printer.progress = log.callback();
    RecordingSurface whole;
    EXPECT_TRUE(printer.printList(list, whole));
    EXPECT_EQ(log.calls, (std::vector<std::pair<int, double>>{{1, 0.41}, {2, 0.82}, {3, 1.0}}));
    EXPECT_EQ(whole.endedDocuments, 1);

    log = {};
    log.stopAfterPage = 2;
    RecordingSurface stopped;
    EXPECT_FALSE(printer.printList(list, stopped));
    EXPECT_EQ(log.calls.size(), 2u);
    EXPECT_EQ(stopped.endedDocuments, 0);
    EXPECT_EQ(findText(stopped, "Row 82"), nullptr);

    // Stopping at the last page changes nothing: the printout is whole by then.
    log = {};
    log.stopAfterPage = 3;
    RecordingSurface last;
    EXPECT_TRUE(printer.printList(list, last));
    EXPECT_EQ(last.endedDocuments, 1);
}

TEST(ListPrinterProgress, ACopyKeepsTheListAsItWasWithItsMissingCells)
{
    TableList list = namesList(2);
    list.columns.push_back({"Note", 50, ColumnAlignment::Right});
    list.rows[1].append("second");
    const documents::ListCopy copy(list);
    list.rows.clear();
    list.columns.clear();

    ASSERT_EQ(copy.columnCount(), 2);
    ASSERT_EQ(copy.itemCount(), 2);
    EXPECT_EQ(copy.headerText(1), "Note");
    EXPECT_DOUBLE_EQ(copy.headerWidth(1), 50);
    EXPECT_EQ(copy.headerAlignment(1), ColumnAlignment::Right);
    EXPECT_FALSE(copy.hasCell(0, 1));
    EXPECT_TRUE(copy.hasCell(1, 1));
    EXPECT_EQ(copy.cellText(1, 1), "second");
    EXPECT_EQ(copy.font().family(), "Sans");
}

} // namespace
