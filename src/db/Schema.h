#pragma once

#include <QString>
#include <QStringList>

namespace db {

class Connection;

// The two databases: their tables, the delivered content and the schema version.
namespace Schema {

inline constexpr int BusinessVersion = 1;
inline constexpr int RssVersion = 1;

// Creates a database with schema and delivered content. Throws DbError naming the
// file when it exists already or cannot be written.
void createBusinessDatabase(const QString &filePath);
void createRssDatabase(const QString &filePath);

// Brings an open database up to the current schema version (nothing yet beyond 1).
void migrate(Connection &connection);

// Throws DbError naming the file when an open database is not a business database
// of a version this program understands (the start-up check).
void requireBusinessDatabase(Connection &connection);

// Integrity and schema check; every problem found, empty when the file is sound.
QStringList check(const QString &filePath);

// The merge-field names the delivered MasterField table holds, in order.
QStringList mergeFieldNames();

} // namespace Schema
} // namespace db
