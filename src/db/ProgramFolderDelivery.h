#pragma once

#include <QString>
#include <QStringList>

namespace db {

// Whether the program can create and change files in the folder.
bool isWritableFolder(const QString &folder);

// The files an installation delivers in the program's folder for each user to work
// on: the databases and companion files, not programs nor a database's transient
// journal files.
QStringList deliveredFiles(const QString &installFolder);

// Copies each delivered file of installFolder that userFolder lacks, making
// userFolder when needed, and returns the names copied. A file already in userFolder
// is never replaced, and a copy cut short never takes a delivered file's name.
// Throws base::FileError naming the folder or file at fault.
QStringList copyMissingDeliveredFiles(const QString &installFolder, const QString &userFolder);

} // namespace db
