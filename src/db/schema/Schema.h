#pragma once

#include "db/schema/SchemaTables.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace db {

class Connection;

// The two databases as files: made, upgraded and checked from the tables'
// description (SchemaTables.h, which holds the schema versions too).
namespace Schema {

// Creates a database with schema and delivered content. Throws DbError naming the
// file when it exists already or cannot be written.
void createBusinessDatabase(const QString &filePath);
void createRssDatabase(const QString &filePath);
// The same schema without the delivered content: `fill` puts the rows in, within the
// transaction that makes the tables.
void createBusinessDatabase(const QString &filePath, const std::function<void(Connection &)> &fill);
void createRssDatabase(const QString &filePath, const std::function<void(Connection &)> &fill);
// Both databases of the program in a folder (made when missing), or neither: throws
// DbError naming the file when one exists already or the two cannot be made. A
// server's address gets the tables in its database instead.
void createProgramDatabases(const QString &folder);

// Brings an open database up to the current schema version; one that cannot be
// written is left as it is.
void migrate(Connection &connection);

// Brings a file's or a server's business database up to the current schema version:
// `tallowmere-db upgrade`, for a server's tables, which only their owner may change.
void upgrade(const QString &database);

// Throws DbError naming the file when an open database is not a business database
// of a version this program understands (the start-up check).
void requireBusinessDatabase(Connection &connection);

// Integrity and schema check of a file or a server's database (on a server also who may
// do what to the tables); every problem found, empty when it is sound.
QStringList check(const QString &filePath);

// The merge-field names the delivered MasterField table holds, in order.
QStringList mergeFieldNames();

} // namespace Schema
} // namespace db
