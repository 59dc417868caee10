#include "db/PostgresRows.h"

#include "db/LibPq.h"
#include "db/PostgresDialect.h"
#include "db/PostgresSession.h"

namespace db {

PostgresRows::PostgresRows(PostgresSession &session, const QString &sql, const QVariantList &parameters, bool rowByRow)
    : m_session(session)
    , m_rowByRow(rowByRow)
{
    session.ensureCatalog();
    session.send(sql, parameters, rowByRow);
    // The first result carries the columns; with row-by-row reading it also holds the first row.
    PostgresResult first = session.nextResult();
    try {
        first = session.checked(std::move(first));
    } catch (...) {
        finish();
        throw;
    }
    m_columns = first.columnCount();
    m_affected = first.affectedRows();
    if (m_rowByRow) {
        m_firstPending = first.rowCount() > 0;
        if (LibPq::get().resultStatus(first.handle()) == PGRES_SINGLE_TUPLE) {
            m_current = PostgresResult();
            m_shape = std::move(first);
        } else {
            m_shape = std::move(first);
            finish();
        }
    } else {
        m_shape = std::move(first);
        finish();
    }
}

PostgresRows::~PostgresRows()
{
    try {
        finish();
    } catch (...) {
        // The session reports its state on its next statement.
    }
}

void PostgresRows::finish()
{
    if (m_done)
        return;
    m_done = true;
    while (true) {
        PostgresResult rest = m_session.nextResult();
        if (!rest.handle())
            break;
    }
}

void PostgresRows::take(PostgresResult result)
{
    m_current = std::move(result);
}

bool PostgresRows::step()
{
    if (!m_rowByRow) {
        ++m_row;
        return m_row < m_shape.rowCount();
    }
    if (m_firstPending) {
        m_firstPending = false;
        m_row = 0;
        m_current = PostgresResult();
        return true;
    }
    if (m_done) {
        m_current = PostgresResult();
        m_row = 1; // past the shape's one row
        return false;
    }
    PostgresResult next = m_session.nextResult();
    if (!next.handle()) {
        m_done = true;
        return false;
    }
    if (LibPq::get().resultStatus(next.handle()) == PGRES_SINGLE_TUPLE) {
        take(std::move(next));
        m_row = 0;
        return true;
    }
    // The closing result: empty on success, or the error that stopped the rows.
    PostgresResult closing = std::move(next);
    finish();
    m_session.checked(std::move(closing));
    return false;
}

QString PostgresRows::columnName(int column) const
{
    return m_shape.columnName(column);
}

QString PostgresRows::originTable(int column) const
{
    const auto *origin = m_session.origin(m_shape.originTable(column), m_shape.originColumn(column));
    return origin ? origin->table : QString();
}

QString PostgresRows::originColumn(int column) const
{
    const auto *origin = m_session.origin(m_shape.originTable(column), m_shape.originColumn(column));
    return origin ? origin->column : QString();
}

QString PostgresRows::declaredType(int column) const
{
    const auto *origin = m_session.origin(m_shape.originTable(column), m_shape.originColumn(column));
    return origin ? origin->type : QString();
}

QVariant PostgresRows::value(int column) const
{
    const PostgresResult &rows = m_current.handle() ? m_current : m_shape;
    return rows.value(m_row, column);
}

bool PostgresRows::isNull(int column) const
{
    const PostgresResult &rows = m_current.handle() ? m_current : m_shape;
    return rows.isNull(m_row, column);
}

QByteArray PostgresRows::rawText(int column) const
{
    const PostgresResult &rows = m_current.handle() ? m_current : m_shape;
    return rows.rawText(m_row, column);
}

} // namespace db
