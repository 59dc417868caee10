#include "db/schema/ColumnRoles.h"

#include "db/schema/SchemaTables.h"

namespace db {

std::vector<ColumnRole> columnRoles(const QString &table, const QStringList &columns)
{
    std::vector<ColumnRole> roles(static_cast<size_t>(columns.size()), ColumnRole::Ordinary);
    const SchemaTables::Table *described = SchemaTables::findTable(table);
    if (!described)
        return roles;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        for (const SchemaTables::Column &column : described->columns) {
            if (column.name.compare(columns[i], Qt::CaseInsensitive) != 0)
                continue;
            if (column.kind == SchemaTables::ColumnKind::Key)
                roles[static_cast<size_t>(i)] = ColumnRole::Key;
            else if (column.kind == SchemaTables::ColumnKind::DateAdded)
                roles[static_cast<size_t>(i)] = ColumnRole::DateAdded;
        }
    }
    return roles;
}

} // namespace db
