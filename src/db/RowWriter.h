#pragma once

#include "db/QueryShape.h"
#include "db/RowCache.h"

#include <QStringList>

#include <optional>

namespace db {

class Connection;

// Stores a recordset's changes in its table. The row's identity and the check that
// nobody changed it since it was read come from the connection's engine.
class RowWriter
{
public:
    RowWriter(Connection &connection, const QueryShape &shape)
        : m_connection(connection)
        , m_shape(shape)
    {
    }

    // Adds the row; returns its identity.
    qint64 insert(const RowCache::Pending &pending);
    // A row changed or deleted by another connection since it was read is left as it
    // is: DbError.
    void update(const RowCache::Row &row, const RowCache::Pending &pending);
    void remove(const RowCache::Row &row);
    // The row as the database holds it now (its generated key and date added); the
    // values it has when it is gone.
    QByteArray reread(const RowCache::Row &row);

private:
    // The changed columns, quoted, and their values.
    void changedColumns(const RowCache::Pending &pending, QStringList &columns, QVariantList &values) const;
    // " WHERE ..." matching the row only while it holds the values it was read with.
    QString unchangedRowCondition(const RowCache::Row &row, QVariantList &values) const;

    Connection &m_connection;
    const QueryShape &m_shape;
};

} // namespace db
