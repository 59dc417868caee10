#pragma once

#include <QByteArray>

#include <functional>

namespace db {

class Statement;

// Writes result rows as CSV (RFC 4180): CR LF line ends, a field holding a comma, a
// quote, CR or LF in quotes with its quotes doubled, a header row of column names.
// A Null is an empty field; empty text is "" so that the two stay apart.
class CsvWriter
{
public:
    enum class Cells {
        Exact, // every value as stored: for programs that read the data
        // For spreadsheets: a text beginning with =, +, -, @, TAB or CR gets a leading
        // apostrophe, so that a spreadsheet shows it as text instead of running it as a
        // formula. Numbers stay numbers.
        ForSpreadsheets
    };

    // `sink` takes each piece of UTF-8 text and returns false when it could not be written.
    explicit CsvWriter(std::function<bool(const QByteArray &)> sink, Cells cells = Cells::Exact);
    ~CsvWriter();
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    void writeHeader(const Statement &statement);
    void writeRow(const Statement &statement);
    // False when some of the output could not be written.
    bool finish();

    static void appendField(QByteArray &out, const char *text, qsizetype length);
    // True when a spreadsheet could read the text as a formula.
    static bool looksLikeFormula(QByteArrayView text);

private:
    void endRow();

    std::function<bool(const QByteArray &)> m_sink;
    QByteArray m_buffer;
    Cells m_cells;
    bool m_failed = false;
};

} // namespace db
