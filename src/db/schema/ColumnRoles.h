#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace db {

class Connection;

// What a table column is for, as far as changing it goes: the program never writes
// a row's key, and a date-added column only ever gets the date from its default.
enum class ColumnRole {
    Ordinary,
    Key,
    DateAdded
};

// The role of each of the named columns of one table (an empty name: Ordinary).
// On a file the table's own definition says; on a server the program's list of tables.
std::vector<ColumnRole> columnRoles(Connection &connection, const QString &database, const QString &table,
                                    const QStringList &columns);

} // namespace db
