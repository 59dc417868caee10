#include "db/Backup.h"

#include "db/BackupFiles.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Storage.h"

#include <QDir>
#include <QFileInfo>

namespace db::Backup {

namespace {

constexpr auto BackupWorkingPrefix = ".tallowmere-backup-";

QStringList databaseNames()
{
    return {QLatin1String(ConnectionStrings::BusinessDatabaseFile), QLatin1String(ConnectionStrings::RssDatabaseFile)};
}

} // namespace

void write(const QString &source, const QString &folder)
{
    const std::unique_ptr<Storage> storage = Storage::ofProgramFolder(source);
    storage->refuseBackupInto(folder);
    const QDir target(folder);
    for (const QString &name : databaseNames())
        BackupFiles::refuseExisting(target.filePath(name));
    const QString path = QFileInfo(folder).absoluteFilePath();
    if (BackupFiles::nameTaken(path) && BackupFiles::belongsToAnotherUser(path)) {
        // Its owner could take the files away or put others in their place later.
        throw DbError(QStringLiteral("The folder %1 belongs to another user; a backup goes only into a folder of "
                                     "your own (or a new one). Nothing was written.")
                          .arg(QDir::toNativeSeparators(path)));
    }
    BackupFiles::buildThenMove(
        folder, QLatin1String(BackupWorkingPrefix), databaseNames(), [&storage](const QString &working) {
            const QDir made(working);
            storage->backUp(made.filePath(QLatin1String(ConnectionStrings::BusinessDatabaseFile)),
                            made.filePath(QLatin1String(ConnectionStrings::RssDatabaseFile)));
        });
}

void restore(const QString &folder, const QString &target, const std::function<void()> &afterEachMove)
{
    Storage::at(target)->restoreBackup(folder, afterEachMove);
}

} // namespace db::Backup
