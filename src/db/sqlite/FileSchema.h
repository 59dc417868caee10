#pragma once

#include <QString>
#include <QStringList>

namespace db {

class SqliteEngine;

// The program's tables as SQLite files, made, upgraded and checked from their
// description (schema/SchemaTables.h).
namespace FileSchema {

// Both databases in a folder (made when missing), or neither: throws DbError naming
// the file when one exists already or the two cannot be made.
void createProgramDatabases(const QString &folder);

// Integrity and schema check of one file; every problem found, empty when sound. The
// file's name says which database it must be; any other name, its tables.
QStringList check(const QString &filePath);

// The start-up check of an open file (Engine::requireBusinessTables).
void requireBusinessTables(SqliteEngine &file);
// The same for the RSS database (Engine::requireRssTables).
void requireRssTables(SqliteEngine &file);

// Brings a business or RSS database file up to this version's schema (`tallowmere-db upgrade`).
// Throws DbError naming the file when it is not one, or cannot be written.
void upgrade(const QString &filePath);

} // namespace FileSchema
} // namespace db
