#include "documents/ListPrinter.h"

#include "db/TextConventions.h"
#include "documents/PrintSurface.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace documents {

namespace {

const QString lineBreak = QStringLiteral("\r\n");
const QString cutMark = QStringLiteral("* * *");
const QColor lineColor = Qt::black;
const QColor pageHeaderColor = QColor(0, 0, 255);

constexpr double leftMargin = 15;
constexpr double topMargin = 20;
constexpr double cellInset = 1.0;
constexpr double rowGap = 1;
constexpr double titleSizeIncrease = 4;
constexpr double pageNumberReserve = 10;
// 0.2 mm and 0.1 mm in dots of 1/1200 inch.
constexpr int thickLineDots = 9;
constexpr int thinLineDots = 5;

double widestLine(const QStringList &lines, const PrintSurface &surface)
{
    double widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, surface.textWidth(line));
    return widest;
}

double pointSize(const QFont &font)
{
    constexpr double pointsPerScreenPixel = 72.0 / 96.0;
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * pointsPerScreenPixel;
}

} // namespace

QString ListPrinter::defaultTitle()
{
    return QCoreApplication::translate("documents::ListPrinter", "ListView Control Sample Printout");
}

bool ListPrinter::printList(const ListSource &list, PrintDestination &destination)
{
    if (list.itemCount() == 0 || list.columnCount() == 0)
        return true;
    PrintSurface *surface = destination.open();
    if (!surface)
        return false;
    return printList(list, *surface);
}

bool ListPrinter::printList(const ListSource &list, PrintSurface &surface)
{
    if (list.itemCount() == 0 || list.columnCount() == 0)
        return true;
    m_list = &list;
    m_output = &surface;
    m_pageNumber = 1;
    copyListFont();
    measurePage();
    computeColumnWidths();
    m_morePages = true;
    m_nextRow = 0;
    while (m_morePages && m_nextRow < m_list->itemCount()) {
        m_cellLeft = m_leftMargin;
        m_rowTop = m_topMargin;
        printColumnHeads();
        printRows();
        if (!tellProgress())
            return false;
    }
    return true;
}

bool ListPrinter::tellProgress()
{
    if (!progress)
        return true;
    // A page break has started the next page already; the finished ones are counted.
    const int pagesDone = m_morePages ? m_pageNumber - 1 : m_pageNumber;
    const double share = m_morePages ? double(m_nextRow) / m_list->itemCount() : 1.0;
    return progress(pagesDone, share) || !m_morePages;
}

QString ListPrinter::wrapText(const QString &text, double width, const PrintSurface &surface)
{
    if (widestLine(text.split(lineBreak), surface) < width)
        return text;
    // The widest line of the result so far is kept as the lines it ended plus the open line.
    QString result;
    double widestEnded = 0;
    QString openLine;
    for (qsizetype position = 0; position < text.size();) {
        const QString word = nextWord(text, position);
        position += word.size();
        QStringList lines = QString(openLine + word).split(lineBreak);
        if (std::max(widestEnded, widestLine(lines, surface)) < width) {
            result += word;
        } else {
            result += lineBreak + word;
            widestEnded = std::max(widestEnded, surface.textWidth(openLine));
            lines = word.split(lineBreak);
        }
        openLine = lines.takeLast();
        widestEnded = std::max(widestEnded, widestLine(lines, surface));
    }
    return result;
}

QString ListPrinter::nextWord(const QString &text, qsizetype position)
{
    qsizetype end = position;
    while (end < text.size() && text[end] != u' ')
        ++end;
    while (end < text.size() && text[end] == u' ')
        ++end;
    return text.mid(position, end - position);
}

void ListPrinter::copyListFont()
{
    const QFont listFont = m_list->font();
    QFont font(listFont.family());
    font.setPointSizeF(pointSize(listFont));
    font.setItalic(listFont.italic());
    font.setUnderline(listFont.underline());
    font.setStrikeOut(listFont.strikeOut());
    m_bodyFont = font;
    m_output->setFont(m_bodyFont);
}

void ListPrinter::measurePage()
{
    m_leftMargin = leftMargin;
    m_topMargin = topMargin;
    m_printableHeight = m_output->pageHeight() - 2 * m_topMargin;
    m_printableWidth = m_output->pageWidth() - 2 * m_leftMargin;
    m_lineHeight = m_output->textHeight();
    m_tableTop = m_topMargin;
}

void ListPrinter::computeColumnWidths()
{
    const int columns = m_list->columnCount();
    std::vector<double> listWidths(columns);
    for (int column = 0; column < columns; ++column)
        listWidths[column] = std::max(0.0, m_list->headerWidth(column));
    double listTotal = std::accumulate(listWidths.begin(), listWidths.end(), 0.0);
    if (listTotal <= 0) {
        // Without widths to scale, the columns share the page equally.
        std::fill(listWidths.begin(), listWidths.end(), 1.0);
        listTotal = columns;
    }
    m_columnWidths.clear();
    for (double width : listWidths)
        m_columnWidths.push_back(m_printableWidth * width / listTotal);
    m_tableWidth = std::accumulate(m_columnWidths.begin(), m_columnWidths.end(), 0.0);
}

