#pragma once

#include <QString>
#include <QStringList>

namespace db {

// Whether the program can create and change files in the folder.
bool isWritableFolder(const QString &folder);

// Where an installation whose programs sit in programFolder keeps the files it
// delivers to each user (its share folder); empty for a build tree or a portable
// copy, which have none.
QString deliveredFolderOf(const QString &programFolder);
// The same folder, relative to the programs' folder, as the build installs them.
QString deliveredFolderFromProgram();

// The folder the program works in: programFolder for a build tree or a portable copy
// that can be written, userDataFolder otherwise. An installation is never worked in,
// even by a user who could write there (root): what one user changed there would
// reach every other user.
QString workingFolderFor(const QString &programFolder, const QString &userDataFolder);

// Makes the folder when needed and leaves it open to its owner alone (0700).
// Throws base::FileError naming the folder when it cannot be made.
void makePrivateFolder(const QString &folder);

// The files an installation delivers for each user to work on: the databases and
// companion files, not programs or plug-ins, nor a database's transient journal
// files, nor settings someone saved there.
QStringList deliveredFiles(const QString &installFolder);

// Copies each delivered file of installFolder that userFolder lacks, making
// userFolder (0700) when needed, and returns the names copied. Each copy is readable
// and writable by the user alone (0600). A file already in userFolder is never
// replaced, and a copy cut short never takes a delivered file's name.
// Throws base::FileError naming the folder or file at fault.
QStringList copyMissingDeliveredFiles(const QString &installFolder, const QString &userFolder);

} // namespace db
