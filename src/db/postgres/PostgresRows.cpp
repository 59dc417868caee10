#include "db/postgres/PostgresRows.h"

#include "db/postgres/LibPq.h"
#include "db/postgres/PostgresSession.h"

#include <QRegularExpression>

namespace db {

namespace {

// The first batch covers what a window shows first; later batches are larger, as
// whoever reads on usually wants them all.
constexpr int FirstBatchRows = 256;
constexpr int NextBatchRows = 2048;

// A cursor takes a plain query only; SELECT ... INTO makes a table and cannot be one.
// A doubtful text is simply read row by row.
bool cursorCanRead(const QString &sql)
{
    static const QRegularExpression select(QStringLiteral("^\\s*SELECT\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression into(QStringLiteral("\\bINTO\\b"), QRegularExpression::CaseInsensitiveOption);
    return select.match(sql).hasMatch() && !into.match(sql).hasMatch();
}

} // namespace

PostgresRows::PostgresRows(PostgresSession &session, const QString &sql, const QVariantList &parameters, bool rowByRow)
    : m_session(session)
    , m_rowByRow(rowByRow)
{
    session.ensureCatalog();
    if (rowByRow && LibPq::get().transactionStatus(session.handle()) == PQTRANS_INTRANS && cursorCanRead(sql)) {
        openCursor(sql, parameters);
        return;
    }
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

void PostgresRows::openCursor(const QString &sql, const QVariantList &parameters)
{
    m_cursor = m_session.newCursorName();
    m_session.run(QStringLiteral("DECLARE %1 NO SCROLL CURSOR FOR ").arg(QLatin1String(m_cursor)) + sql, parameters);
    // The first batch is also the shape: the columns and where they come from.
    m_shape
        = m_session.run(QStringLiteral("FETCH FORWARD %1 FROM %2").arg(FirstBatchRows).arg(QLatin1String(m_cursor)));
    m_columns = m_shape.columnCount();
    m_done = m_shape.rowCount() < FirstBatchRows;
}

void PostgresRows::fetch(int rows)
{
    m_current = PostgresResult(); // the last batch goes before the next arrives
    m_current = m_session.run(QStringLiteral("FETCH FORWARD %1 FROM %2").arg(rows).arg(QLatin1String(m_cursor)));
    m_done = m_current.rowCount() < rows;
    m_row = -1;
}

void PostgresRows::finish()
{
    if (m_done)
        return;
    m_done = true;
    if (!m_cursor.isEmpty()) {
        // Rows never fetched never leave the server, and the cursor ends with its
        // transaction. Not closed here: a savepoint rolled back may have taken it
        // already, and a failed CLOSE would spoil the caller's whole transaction.
        return;
    }
    while (true) {
        PostgresResult rest = m_session.nextResult();
        if (!rest.handle())
            break;
    }
}

bool PostgresRows::step()
{
    if (!m_cursor.isEmpty()) {
        ++m_row;
        if (m_row < rows().rowCount())
            return true;
        if (m_done)
            return false;
        fetch(NextBatchRows);
        ++m_row;
        return m_row < rows().rowCount();
    }
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
        m_current = std::move(next);
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
    return rows().value(m_row, column);
}

bool PostgresRows::isNull(int column) const
{
    return rows().isNull(m_row, column);
}

QByteArrayView PostgresRows::textView(int column) const
{
    return rows().rawText(m_row, column);
}

} // namespace db
