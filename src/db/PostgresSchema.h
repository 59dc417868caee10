#pragma once

#include <QString>
#include <QStringList>

namespace db {

class PostgresSession;

// Both databases' tables in one PostgreSQL database: a shared office keeps its
// businesses, templates and RSS items together.
namespace PostgresSchema {

// The statements that make the tables, in PostgreSQL's dialect.
QString createScript();

// Makes the tables and the delivered content (merge-field names, templates) in an
// empty database, all or nothing. Throws DbError naming the server when the database
// already holds Tallowmere's tables.
void create(PostgresSession &session);
// Makes the tables only (a copy brings its own rows).
void createTablesOnly(PostgresSession &session);

// Whether any of Tallowmere's tables is there.
bool holdsTables(PostgresSession &session);

// Every difference between the database and the schema this program makes; empty
// when they agree.
QStringList check(PostgresSession &session);

// Sets each table's key generator past its highest key, so copied rows keep their keys
// and new rows never take one of theirs.
void advanceKeyGenerators(PostgresSession &session);

} // namespace PostgresSchema
} // namespace db
