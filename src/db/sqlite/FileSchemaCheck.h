#pragma once

#include <QByteArray>
#include <QStringList>

namespace db {

class SqliteEngine;

// Every way in which a database file's schema differs from the one the script makes:
// objects missing, of another kind or unknown to the program, columns (type, default,
// key, collation, NOT NULL), STRICT, AUTOINCREMENT, indexed columns, the schema
// version, and any other difference in a table's, index's, trigger's or view's
// definition (a CHECK or UNIQUE constraint, a foreign key, a partial index, a
// trigger's body). Empty when they are the same. Throws DbError when the script fails.
QStringList fileSchemaDifferences(SqliteEngine &file, const QByteArray &expectedScript);

} // namespace db
