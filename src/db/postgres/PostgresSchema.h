#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

namespace db {

class PostgresSession;

// Both databases' tables in one PostgreSQL database: a shared office keeps its
// businesses, templates and RSS items together.
namespace PostgresSchema {

// The schema versions of the business and RSS tables: columns part (the key) and version.
inline constexpr auto VersionTable = "tallowmere_schema";

// The statements that make the tables, in PostgreSQL's dialect.
QString createScript();

// Makes the tables and the delivered content (merge-field names, templates) in an
// empty database, all or nothing. Throws DbError naming the server when the database
// already holds Tallowmere's tables.
void create(PostgresSession &session);
// Makes the tables and runs `fill` in the same transaction, before it commits.
void create(PostgresSession &session, const std::function<void()> &fill);

// The names of every table the program makes on a server, the schema versions' too.
QStringList tableNames();
// The same as one parameter for `= ANY ($n::text[])`.
QVariant tableNameArray();
// "WITH program_tables AS (...)": the program's tables in the session's current schema
// (oid, relname, relowner, relkind, relacl, relrowsecurity), for catalog queries whose
// $1 is tableNameArray().
QString programTablesClause();

// Whether any of Tallowmere's tables is there.
bool holdsTables(PostgresSession &session);

// Throws DbError naming the server and the first table missing, when the database
// is not a Tallowmere database (the start-up check).
void requireTables(PostgresSession &session);

// Brings the business tables of a database made by an earlier version up to this one
// (the financial plan's tables), all or nothing; nothing when they are current. Throws
// DbError naming the server when they are newer, or when the user may not make tables
// (the tables' owner runs `tallowmere-db upgrade`).
void upgrade(PostgresSession &session);

// Every difference between the database and the schema this program makes (columns,
// versions, and what the tables carry: triggers, rules, policies, defaults,
// constraints, indexes); empty when they agree.
QStringList check(PostgresSession &session);

// Sets each table's key generator past its highest key, and past the highest key it
// ever handed out when `highestUsed` names one for the table (rows deleted before a
// copy), so copied rows keep their keys and no key comes back.
void advanceKeyGenerators(PostgresSession &session, const QHash<QString, qint64> &highestUsed = {});

} // namespace PostgresSchema
} // namespace db
