#include "db/postgres/ServerStorage.h"

#include "db/BackupCheck.h"
#include "db/BackupFiles.h"
#include "db/ServerCopy.h"
#include "db/postgres/PostgresAccess.h"
#include "db/postgres/PostgresBackup.h"
#include "db/postgres/PostgresEngine.h"
#include "db/postgres/PostgresSchema.h"
#include "db/postgres/PostgresSession.h"
#include "db/postgres/ServerSessions.h"

#include <QDir>

namespace db {

std::unique_ptr<Engine> ServerStorage::open(Opening) const
{
    return std::make_unique<PostgresEngine>(m_address);
}

void ServerStorage::openAhead() const
{
    ServerSessions::openAhead(m_address);
}

void ServerStorage::createProgramDatabases() const
{
    PostgresSession session(m_address);
    PostgresSchema::create(session);
}

QStringList ServerStorage::check() const
{
    PostgresSession session(m_address);
    return PostgresSchema::check(session) + PostgresAccess::check(session);
}

void ServerStorage::upgrade() const
{
    PostgresSession session(m_address);
    PostgresSchema::upgrade(session);
}

void ServerStorage::backUp(const QString &business, const QString &rss) const
{
    backUpServer(m_address, business, rss);
}

// The backup's copies go, checked, from a private folder of the system's temporary
// place (the program folder may not be writable).
void ServerStorage::restoreBackup(const QString &folder, const std::function<void()> &) const
{
    const QString working = BackupFiles::makePrivateFolder(QDir::tempPath(), QLatin1String(RestoreWorkingPrefix));
    try {
        copyAndCheckBackup(folder, working);
        copyFolderToServer(working, m_address);
    } catch (...) {
        BackupFiles::removePrivateFolder(working);
        throw;
    }
    BackupFiles::removePrivateFolder(working);
}

} // namespace db
