#pragma once

#include <QString>

#include <functional>

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

// Copies the backup in `folder` into a working folder of its own, checks the copies
// (integrity, and a schema exactly the program's) and puts them in place: into a
// program folder, replacing its databases, or into an empty server database. All or
// nothing: a damaged or foreign backup, or a program folder whose databases are open
// in a program, is refused and the target left as it was. A restore that is stopped
// while it moves the databases leaves a record in the program folder (see
// interruptedRestore). Throws DbError. `afterEachMove` runs after each move of a
// database file into or out of the program folder (tests stop the run there).
void restore(const QString &folder, const QString &target, const std::function<void()> &afterEachMove = {});

// What a stopped restore left in the program folder, in words for the user; empty when
// none was stopped. Throws DbError when the record there is not one of the program's.
QString interruptedRestore(const QString &programFolder);
// Puts the stopped restore's databases in place, or the ones from before it back.
// Throws DbError.
void finishRestore(const QString &programFolder);
void undoRestore(const QString &programFolder);

} // namespace Backup
} // namespace db
