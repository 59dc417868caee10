#include "db/RowWriter.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Engine.h"
#include "db/RowPacker.h"
#include "db/Statement.h"

namespace db {

namespace {

constexpr auto ChangedByAnotherUser = "The row was changed or deleted by another user.";

QString quoted(const QString &name)
{
    return u'"' % QString(name).replace(u'"', QLatin1String("\"\"")) % u'"';
}

} // namespace

void RowWriter::changedColumns(const RowCache::Pending &pending, QStringList &columns, QVariantList &values) const
{
    for (int c = 0; c < m_shape.names.size(); ++c) {
        const auto &change = pending.changes[static_cast<size_t>(c)];
        if (!change)
            continue;
        QVariant value = *change;
        // A cleared box means "no value" for a number or a date, not an empty text.
        const bool textColumn = m_shape.declaredTypes[c].contains(QLatin1String("TEXT"), Qt::CaseInsensitive);
        if (!textColumn && value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
            value = QVariant();
        columns << quoted(m_shape.originColumns[c]);
        values << value;
    }
}

qint64 RowWriter::insert(const RowCache::Pending &pending)
{
    QStringList columns;
    QVariantList values;
    changedColumns(pending, columns, values);
    const QString table = quoted(m_shape.table);
    if (columns.isEmpty()) {
        m_connection.execute(QStringLiteral("INSERT INTO ") % table % QStringLiteral(" DEFAULT VALUES"));
    } else {
        const QStringList marks(columns.size(), QStringLiteral("?"));
        m_connection.execute(QStringLiteral("INSERT INTO ") % table % QStringLiteral(" (") % columns.join(u',')
                                 % QStringLiteral(") VALUES (") % marks.join(u',') % u')',
                             values);
    }
    return m_connection.lastInsertRowId();
}

void RowWriter::update(const RowCache::Row &row, const RowCache::Pending &pending)
{
    QStringList columns;
    QVariantList values;
    changedColumns(pending, columns, values);
    if (columns.isEmpty())
        return;
    for (QString &column : columns)
        column += QStringLiteral(" = ?");
    const QString sql = QStringLiteral("UPDATE ") % quoted(m_shape.table) % QStringLiteral(" SET ") % columns.join(u',')
                        % unchangedRowCondition(row, values);
    if (m_connection.execute(sql, values) == 0)
        throw DbError(QString::fromLatin1(ChangedByAnotherUser));
}

void RowWriter::remove(const RowCache::Row &row)
{
    QVariantList values;
    const QString condition = unchangedRowCondition(row, values);
    if (m_connection.execute(QStringLiteral("DELETE FROM ") % quoted(m_shape.table) % condition, values) == 0)
        throw DbError(QString::fromLatin1(ChangedByAnotherUser));
}

QString RowWriter::unchangedRowCondition(const RowCache::Row &row, QVariantList &values) const
{
    // Optimistic locking: the row must still hold every value read from it, compared
    // exactly (a change of case is a change), or the statement touches nothing.
    const Engine &engine = *m_connection.engine();
    QString condition = QStringLiteral(" WHERE ") % engine.rowIdentity(m_shape.table) % QStringLiteral(" = ?");
    values << row.rowId;
    for (int c = 0; c < m_shape.originColumns.size(); ++c) {
        const QString &origin = m_shape.originColumns[c];
        if (origin.isEmpty())
            continue;
        condition += QStringLiteral(" AND ") % engine.holdsExactly(quoted(origin));
        values << unpackValue(row.values, c);
    }
    return condition;
}

QByteArray RowWriter::reread(const RowCache::Row &row)
{
    QStringList selected;
    for (const QString &origin : m_shape.originColumns)
        selected << (origin.isEmpty() ? QStringLiteral("NULL") : quoted(origin));
    Statement statement(m_connection,
                        QStringLiteral("SELECT ") % selected.join(u',') % QStringLiteral(" FROM ")
                            % quoted(m_shape.table) % QStringLiteral(" WHERE ")
                            % m_connection.engine()->rowIdentity(m_shape.table) % QStringLiteral(" = ?"),
                        {row.rowId});
    if (!statement.step())
        return row.values;
    QVariantList values;
    for (int c = 0; c < m_shape.originColumns.size(); ++c)
        values << (m_shape.originColumns[c].isEmpty() ? unpackValue(row.values, c) : statement.value(c));
    return packValues(values);
}

} // namespace db
