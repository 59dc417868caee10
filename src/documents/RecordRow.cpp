#include "documents/RecordRow.h"

#include "db/DbError.h"
#include "db/Recordset.h"

#include <QCoreApplication>

namespace documents {

RecordRow::RecordRow(const db::Recordset &recordset, int row)
    : m_recordset(recordset)
    , m_row(row)
{
}

QVariant RecordRow::operator[](const QString &column) const
{
    const int index = m_recordset.columnIndex(column);
    if (index < 0)
        throw db::DbError(
            QCoreApplication::translate("documents::RecordRow", "The query gave no column named %1.").arg(column));
    return m_recordset.valueAt(m_row, index);
}

bool hasRows(const db::Recordset &recordset)
{
    return recordset.isOpen() && recordset.recordCount() > 0;
}

} // namespace documents
