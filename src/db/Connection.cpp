#include "db/Connection.h"

#include "db/ConnectionString.h"
#include "db/DbError.h"
#include "db/Engine.h"
#include "db/Statement.h"
#include "db/postgres/PostgresEngine.h"
#include "db/postgres/PostgresSession.h"
#include "db/sqlite/SqliteEngine.h"

#include <QDir>
#include <QFileInfo>

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
        m_engine = std::make_unique<PostgresEngine>(connectionString.trimmed());
        m_filePath = m_engine->description();
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
    close();
    m_engine = std::make_unique<SqliteEngine>(filePath,
                                              readOnly ? SqliteEngine::Mode::ReadOnly : SqliteEngine::Mode::ReadWrite);
    m_filePath = filePath;
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
    close();
    m_engine = std::make_unique<SqliteEngine>(filePath, SqliteEngine::Mode::Create);
    m_filePath = filePath;
}

bool Connection::isShared() const
{
    return m_engine && m_engine->isShared();
}

void Connection::requireOpen() const
{
    if (!m_engine)
        throw DbError(QStringLiteral("The connection is not open."));
}

void Connection::setBusyTimeout(int milliseconds)
{
    if (m_engine)
        m_engine->setBusyTimeout(milliseconds);
}

bool Connection::readersBlockNoWriter() const
{
    return m_engine && m_engine->readersBlockNoWriter();
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
    m_engine.reset();
}

int Connection::execute(const QString &sql, const QVariantList &parameters)
{
    Statement statement(*this, sql, parameters);
    while (statement.step()) { }
    return statement.affectedRows();
}

void Connection::executeScript(const QString &sql)
{
    requireOpen();
    settleReaders();
    m_engine->executeScript(sql);
}

void Connection::beginTransaction()
{
    requireOpen();
    settleReaders();
    m_engine->beginTransaction();
}

void Connection::commit()
{
    requireOpen();
    settleReaders();
    m_engine->commit();
}

void Connection::rollback()
{
    if (!m_engine)
        return;
    settleReaders();
    m_engine->rollback();
}

bool Connection::inTransaction() const
{
    return m_engine && m_engine->inTransaction();
}

void Connection::beginSnapshot()
{
    requireOpen();
    settleReaders();
    m_engine->beginSnapshot();
}

qint64 Connection::lastInsertRowId() const
{
    return m_engine ? m_engine->lastInsertRowId() : 0;
}

} // namespace db
