#include "db/ProgramFolderDelivery.h"

#include "base/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace db {

namespace {

bool isJournal(const QString &name)
{
    for (const auto suffix : {QLatin1String("-wal"), QLatin1String("-shm"), QLatin1String("-journal")}) {
        if (name.endsWith(suffix))
            return true;
    }
    return false;
}

// What a program folder holds that is no one's to copy: the run-time modules beside the
// program (installed without the executable bit), and the settings with the passwords
// of whoever worked there, with what a cut-short save of them left behind.
bool isPrivateOrProgram(const QString &name)
{
    return (name.startsWith(QLatin1String("lib")) && name.contains(QLatin1String(".so")))
           || name == QLatin1String("config.ini") || name.startsWith(QLatin1String("config.ini."));
}

void copyOne(const QString &source, const QString &target)
{
    // Copied under a temporary name first, so a full disk never leaves half a database
    // under the real name for the next start to trust.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    QFile in(source);
    if (!in.copy(partial)) {
        const QString reason = in.errorString();
        QFile::remove(partial);
        throw base::FileError(QStringLiteral("The file %1 cannot be copied to %2: %3")
                                  .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target), reason));
    }
    // The copy keeps the installed file's permissions; the user's own is the user's
    // alone, and must take changes.
    QFile::setPermissions(partial, QFile::ReadOwner | QFile::WriteOwner);
    QFile out(partial);
    if (!out.rename(target)) {
        const QString reason = out.errorString();
        QFile::remove(partial);
        if (!QFileInfo::exists(target))
            throw base::FileError(
                QStringLiteral("The file %1 cannot be made: %2").arg(QDir::toNativeSeparators(target), reason));
    }
}

} // namespace

void makePrivateFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw base::FileError(QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder)));
    // Whatever the umask made of it, or an earlier version left: the businesses are
    // no other user's to read. A folder of someone else's keeps its mode.
    ::chmod(QFile::encodeName(folder).constData(), S_IRWXU);
}

bool isWritableFolder(const QString &folder)
{
    // access() also answers for read-only mounts, which permission bits do not show.
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QString deliveredFolderFromProgram()
{
    return QStringLiteral(TALLOWMERE_DELIVERED_FROM_PROGRAM);
}

QString deliveredFolderOf(const QString &programFolder)
{
    const QString folder = QDir::cleanPath(QDir(programFolder).absoluteFilePath(deliveredFolderFromProgram()));
    return QFileInfo(folder).isDir() ? folder : QString();
}

QString workingFolderFor(const QString &programFolder, const QString &userDataFolder)
{
    if (deliveredFolderOf(programFolder).isEmpty() && isWritableFolder(programFolder))
        return programFolder;
    return userDataFolder;
}

QStringList deliveredFiles(const QString &installFolder)
{
    QStringList names;
    const QFileInfoList entries = QDir(installFolder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isExecutable() || isJournal(entry.fileName()) || isPrivateOrProgram(entry.fileName()))
            continue;
        names << entry.fileName();
    }
    return names;
}

QStringList copyMissingDeliveredFiles(const QString &installFolder, const QString &userFolder)
{
    makePrivateFolder(userFolder);
    QStringList copied;
    const QDir from(installFolder);
    const QDir to(userFolder);
    for (const QString &name : deliveredFiles(installFolder)) {
        const QString target = to.filePath(name);
        if (QFileInfo::exists(target))
            continue;
        copyOne(from.filePath(name), target);
        copied << name;
    }
    return copied;
}

} // namespace db
