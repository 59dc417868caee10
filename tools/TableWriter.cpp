#include "TableWriter.h"

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

void TableWriter::writeHeader(sqlite3_stmt *statement)
{
    const int count = sqlite3_column_count(statement);
    for (int c = 0; c < count; ++c) {
        if (c > 0)
            m_buffer += '\t';
        const char *name = sqlite3_column_name(statement, c);
        appendEscaped(name, static_cast<int>(std::char_traits<char>::length(name)));
    }
    m_buffer += '\n';
    flushIfFull();
}

void TableWriter::writeRow(sqlite3_stmt *statement)
{
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
