#pragma once

#include <QString>
#include <QVariant>

namespace db {
class Recordset;
}

namespace documents {

// One row of a recordset read by column name, without moving the recordset.
// A Null field reads as an invalid QVariant; an unknown column throws db::DbError.
class RecordRow
{
public:
    RecordRow(const db::Recordset &recordset, int row);

    QVariant operator[](const QString &column) const;

private:
    const db::Recordset &m_recordset;
    int m_row;
};

// True when the recordset holds at least one row.
bool hasRows(const db::Recordset &recordset);

} // namespace documents
