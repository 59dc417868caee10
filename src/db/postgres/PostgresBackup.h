#pragma once

#include <QString>

namespace db {

// Writes the server's tables as the two new database files `business` and `rss`: every
// row with its key, and no key the server handed out ever handed out again. Every
// table as it was at one moment, whatever other users store meanwhile; the rows come
// one by one, so a table of large templates is never held whole. Throws DbError, and
// when the server's tables are not the program's.
void backUpServer(const QString &address, const QString &business, const QString &rss);

} // namespace db
