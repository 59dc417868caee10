#include "db/ProgramFolderDelivery.h"

#include "base/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    // Installed files may be read-only; the user's copy must take changes.
    QFile::setPermissions(partial, QFile::permissions(partial) | QFile::ReadOwner | QFile::WriteOwner);
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

bool isWritableFolder(const QString &folder)
{
    // access() also answers for read-only mounts, which permission bits do not show.
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QStringList deliveredFiles(const QString &installFolder)
{
    QStringList names;
    const QFileInfoList entries = QDir(installFolder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isExecutable() || isJournal(entry.fileName()))
            continue;
        names << entry.fileName();
    }
    return names;
}

QStringList copyMissingDeliveredFiles(const QString &installFolder, const QString &userFolder)
{
    if (!QDir().mkpath(userFolder))
        throw base::FileError(
            QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(userFolder)));
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
