#pragma once

#include <QString>

namespace db {

// Copies of the two databases (Tallowmere.db and Rss.db) kept in a folder of their own.
namespace Backup {

// Writes a consistent copy of both databases of `source` into `folder`, made when
// missing (0700; the files 0600). `source` is a program folder (its server when it
// holds Tallowmere.url) or a server address: from a server the same two files are made
// from its rows, keys and key generators kept. Other connections may write meanwhile;
// each file is the database as it was at one moment. The files appear under their own
// names only once both are complete. Throws DbError naming the file or folder at fault,
// and when `folder` holds a database already (it is left as it is).
void write(const QString &source, const QString &folder);

// Checks the backup in `folder` (integrity and schema of both files) and puts it in
// place: into a program folder, replacing its databases, or into an empty server
// database. All or nothing: a damaged or foreign backup, or a program folder whose
// databases are open in a program, is refused and the target left as it was.
// Throws DbError.
void restore(const QString &folder, const QString &target);

} // namespace Backup
} // namespace db
