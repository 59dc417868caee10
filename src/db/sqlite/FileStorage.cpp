#include "db/sqlite/FileStorage.h"

#include "db/BackupFiles.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/ServerAddress.h"
#include "db/sqlite/FileBackup.h"
#include "db/sqlite/FileSchema.h"
#include "db/sqlite/FolderRestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

std::unique_ptr<SqliteEngine> openFileEngine(const QString &filePath, bool readOnly)
{
    const QFileInfo info(filePath);
    if (filePath.isEmpty() || !info.exists())
        throw DbError(QStringLiteral("The database file %1 does not exist.").arg(shown(filePath)));
    if (!info.isFile())
        throw DbError(QStringLiteral("%1 is not a database file.").arg(shown(filePath)));
    if (!info.isReadable())
        throw DbError(QStringLiteral("The database file %1 cannot be read: permission denied.").arg(shown(filePath)));
    return std::make_unique<SqliteEngine>(filePath,
                                          readOnly ? SqliteEngine::Mode::ReadOnly : SqliteEngine::Mode::ReadWrite);
}

std::unique_ptr<SqliteEngine> createFileEngine(const QString &filePath)
{
    // Made here rather than by the engine, which would give it the umask's mode.
    const int fd = ::open(QFile::encodeName(filePath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::fchmod(fd, 0600);
        ::close(fd);
    }
    return std::make_unique<SqliteEngine>(filePath, SqliteEngine::Mode::Create);
}

void removeCompanionFiles(const QString &filePath)
{
    for (const char *suffix : {"-wal", "-shm", "-journal"})
        QFile::remove(filePath + QLatin1String(suffix));
}

void removeDatabaseFiles(const QString &filePath)
{
    QFile::remove(filePath);
    removeCompanionFiles(filePath);
}

std::unique_ptr<Engine> FileStorage::open(Opening opening) const
{
    if (opening == Opening::Create)
        return createFileEngine(m_path);
    return openFileEngine(m_path, opening == Opening::ReadOnly);
}

QString FileStorage::databaseFile(const QString &databaseFile) const
{
    return QDir(m_path).filePath(databaseFile);
}

void FileStorage::createProgramDatabases() const
{
    FileSchema::createProgramDatabases(m_path);
}

QStringList FileStorage::check() const
{
    return FileSchema::check(m_path);
}

void FileStorage::upgrade() const
{
    FileSchema::upgrade(m_path);
}

void FileStorage::refuseBackupInto(const QString &folder) const
{
    if (!QFileInfo(m_path).isDir())
        throw DbError(QStringLiteral("The program folder %1 does not exist.").arg(shown(m_path)));
    if (BackupFiles::sameFolder(m_path, folder))
        throw DbError(QStringLiteral("A backup goes into a folder of its own, not into the program folder %1.")
                          .arg(shown(m_path)));
}

void FileStorage::backUp(const QString &business, const QString &rss) const
{
    const QDir folder(m_path);
    copyDatabase(folder.filePath(QLatin1String(ConnectionStrings::BusinessDatabaseFile)), business);
    copyDatabase(folder.filePath(QLatin1String(ConnectionStrings::RssDatabaseFile)), rss);
}

void FileStorage::restoreBackup(const QString &folder, const std::function<void()> &afterEachMove) const
{
    if (QFileInfo(m_path).isDir() && !ServerAddress::ofFolder(m_path).isEmpty()) {
        throw DbError(QStringLiteral("The program folder %1 keeps its data on a server (%2); restore into the "
                                     "server's address instead. Nothing was changed.")
                          .arg(shown(m_path), QLatin1String(ServerAddress::FileName)));
    }
    FolderRestore::restore(folder, m_path, afterEachMove);
}

} // namespace db
