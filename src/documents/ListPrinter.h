#pragma once

#include "documents/PageProgress.h"

#include <QDate>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace documents {

class PrintSurface;

enum class ColumnAlignment {
    Left = 0,
    Right = 1,
    Center = 2
};

// The list to print: column headers, then rows whose cells are the item's text
// (column 0) and its sub-items (columns 1 and on).
class ListSource
{
public:
    virtual ~ListSource() = default;

    virtual int columnCount() const = 0;
    virtual QString headerText(int column) const = 0;
    // In any unit: only the widths' proportions count.
    virtual double headerWidth(int column) const = 0;
    virtual ColumnAlignment headerAlignment(int column) const = 0;

    virtual int itemCount() const = 0;
    // False where the item has fewer sub-items than columns: that cell stays empty.
    virtual bool hasCell(int item, int column) const = 0;
    virtual QString cellText(int item, int column) const = 0;

    virtual QFont font() const = 0;
};

// Asks where a printout goes (the print dialog) and opens the surface to print on.
class PrintDestination
{
public:
    virtual ~PrintDestination() = default;
    // nullptr when the user cancelled; the destination keeps the surface.
    virtual PrintSurface *open() = 0;
};

// Prints a list as a ruled table in millimetres: on every page the date, the page
// number and the title, then the bold header row and the rows, cells wrapped at
// spaces to their column and aligned as their header says. A page is closed when the
// next row would start less than two lines above the bottom margin.
//
// A row cut short at the bottom of a page (marked "* * *") is printed again whole at
// the top of the next page, unless it already started at the top of its page.
class ListPrinter
{
public:
    // The title of a list printed without one of its own, in the user's language.
    static QString defaultTitle();

    QString reportTitle = defaultTitle();
    // The date in the page header; a null date prints today's.
    QDate printDate;
    // Told after every page; a long list can be stopped between two pages.
    PageProgress progress;

    // Opens the destination and prints the whole list. False when the user cancelled
    // or progress stopped the printout; true when the printout finished, and for a list
    // without rows or columns (then nothing is asked and nothing printed). Throws
    // PrintError when the device fails.
    bool printList(const ListSource &list, PrintDestination &destination);
    // Prints the whole list on surface (nothing for an empty list). False, with the
    // document left unfinished, when progress asked to stop.
    bool printList(const ListSource &list, PrintSurface &surface);

    // Breaks text into lines joined by CR LF that fit width, at spaces. A word wider
    // than width stays whole on a line of its own, and from then on every word starts
    // a new line; when the first word does not fit, the result begins with CR LF.
    static QString wrapText(const QString &text, double width, const PrintSurface &surface);
    // The word at position (0-based) with the spaces that follow it.
    static QString nextWord(const QString &text, qsizetype position);

private:
    void copyListFont();
    void measurePage();
    void computeColumnWidths();
    void printPageHeader();
    void printColumnHeads();
    void printRows();
    bool tellProgress();
    // True when the cell ran past the bottom of the page and was cut short.
    bool printCellLines(const QStringList &lines, int column);
    void drawColumnLines();
    void drawRule(double y);
    void closeTable();

    const ListSource *m_list = nullptr;
    PrintSurface *m_output = nullptr;
    QFont m_bodyFont;
    int m_pageNumber = 1;
    double m_leftMargin = 0;
    double m_topMargin = 0;
    double m_printableWidth = 0;
    double m_printableHeight = 0;
    double m_lineHeight = 0;
    double m_tableTop = 0;
    double m_tableBottom = 0;
    std::vector<double> m_columnWidths;
    double m_tableWidth = 0;
    double m_cellLeft = 0;
    double m_rowTop = 0;
    double m_rowHeight = 0;
    bool m_morePages = false;
    int m_nextRow = 0;
};

} // namespace documents

namespace documents {

// A list copied whole, so a printout that lets the window go on working prints what
// the list held when it started, whatever happens to the list meanwhile.
class ListCopy final : public ListSource
{
public:
    explicit ListCopy(const ListSource &list);

    int columnCount() const override { return int(m_headers.size()); }
    QString headerText(int column) const override { return m_headers[column].text; }
    double headerWidth(int column) const override { return m_headers[column].width; }
    ColumnAlignment headerAlignment(int column) const override { return m_headers[column].alignment; }
    int itemCount() const override { return int(m_rows.size()); }
    bool hasCell(int item, int column) const override { return m_rows[item][column].has_value(); }
    QString cellText(int item, int column) const override { return m_rows[item][column].value_or(QString()); }
    QFont font() const override { return m_font; }

private:
    struct Header
    {
        QString text;
        double width;
        ColumnAlignment alignment;
    };
    std::vector<Header> m_headers;
    std::vector<std::vector<std::optional<QString>>> m_rows;
    QFont m_font;
};

} // namespace documents
