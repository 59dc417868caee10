#pragma once

#include "db/schema/SchemaTables.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace db {

class Connection;
class FileRows;

// The program's databases made, checked and upgraded from the tables' description
// (schema/SchemaTables.h, which holds the schema versions too), by whichever engine
// keeps them (Storage.h).
namespace Schema {

// Creates a database file with schema and delivered content. Throws DbError naming the
// file when anything has its name already or it cannot be written.
void createBusinessDatabase(const QString &filePath);
void createRssDatabase(const QString &filePath);
// The same schema without the delivered content: `fill` puts the rows in, within the
// transaction that makes the tables.
void createBusinessDatabase(const QString &filePath, const std::function<void(FileRows &)> &fill);
void createRssDatabase(const QString &filePath, const std::function<void(FileRows &)> &fill);
// Both databases of the program in a folder (made when missing), or neither: throws
// DbError naming the file when one exists already or the two cannot be made. A
// server's address gets the tables in its database instead.
void createProgramDatabases(const QString &location);

// Brings a file's or a server's business database up to the current schema version:
// `tallowmere-db upgrade`, for a server's tables, which only their owner may change.
void upgrade(const QString &location);

// Throws DbError naming the database when an open one is not a business database of
// a version this program understands (the start-up check); a file of an older version
// that can be written is brought up to the current one.
void requireBusinessDatabase(Connection &connection);
// The same for the RSS database.
void requireRssDatabase(Connection &connection);

// Integrity and schema check of a file or a server's database (on a server also who may
// do what to the tables); every problem found, empty when it is sound.
QStringList check(const QString &location);

// The merge-field names the delivered MasterField table holds, in order.
QStringList mergeFieldNames();

} // namespace Schema
} // namespace db
