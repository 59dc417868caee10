#include "db/RowPacker.h"

#include <cstring>
#include <vector>

namespace db {

namespace {

using Tag = PackedTag;
constexpr Tag Null = PackedNull;
constexpr Tag Integer = PackedInteger;
constexpr Tag Real = PackedReal;
constexpr Tag Text = PackedText;
constexpr Tag Blob = PackedBlob;

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
