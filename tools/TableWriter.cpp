#include "TableWriter.h"

#include "db/Statement.h"

#include <sqlite3.h>

namespace {
constexpr std::size_t FlushSize = 1 << 16;
}

TableWriter::TableWriter(std::FILE *out)
    : m_out(out)
{
    m_buffer.reserve(FlushSize * 2);
}

TableWriter::~TableWriter()
{
    finish();
}

void TableWriter::appendEscaped(const char *text, int length)
{
    for (int i = 0; i < length; ++i) {
        const char c = text[i];
        switch (c) {
        case '\t': m_buffer += "\\t"; break;
        case '\r': m_buffer += "\\r"; break;
        case '\n': m_buffer += "\\n"; break;
        case '\\': m_buffer += "\\\\"; break;
        default: m_buffer += c;
        }
    }
}

void TableWriter::writeHeader(const db::Statement &source)
{
    const int count = source.columnCount();
    for (int c = 0; c < count; ++c) {
        if (c > 0)
            m_buffer += '\t';
        const QByteArray name = source.columnName(c).toUtf8();
        appendEscaped(name.constData(), static_cast<int>(name.size()));
    }
    m_buffer += '\n';
    flushIfFull();
}

void TableWriter::writeRow(const db::Statement &source)
{
    sqlite3_stmt *statement = source.handle();
    if (!statement) {
        // A server's row: its fields come as text already.
        for (int c = 0; c < source.columnCount(); ++c) {
            if (c > 0)
                m_buffer += '\t';
            if (source.isNull(c)) {
                m_buffer += "\\N";
                continue;
            }
            const QByteArray text = source.text(c);
            appendEscaped(text.constData(), static_cast<int>(text.size()));
        }
        m_buffer += '\n';
        flushIfFull();
        return;
    }
    const int count = sqlite3_column_count(statement);
    for (int c = 0; c < count; ++c) {
        if (c > 0)
            m_buffer += '\t';
        if (sqlite3_column_type(statement, c) == SQLITE_NULL) {
            m_buffer += "\\N";
            continue;
        }
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, c));
        appendEscaped(text, sqlite3_column_bytes(statement, c));
    }
    m_buffer += '\n';
    flushIfFull();
}

void TableWriter::flushIfFull()
{
    if (m_buffer.size() < FlushSize)
        return;
    if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out) != m_buffer.size())
        m_failed = true;
    m_buffer.clear();
}

bool TableWriter::finish()
{
    if (!m_buffer.empty()) {
        if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out) != m_buffer.size())
            m_failed = true;
        m_buffer.clear();
    }
    if (std::fflush(m_out) != 0)
        m_failed = true;
    return !m_failed;
}
