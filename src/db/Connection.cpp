#include "db/Connection.h"

#include "db/ConnectionString.h"
#include "db/DbError.h"
#include "db/PostgresSession.h"
#include "db/ServerSessions.h"
#include "db/SqlTokens.h"
#include "db/Statement.h"
#include "db/TextCollation.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

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
    if (m_server) {
        m_server->run(QStringLiteral("SELECT set_config('lock_timeout', $1, false)"), {QString::number(milliseconds)});
        m_busyTimeoutChanged = true;
    }
    if (m_handle)
        sqlite3_busy_timeout(m_handle, milliseconds);
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
            m_server->runJet(statement);
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
}

void Connection::commit()
{
    executeScript(QStringLiteral("COMMIT"));
}

void Connection::rollback()
{
    if (inTransaction())
        executeScript(QStringLiteral("ROLLBACK"));
}

bool Connection::inTransaction() const
{
    if (m_server)
        return m_server->inTransaction();
    return m_handle && !sqlite3_get_autocommit(m_handle);
}

void Connection::beginSnapshot()
{
    // SQLite's read transaction is a snapshot already; a server's default is not.
    executeScript(m_server ? QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ") : QStringLiteral("BEGIN"));
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
