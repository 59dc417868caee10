#include "db/Connection.h"

#include "db/ConnectionString.h"
#include "db/DbError.h"
#include "db/Statement.h"
#include "db/postgres/PostgresSession.h"
#include "db/postgres/ServerSessions.h"
#include "db/sql/SqlTokens.h"
#include "db/sqlite/TextCollation.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db {

Connection::Connection() = default;

Connection::~Connection()
{
    close();
}

void Connection::open(const QString &connectionString)
{
    if (PostgresSession::isAddress(connectionString.trimmed())) {
        close();
        m_server = ServerSessions::take(connectionString.trimmed());
        m_filePath = m_server->serverName();
        return;
    }
    const ConnectionString settings(connectionString);
    const QString path = settings.value(QStringLiteral("Data Source"));
    if (path.isEmpty())
        throw DbError(QStringLiteral("The connection string names no database file (Data Source is missing)."));
    openFile(path, settings.value(QStringLiteral("Mode")).compare(QLatin1String("Read"), Qt::CaseInsensitive) == 0);
}

void Connection::openFile(const QString &filePath, bool readOnly)
{
    const QFileInfo info(filePath);
    const QString shown = QDir::toNativeSeparators(filePath);
    if (filePath.isEmpty() || !info.exists())
        throw DbError(QStringLiteral("The database file %1 does not exist.").arg(shown));
    if (!info.isFile())
        throw DbError(QStringLiteral("%1 is not a database file.").arg(shown));
    if (!info.isReadable())
        throw DbError(QStringLiteral("The database file %1 cannot be read: permission denied.").arg(shown));
    openHandle(filePath, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
}

void Connection::create(const QString &filePath)
{
    // Made here rather than by the engine, which would give it the umask's mode: a
    // database is its owner's alone, and its -wal and -shm files take its mode.
    const int fd = ::open(QFile::encodeName(filePath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::fchmod(fd, 0600);
        ::close(fd);
    }
    openHandle(filePath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

void Connection::openHandle(const QString &filePath, int flags)
{
    close();
    // An absolute path, so that no name is taken for one of the engine's own
    // (":memory:", an empty name, a "file:" address).
    const QString absolute = QFileInfo(filePath).absoluteFilePath();
    try {
        attach(filePath, QFile::encodeName(absolute), flags);
    } catch (const DbError &) {
        // A folder that cannot be written (a read-only mount) has no room for the
        // write-ahead log's index. With no log waiting beside it the file alone is the
        // whole database, and it can still be read.
        const bool readOnlyFolder = !(flags & SQLITE_OPEN_CREATE) && !QFileInfo(QFileInfo(absolute).path()).isWritable()
                                    && !QFileInfo::exists(absolute + QLatin1String("-wal"));
        if (!readOnlyFolder)
            throw;
        const QByteArray uri = QUrl::fromLocalFile(absolute).toEncoded() + "?mode=ro&immutable=1";
        attach(filePath, uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    }
}

void Connection::attach(const QString &filePath, const QByteArray &name, int flags)
{
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(name.constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString description = describeError(db, rc, filePath);
        sqlite3_close(db);
        throw DbError(description);
    }
    m_handle = db;
    m_filePath = filePath;
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, DefaultBusyTimeoutMs);
    installCaseInsensitiveCollation(db);
    try {
        // Reading the schema proves the file is a database, before anything is written.
        executeScript(QStringLiteral("SELECT count(*) FROM sqlite_master; PRAGMA synchronous = NORMAL;"));
        Statement journal(*this, QStringLiteral("PRAGMA journal_mode"));
        m_writeAheadLog
            = journal.step() && journal.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0;
    } catch (...) {
        close();
        throw;
    }
}

void Connection::setBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
    if (m_server) {
        liveServer()->run(QStringLiteral("SELECT set_config('lock_timeout', $1, false)"),
                          {QString::number(milliseconds)});
        m_busyTimeoutChanged = true;
    }
    if (m_handle)
        sqlite3_busy_timeout(m_handle, milliseconds);
}

bool Connection::lostInsideTransaction() const
{
    return m_server && m_serverTransaction && !m_server->isUsable();
}

PostgresSession *Connection::liveServer()
{
    if (!m_server)
        return nullptr;
    if (m_server->inTransaction() || m_server->checkConnection())
        return m_server.get();
    if (m_serverTransaction) {
        throw DbError(QStringLiteral("The connection to the database server %1 was lost; the changes not yet stored "
                                     "were not kept.")
                          .arg(m_filePath));
    }
    // Not kept for anyone: a dead session is dropped here, and the new one takes its place.
    std::unique_ptr<PostgresSession> fresh = ServerSessions::take(m_server->address());
    m_server = std::move(fresh);
    m_busyTimeoutChanged = false;
    if (m_busyTimeoutMs != DefaultBusyTimeoutMs)
        setBusyTimeout(m_busyTimeoutMs);
    return m_server.get();
}

void Connection::deferReader(const void *reader, std::function<void()> finish)
{
    m_readers[reader] = std::move(finish);
}

void Connection::releaseReader(const void *reader)
{
    m_readers.erase(reader);
}

void Connection::settleReaders()
{
    while (!m_readers.empty()) {
        const auto first = m_readers.begin();
        const void *reader = first->first;
        const std::function<void()> finish = first->second;
        try {
            finish();
        } catch (const DbError &) {
            // That recordset has closed itself and says why when it is next used; the
            // statement about to run here is not its business.
        }
        m_readers.erase(reader); // in case finishing failed before it let go
    }
}

void Connection::close()
{
    settleReaders();
    if (m_handle) {
        sqlite3_close_v2(m_handle);
        m_handle = nullptr;
    }
    if (m_server && m_busyTimeoutChanged && m_server->isUsable() && !m_server->inTransaction()) {
        try {
            m_server->runScript(QStringLiteral("RESET lock_timeout")); // the next connection starts afresh
        } catch (const DbError &) {
            m_server.reset(); // not to be kept with this connection's setting
        }
    }
    m_busyTimeoutChanged = false;
    m_busyTimeoutMs = DefaultBusyTimeoutMs;
    m_serverTransaction = false;
    ServerSessions::giveBack(std::move(m_server));
}

sqlite3 *Connection::handle() const
{
    return m_handle;
}

int Connection::execute(const QString &sql, const QVariantList &parameters)
{
    Statement statement(*this, sql, parameters);
    while (statement.step()) { }
    return m_server ? statement.affectedRows() : sqlite3_changes(m_handle);
}

void Connection::executeScript(const QString &sql)
{
    if (!isOpen())
        throw DbError(QStringLiteral("The connection is not open."));
    settleReaders();
    if (m_server) {
        for (const QString &statement : sql::splitStatements(sql))
            liveServer()->runJet(statement);
        return;
    }
    char *error = nullptr;
    const int rc = sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, &error);
    sqlite3_free(error);
    if (rc != SQLITE_OK)
        throwError(m_handle, rc, m_filePath);
}

void Connection::beginTransaction()
{
    executeScript(m_server ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    m_serverTransaction = m_server != nullptr;
}

void Connection::commit()
{
    if (lostInsideTransaction()) {
        m_serverTransaction = false;
        throw DbError(
            QStringLiteral("The connection to the database server %1 was lost; nothing was stored.").arg(m_filePath));
    }
    m_serverTransaction = false;
    executeScript(QStringLiteral("COMMIT"));
}

void Connection::rollback()
{
    // A lost session took its transaction with it: nothing is left to roll back.
    const bool lost = lostInsideTransaction();
    m_serverTransaction = false;
    if (lost || !inTransaction())
        return;
    try {
        executeScript(QStringLiteral("ROLLBACK"));
    } catch (const DbError &) {
        if (m_server && !m_server->isUsable())
            return; // lost just now, and the transaction with it
        throw;
    }
}

bool Connection::inTransaction() const
{
    if (m_server)
        return m_serverTransaction || m_server->inTransaction();
    return m_handle && !sqlite3_get_autocommit(m_handle);
}

void Connection::beginSnapshot()
{
    // SQLite's read transaction is a snapshot already; a server's default is not.
    executeScript(m_server ? QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ") : QStringLiteral("BEGIN"));
    m_serverTransaction = m_server != nullptr;
}

qint64 Connection::lastInsertRowId() const
{
    if (m_server) {
        try {
            return m_server->run(QStringLiteral("SELECT lastval()")).value(0, 0).toLongLong();
        } catch (const DbError &) {
            return 0; // nothing inserted yet on this connection
        }
    }
    return m_handle ? sqlite3_last_insert_rowid(m_handle) : 0;
}

} // namespace db
