#include "db/Connection.h"

#include "db/DbError.h"
#include "db/Engine.h"
#include "db/Statement.h"
#include "db/Storage.h"

namespace db {

Connection::Connection() = default;

Connection::~Connection()
{
    close();
}

void Connection::open(const QString &connectionString)
{
    bool readOnly = false;
    const std::unique_ptr<Storage> storage = Storage::ofConnectionString(connectionString, readOnly);
    attach([&] { return storage->open(readOnly ? Storage::Opening::ReadOnly : Storage::Opening::ReadWrite); });
}

void Connection::openFile(const QString &filePath, bool readOnly)
{
    attach([&] {
        return Storage::ofFile(filePath)->open(readOnly ? Storage::Opening::ReadOnly : Storage::Opening::ReadWrite);
    });
}

void Connection::openLocation(const QString &location)
{
    attach([&] { return Storage::at(location)->open(Storage::Opening::ReadWrite); });
}

void Connection::create(const QString &filePath)
{
    attach([&] { return Storage::ofFile(filePath)->open(Storage::Opening::Create); });
}

void Connection::attach(const std::function<std::unique_ptr<Engine>()> &openEngine)
{
    // Closed first: a server's session goes back to be taken by the new engine.
    close();
    m_engine = openEngine();
    m_filePath = m_engine->description();
}

bool Connection::isShared() const
{
    return m_engine && m_engine->traits().shared;
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

void Connection::readRowsOnceThrough()
{
    if (m_engine)
        m_engine->readRowsOnceThrough();
}

bool Connection::readersBlockNoWriter() const
{
    return m_engine && m_engine->traits().readersBlockNoWriter;
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
