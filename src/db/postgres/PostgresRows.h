#pragma once

#include "db/postgres/PostgresResult.h"

#include <QString>
#include <QVariant>

namespace db {

class PostgresSession;

// The rows of one statement on a PostgreSQL session, stepped in order. Row by row,
// the first rows of a large query show before the last have left the server: inside
// a transaction a query is read through a cursor in batches, so rows never stepped to
// are never sent; outside one they are read as they arrive, and until the last is
// read nothing else runs on the session. Otherwise the whole result comes at once
// (faster when every row is wanted).
class PostgresRows
{
public:
    PostgresRows(PostgresSession &session, const QString &sql, const QVariantList &parameters, bool rowByRow);
    ~PostgresRows();
    PostgresRows(const PostgresRows &) = delete;
    PostgresRows &operator=(const PostgresRows &) = delete;

    // Advances to the next row; false when there are no more.
    bool step();
    // Reads and drops the rows not stepped to, freeing the session.
    void finish();

    int columnCount() const { return m_columns; }
    QString columnName(int column) const;
    // The table and column a result column comes from; empty for expressions.
    QString originTable(int column) const;
    QString originColumn(int column) const;
    QString declaredType(int column) const;
    QVariant value(int column) const;
    bool isNull(int column) const;
    QByteArrayView textView(int column) const;
    // Rows changed, for a statement without rows.
    int affectedRows() const { return m_affected; }

private:
    void openCursor(const QString &sql, const QVariantList &parameters);
    void fetch(int rows);
    const PostgresResult &rows() const { return m_current.handle() ? m_current : m_shape; }

    PostgresSession &m_session;
    PostgresResult m_shape; // the first result: column names and origins
    PostgresResult m_current;
    int m_row = -1;
    int m_columns = 0;
    int m_affected = 0;
    bool m_rowByRow;
    bool m_done = false;
    bool m_firstPending = false;
    QByteArray m_cursor; // the server-side cursor read in batches, if any
};

} // namespace db
