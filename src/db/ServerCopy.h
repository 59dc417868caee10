#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace db {

// Moves the pair of database files of a program folder (Tallowmere.db and Rss.db)
// into an empty PostgreSQL database (`uri`, a postgresql:// address): every row with its key, the key generators set
// past the highest key. All or nothing: one transaction, which a failure or a killed
// program leaves uncommitted, so the server database stays empty.
// Returns each table with the number of rows copied. Throws DbError.
QList<QPair<QString, qint64>> copyFolderToServer(const QString &folder, const QString &uri);

} // namespace db
