#include "db/CsvWriter.h"

#include "db/Statement.h"

namespace db {

namespace {
constexpr qsizetype FlushSize = 1 << 16;
}

CsvWriter::CsvWriter(std::function<bool(const QByteArray &)> sink, Cells cells)
    : m_sink(std::move(sink))
    , m_cells(cells)
{
    m_buffer.reserve(FlushSize * 2);
}

CsvWriter::~CsvWriter()
{
    finish();
}

void CsvWriter::appendField(QByteArray &out, const char *text, qsizetype length)
{
    bool quoted = length == 0;
    for (qsizetype i = 0; i < length && !quoted; ++i) {
        const char c = text[i];
        quoted = c == ',' || c == '"' || c == '\r' || c == '\n';
    }
    if (!quoted) {
        out.append(text, length);
        return;
    }
    out += '"';
    for (qsizetype i = 0; i < length; ++i) {
        if (text[i] == '"')
            out += '"';
        out += text[i];
    }
    out += '"';
}

bool CsvWriter::looksLikeFormula(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    switch (text.front()) {
    case '=':
    case '@':
    case '\t':
    case '\r': return true;
    case '+':
    case '-': break;
    default: return false;
    }
    // A signed number ("-12", "+3.5") is read as the number it is.
    bool digits = false, point = false;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            return true;
    }
    return !digits;
}

void CsvWriter::writeHeader(const Statement &statement)
{
    for (int c = 0; c < statement.columnCount(); ++c) {
        if (c > 0)
            m_buffer += ',';
        const QByteArray name = statement.columnName(c).toUtf8();
        appendField(m_buffer, name.constData(), name.size());
    }
    endRow();
}

void CsvWriter::writeRow(const Statement &statement)
{
    const int count = statement.columnCount();
    for (int c = 0; c < count; ++c) {
        if (c > 0)
            m_buffer += ',';
        if (statement.isNull(c))
            continue;
        const QByteArrayView text = statement.text(c);
        if (m_cells == Cells::ForSpreadsheets && looksLikeFormula(text)) {
            QByteArray shown;
            shown.reserve(text.size() + 1);
            shown += '\'';
            shown += text;
            appendField(m_buffer, shown.constData(), shown.size());
        } else {
            appendField(m_buffer, text.constData(), text.size());
        }
    }
    endRow();
}

void CsvWriter::endRow()
{
    m_buffer += "\r\n";
    if (m_buffer.size() < FlushSize)
        return;
    if (!m_sink(m_buffer))
        m_failed = true;
    m_buffer.clear();
}

bool CsvWriter::finish()
{
    if (!m_buffer.isEmpty()) {
        if (!m_sink(m_buffer))
            m_failed = true;
        m_buffer.clear();
    }
    return !m_failed;
}

} // namespace db