void ListPrinter::printPageHeader()
{
    const double dateTop = m_topMargin / 1.5;
    const QDate date = printDate.isNull() ? QDate::currentDate() : printDate;
    m_output->setTextColor(pageHeaderColor);
    m_output->drawText(m_leftMargin, dateTop, QLocale().toString(date, QLocale::LongFormat));
    m_output->drawText(m_output->pageWidth() - m_leftMargin - pageNumberReserve, dateTop,
                       QCoreApplication::translate("documents::ListPrinter", "PAGE %1").arg(m_pageNumber));

    QFont font = m_output->font();
    const double size = pointSize(font);
    font.setPointSizeF(size + titleSizeIncrease);
    m_output->setFont(font);
    m_output->drawText((m_output->pageWidth() - m_output->textWidth(reportTitle)) / 2, m_topMargin / 4, reportTitle);
    font.setPointSizeF(size);
    m_output->setFont(font);
    m_output->setTextColor(Qt::black);
}

void ListPrinter::printColumnHeads()
{
    printPageHeader();
    QFont bold = m_bodyFont;
    bold.setBold(true);
    m_output->setFont(bold);
    m_output->setLineStyle(thickLineDots, lineColor);
    drawRule(m_rowTop);

    m_cellLeft = m_leftMargin;
    m_rowTop = m_topMargin + rowGap;
    m_rowHeight = m_lineHeight;
    qsizetype mostLines = 1;
    for (int column = 0; column < m_list->columnCount(); ++column) {
        const double width = m_columnWidths[column];
        const QStringList lines = wrapText(m_list->headerText(column), width, *m_output).split(lineBreak);
        for (qsizetype k = 0; k < lines.size(); ++k) {
            if (!lines[k].isEmpty())
                m_output->drawText(m_cellLeft + cellInset, m_rowTop + k * m_lineHeight, lines[k]);
        }
        if (lines.size() >= 2) {
            mostLines = std::max(mostLines, lines.size());
            m_rowHeight = mostLines * m_lineHeight;
        }
        m_cellLeft += width;
    }
    m_rowTop += 1.25 * m_rowHeight;
    drawRule(m_rowTop);

    m_rowTop += rowGap;
    m_cellLeft = m_leftMargin;
    m_output->setLineStyle(thinLineDots, lineColor);
    m_output->setFont(m_bodyFont);
}

void ListPrinter::printRows()
{
    const int items = m_list->itemCount();
    const int columns = m_list->columnCount();
    const double lastRowTop = m_topMargin + m_printableHeight - 2 * m_lineHeight;
    for (int item = m_nextRow; item < items; ++item) {
        m_rowHeight = m_lineHeight;
        bool cut = false;
        for (int column = 0; column < columns; ++column) {
            if (m_list->hasCell(item, column)) {
                const QString text = m_list->cellText(item, column);
                cut |= printCellLines(wrapText(text, m_columnWidths[column] - 2, *m_output).split(lineBreak), column);
            }
            m_cellLeft += m_columnWidths[column];
        }
        m_rowTop += m_rowHeight + rowGap;
        m_cellLeft = m_leftMargin;
        drawRule(m_rowTop);
        m_rowTop += rowGap;

        // A cut row starts the next page again, unless it started this one (it would never fit).
        const int following = cut && item != m_nextRow ? item : item + 1;
        if (following == items)
            break;
        if (m_rowTop > lastRowTop) {
            closeTable();
            ++m_pageNumber;
            m_output->newPage();
            m_nextRow = following;
            return;
        }
    }
    closeTable();
    m_morePages = false;
    m_output->endDocument();
}

bool ListPrinter::printCellLines(const QStringList &lines, int column)
{
    const double width = m_columnWidths[column];
    const double bottom = m_topMargin + m_printableHeight;
    const auto centredX
        = [&](const QString &text) { return m_cellLeft + (width - m_output->textWidth(text) - 2) / 2 + 1; };
    double y = m_rowTop;
    bool cut = false;
    for (const QString &line : lines) {
        if (y >= bottom) {
            m_output->drawText(centredX(cutMark), y, cutMark);
            y += m_lineHeight;
            cut = true;
            break;
        }
        const QString text = db::trimSpaces(line);
        if (text.isEmpty())
            continue;
        double x = 0;
        switch (m_list->headerAlignment(column)) {
        case ColumnAlignment::Left: x = m_cellLeft + cellInset; break;
        case ColumnAlignment::Right: x = m_cellLeft + width - m_output->textWidth(text) - 1; break;
        default: x = centredX(text); break;
        }
        m_output->drawText(x, y, text);
        y += m_lineHeight;
    }
    m_rowHeight = std::max(m_rowHeight, y - m_rowTop);
    return cut;
}

void ListPrinter::drawColumnLines()
{
    double x = m_leftMargin;
    for (double width : m_columnWidths) {
        x += width;
        m_output->drawLine(x, m_tableTop, x, m_tableBottom);
    }
}

void ListPrinter::drawRule(double y)
{
    m_output->drawLine(m_leftMargin, y, m_leftMargin + m_tableWidth, y);
}

void ListPrinter::closeTable()
{
    m_tableBottom = m_rowTop - rowGap;
    m_output->drawLine(m_leftMargin, m_tableTop, m_leftMargin, m_tableBottom);
    drawColumnLines();
}

} // namespace documents

namespace documents {

ListCopy::ListCopy(const ListSource &list)
    : m_font(list.font())
{
    const int columns = list.columnCount();
    for (int column = 0; column < columns; ++column)
        m_headers.push_back({list.headerText(column), list.headerWidth(column), list.headerAlignment(column)});
    const int items = list.itemCount();
    m_rows.reserve(items);
    for (int item = 0; item < items; ++item) {
        auto &row = m_rows.emplace_back(columns);
        for (int column = 0; column < columns; ++column) {
            if (list.hasCell(item, column))
                row[column] = list.cellText(item, column);
        }
    }
}

} // namespace documents
