#include "db/postgres/PostgresResult.h"

#include "db/postgres/LibPq.h"

#include <utility>

namespace db {

namespace {

// Catalog numbers of the built-in types, fixed since PostgreSQL's first releases.
enum TypeOid : Oid {
    BoolOid = 16,
    ByteaOid = 17,
    Int8Oid = 20,
    Int2Oid = 21,
    Int4Oid = 23,
    OidOid = 26,
    Float4Oid = 700,
    Float8Oid = 701,
    NumericOid = 1700,
};

} // namespace

PostgresResult::PostgresResult(PGresult *result)
    : m_result(result)
{
}

PostgresResult::~PostgresResult()
{
    if (m_result)
        LibPq::get().clear(m_result);
}

PostgresResult::PostgresResult(PostgresResult &&other) noexcept
    : m_result(std::exchange(other.m_result, nullptr))
{
}

PostgresResult &PostgresResult::operator=(PostgresResult &&other) noexcept
{
    if (this != &other) {
        if (m_result)
            LibPq::get().clear(m_result);
        m_result = std::exchange(other.m_result, nullptr);
    }
    return *this;
}

int PostgresResult::rowCount() const
{
    return m_result ? LibPq::get().ntuples(m_result) : 0;
}

int PostgresResult::columnCount() const
{
    return m_result ? LibPq::get().nfields(m_result) : 0;
}

QString PostgresResult::columnName(int column) const
{
    return QString::fromUtf8(LibPq::get().fname(m_result, column));
}

bool PostgresResult::isNull(int row, int column) const
{
    return LibPq::get().getisnull(m_result, row, column) != 0;
}

QByteArrayView PostgresResult::rawText(int row, int column) const
{
    const LibPq &pq = LibPq::get();
    return QByteArrayView(pq.getvalue(m_result, row, column), pq.getlength(m_result, row, column));
}

QVariant PostgresResult::value(int row, int column) const
{
    const LibPq &pq = LibPq::get();
    if (pq.getisnull(m_result, row, column))
        return {};
    const char *text = pq.getvalue(m_result, row, column);
    const int length = pq.getlength(m_result, row, column);
    switch (pq.ftype(m_result, column)) {
    case Int2Oid:
    case Int4Oid:
    case Int8Oid:
    case OidOid: return QVariant(QByteArray::fromRawData(text, length).toLongLong());
    case BoolOid: return QVariant(static_cast<qlonglong>(length > 0 && text[0] == 't' ? 1 : 0));
    case Float4Oid:
    case Float8Oid:
    case NumericOid: return QVariant(QByteArray::fromRawData(text, length).toDouble());
    case ByteaOid: {
        size_t size = 0;
        unsigned char *bytes = pq.unescapeBytea(reinterpret_cast<const unsigned char *>(text), &size);
        if (!bytes)
            return QVariant(QByteArray());
        QByteArray result(reinterpret_cast<const char *>(bytes), static_cast<qsizetype>(size));
        pq.freemem(bytes);
        return QVariant(result);
    }
    default: return QVariant(QString::fromUtf8(text, length));
    }
}

unsigned PostgresResult::originTable(int column) const
{
    return LibPq::get().ftable(m_result, column);
}

int PostgresResult::originColumn(int column) const
{
    return LibPq::get().ftablecol(m_result, column);
}

int PostgresResult::affectedRows() const
{
    return m_result ? QByteArray(LibPq::get().cmdTuples(m_result)).toInt() : 0;
}

} // namespace db
