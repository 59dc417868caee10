#include "db/RowPacking.h"

#include <sqlite3.h>

#include <cstring>
#include <vector>

namespace db {

namespace {

enum Tag : char {
    Null = 0,
    Integer = 1,
    Real = 2,
    Text = 3,
    Blob = 4
};

template <typename T> void appendRaw(QByteArray &out, T value)
{
    out.append(reinterpret_cast<const char *>(&value), sizeof value);
}

template <typename T> T readRaw(const char *p)
{
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

void appendBytes(QByteArray &out, Tag tag, const char *data, quint32 size)
{
    out.append(tag);
    appendRaw(out, size);
    out.append(data, size);
}

// Size of the field that starts at p, tag included.
qsizetype fieldSize(const char *p)
{
    switch (*p) {
    case Integer:
    case Real: return 1 + 8;
    case Text:
    case Blob: return 1 + 4 + readRaw<quint32>(p + 1);
    default: return 1;
    }
}

} // namespace

QByteArray packStatementRow(sqlite3_stmt *statement, int firstColumn, int columnCount)
{
    // One pass into a reused buffer, then one allocation for the row: each value is
    // asked of SQLite once, which is most of the cost of reading many rows.
    static thread_local std::vector<char> buffer;
    buffer.clear();
    const auto put = [](const void *data, std::size_t bytes) {
        const auto *p = static_cast<const char *>(data);
        buffer.insert(buffer.end(), p, p + bytes);
    };
    for (int c = firstColumn; c < firstColumn + columnCount; ++c) {
        const int type = sqlite3_column_type(statement, c);
        switch (type) {
        case SQLITE_INTEGER: {
            buffer.push_back(Integer);
            const auto value = static_cast<qint64>(sqlite3_column_int64(statement, c));
            put(&value, sizeof value);
            break;
        }
        case SQLITE_FLOAT: {
            buffer.push_back(Real);
            const double value = sqlite3_column_double(statement, c);
            put(&value, sizeof value);
            break;
        }
        case SQLITE_NULL: buffer.push_back(Null); break;
        default: {
            const bool blob = type == SQLITE_BLOB;
            buffer.push_back(blob ? Blob : Text);
            const void *data = blob ? sqlite3_column_blob(statement, c) : sqlite3_column_text(statement, c);
            const auto bytes = static_cast<quint32>(sqlite3_column_bytes(statement, c));
            put(&bytes, sizeof bytes);
            if (bytes > 0)
                put(data, bytes);
            break;
        }
        }
    }
    return QByteArray(buffer.data(), static_cast<qsizetype>(buffer.size()));
}

QByteArray packValues(const QVariantList &values)
{
    QByteArray out;
    for (const QVariant &value : values) {
        if (!value.isValid() || value.isNull()) {
            out.append(Null);
            continue;
        }
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Long:
        case QMetaType::Short:
            out.append(Integer);
            appendRaw(out, static_cast<qint64>(value.toLongLong()));
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            out.append(Real);
            appendRaw(out, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            appendBytes(out, Blob, bytes.constData(), static_cast<quint32>(bytes.size()));
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            appendBytes(out, Text, text.constData(), static_cast<quint32>(text.size()));
            break;
        }
        }
    }
    return out;
}

QByteArray packNulls(int columnCount)
{
    return QByteArray(columnCount, Null);
}

QVariant unpackValue(const QByteArray &row, int column)
{
    const char *p = row.constData();
    const char *end = p + row.size();
    for (int c = 0; c < column && p < end; ++c)
        p += fieldSize(p);
    if (p >= end)
        return {};
    switch (*p) {
    case Integer: return QVariant(static_cast<qlonglong>(readRaw<qint64>(p + 1)));
    case Real: return QVariant(readRaw<double>(p + 1));
    case Text: {
        const auto size = readRaw<quint32>(p + 1);
        return QVariant(QString::fromUtf8(p + 5, size));
    }
    case Blob: {
        const auto size = readRaw<quint32>(p + 1);
        return QVariant(QByteArray(p + 5, size));
    }
    default: return {};
    }
}

} // namespace db
