#include "TableWriter.h"

#include "db/Statement.h"

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
    const int count = source.columnCount();
    for (int c = 0; c < count; ++c) {
        if (c > 0)
            m_buffer += '\t';
        if (source.isNull(c)) {
            m_buffer += "\\N";
            continue;
        }
        const QByteArrayView text = source.text(c);
        appendEscaped(text.constData(), static_cast<int>(text.size()));
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
