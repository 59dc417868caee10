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
    // `sink` takes each piece of UTF-8 text and returns false when it could not be written.
    explicit CsvWriter(std::function<bool(const QByteArray &)> sink);
    ~CsvWriter();
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    void writeHeader(const Statement &statement);
    void writeRow(const Statement &statement);
    // False when some of the output could not be written.
    bool finish();

    static void appendField(QByteArray &out, const char *text, qsizetype length);

private:
    void endRow();

    std::function<bool(const QByteArray &)> m_sink;
    QByteArray m_buffer;
    bool m_failed = false;
};

} // namespace db
