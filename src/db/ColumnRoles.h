#pragma once

#include <QString>

struct sqlite3;

namespace db {

// What a table column is for, as far as changing it goes: the program never writes
// a row's key, and a date-added column only ever gets the date from its default.
enum class ColumnRole {
    Ordinary,
    Key,
    DateAdded
};

ColumnRole columnRole(sqlite3 *db, const QString &database, const QString &table, const QString &column);

} // namespace db
