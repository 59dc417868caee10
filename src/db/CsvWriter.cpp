#include "db/CsvWriter.h"

#include "db/Statement.h"

namespace db {

namespace {
constexpr qsizetype FlushSize = 1 << 16;
}

CsvWriter::CsvWriter(std::function<bool(const QByteArray &)> sink)
    : m_sink(std::move(sink))
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
        appendField(m_buffer, text.constData(), text.size());
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
