#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace db {

// What a table column is for, as far as changing it goes: the program never writes
// a row's key, and a date-added column only ever gets the date from its default.
enum class ColumnRole {
    Ordinary,
    Key,
    DateAdded
};

// The role of each of the named columns of one table, from the program's description
// of its tables on either engine; a table or column it does not describe (or an empty
// name) is Ordinary.
std::vector<ColumnRole> columnRoles(const QString &table, const QStringList &columns);

} // namespace db
