#pragma once

#include <QByteArray>
#include <QVariant>

#include <cstring>
#include <vector>

namespace db {

// A row kept as one compact byte string (a type tag and the raw value per column),
// so that a snapshot of tens of thousands of rows opens fast and stays small.
// Fields are turned into QVariants only when they are read.
enum PackedTag : char {
    PackedNull = 0,
    PackedInteger = 1,
    PackedReal = 2,
    PackedText = 3,
    PackedBlob = 4
};

// Packs an engine's row field by field into a reused buffer, then one allocation
// for the row: each value is asked of the engine once, which is most of the cost of
// reading many rows.
class RowPacker
{
public:
    void null() { m_buffer.push_back(PackedNull); }
    void integer(qint64 value) { put(PackedInteger, &value, sizeof value); }
    void real(double value) { put(PackedReal, &value, sizeof value); }
    void bytes(PackedTag tag, const void *data, quint32 size)
    {
        put(tag, &size, sizeof size);
        if (size > 0)
            append(data, size);
    }
    QByteArray take()
    {
        QByteArray row(m_buffer.data(), static_cast<qsizetype>(m_buffer.size()));
        m_buffer.clear();
        return row;
    }

private:
    void put(PackedTag tag, const void *data, std::size_t size)
    {
        m_buffer.push_back(tag);
        append(data, size);
    }
    void append(const void *data, std::size_t size)
    {
        const auto *p = static_cast<const char *>(data);
        m_buffer.insert(m_buffer.end(), p, p + size);
    }
    std::vector<char> m_buffer;
};

QByteArray packValues(const QVariantList &values);
QVariant unpackValue(const QByteArray &row, int column);
QByteArray packNulls(int columnCount);

} // namespace db
