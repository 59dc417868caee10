#pragma once

#include <QString>

namespace db {

// A backup is the program's two databases as files, whatever engine they came from
// and go to.

// The working folder of a restore: in the program folder it restores into, or in the
// system's temporary folder for a server.
inline constexpr auto RestoreWorkingPrefix = ".tallowmere-restore-";

// Copies the backup in `folder` into `workingFolder` (Tallowmere.db and Rss.db) and
// checks the copies as `tallowmere-db check` does. The copies are what is put in place,
// so a backup changed after its check is never restored. Throws DbError naming the
// backup's own file, never the working copy.
void copyAndCheckBackup(const QString &folder, const QString &workingFolder);

} // namespace db
