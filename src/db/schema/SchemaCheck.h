#pragma once

#include <QStringList>

struct sqlite3;

namespace db {

// Every way in which a database's schema differs from the one expected: objects
// missing, of another kind or unknown to the program, columns (type, default, key,
// collation, NOT NULL), STRICT, AUTOINCREMENT, indexed columns, triggers and the
// schema version. Empty when they are the same.
QStringList schemaDifferences(sqlite3 *found, sqlite3 *expected);

} // namespace db
