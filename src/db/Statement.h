#pragma once

#include "db/Engine.h"

#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <memory>

namespace db {

class Connection;

// One prepared statement in the windows' dialect, stepped row by row. The data
// layer's recordsets read through it, and so does the command-line tool, which
// streams rows without holding them.
class Statement
{
public:
    // On a server the statement runs here, not at the first step (a server has no
    // prepared statement without its values): make it only when it is to run. Rows
    // arrive one by one unless every row is wanted at once (wholeResult), which is
    // faster for printing them all.
    Statement(Connection &connection, const QString &sql, const QVariantList &parameters = {},
              bool wholeResult = false);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Advances to the next row; false when there are no more.
    bool step() { return m_rows->step(); }
    // Starts the statement over with new values for its placeholders, so a statement
    // run many times is prepared once.
    void rebind(const QVariantList &parameters) { m_rows->rebind(parameters); }

    int columnCount() const { return m_rows->columnCount(); }
    QString columnName(int column) const { return m_rows->columnName(column); }
    // The table and column a result column comes from; empty for expressions.
    QString originTable(int column) const { return m_rows->originTable(column); }
    QString originColumn(int column) const { return m_rows->originColumn(column); }
    QString declaredType(int column) const { return m_rows->declaredType(column); }
    QVariant value(int column) const { return m_rows->value(column); }
    bool isNull(int column) const { return m_rows->isNull(column); }
    // The field as UTF-8 text, as the engine holds it, valid until the next step.
    QByteArrayView text(int column) const { return m_rows->text(column); }
    // The current row's columns from `first` on, packed (see RowPacker.h).
    QByteArray packedRow(int first, int count) const { return m_rows->packedRow(first, count); }
    // The text to build a further statement on (a count of its rows): as the engine
    // took it.
    QString reusableText() const { return m_rows->reusableText(); }
    // Rows changed, once a statement without rows has run.
    int affectedRows() const { return m_rows->affectedRows(); }

private:
    std::unique_ptr<EngineRows> m_rows;
};

} // namespace db
