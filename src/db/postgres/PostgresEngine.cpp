#include "db/postgres/PostgresEngine.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/RowPacker.h"
#include "db/postgres/PostgresRows.h"
#include "db/postgres/PostgresSchema.h"
#include "db/postgres/PostgresSession.h"
#include "db/postgres/PostgresStatement.h"
#include "db/postgres/ServerSessions.h"
#include "db/schema/SchemaTables.h"
#include "db/sql/SqlTokens.h"

namespace db {

namespace {

class PostgresEngineRows final : public EngineRows
{
public:
    PostgresEngineRows(PostgresEngine &engine, const QString &sql, const QVariantList &parameters, bool wholeResult)
        : m_engine(engine)
        , m_writtenText(sql)
        , m_rowByRow(!wholeResult)
    {
        const PostgresStatement statement = translateToPostgres(sql);
        if (statement.text.trimmed().isEmpty())
            throw DbError(QStringLiteral("The statement is empty."));
        if (statement.parameterCount != parameters.size()) {
            throw DbError(QStringLiteral("The statement takes %1 values but %2 were given.")
                              .arg(statement.parameterCount)
                              .arg(parameters.size()));
        }
        m_serverText = statement.text;
        m_rows = std::make_unique<PostgresRows>(engine.liveSession(), m_serverText, parameters, m_rowByRow);
    }

    bool step() override { return m_rows->step(); }
    void rebind(const QVariantList &parameters) override
    {
        PostgresSession &session = m_engine.liveSession();
        m_rows.reset();
        m_rows = std::make_unique<PostgresRows>(session, m_serverText, parameters, m_rowByRow);
    }
    int columnCount() const override { return m_rows->columnCount(); }
    QString columnName(int column) const override { return m_rows->columnName(column); }
    QString originTable(int column) const override { return m_rows->originTable(column); }
    QString originColumn(int column) const override { return m_rows->originColumn(column); }
    QString declaredType(int column) const override { return m_rows->declaredType(column); }
    QVariant value(int column) const override { return m_rows->value(column); }
    bool isNull(int column) const override { return m_rows->isNull(column); }
    QByteArrayView text(int column) const override { return m_rows->textView(column); }
    QByteArray packedRow(int first, int count) const override
    {
        QVariantList values;
        values.reserve(count);
        for (int c = first; c < first + count; ++c)
            values << m_rows->value(c);
        return packValues(values);
    }
    // Every statement is translated anew, so a further one builds on the text as written.
    QString reusableText() const override { return m_writtenText; }
    int affectedRows() const override { return m_rows->affectedRows(); }

private:
    PostgresEngine &m_engine;
    QString m_writtenText;
    QString m_serverText;
    bool m_rowByRow;
    std::unique_ptr<PostgresRows> m_rows;
};

} // namespace

PostgresEngine::PostgresEngine(const QString &address)
    : m_session(ServerSessions::take(address))
    , m_serverName(m_session->serverName())
    , m_busyTimeoutMs(Connection::DefaultBusyTimeoutMs)
{
}

PostgresEngine::~PostgresEngine()
{
    if (m_session && m_busyTimeoutChanged && m_session->isUsable() && !m_session->inTransaction()) {
        try {
            m_session->runScript(QStringLiteral("RESET lock_timeout")); // the next connection starts afresh
        } catch (const DbError &) {
            m_session.reset(); // not to be kept with this connection's setting
        }
    }
    ServerSessions::giveBack(std::move(m_session));
}

PostgresSession &PostgresEngine::liveSession()
{
    if (m_session->inTransaction() || m_session->checkConnection())
        return *m_session;
    if (m_transaction) {
        throw DbError(QStringLiteral("The connection to the database server %1 was lost; the changes not yet stored "
                                     "were not kept.")
                          .arg(m_serverName));
    }
    // Not kept for anyone: a dead session is dropped here, and the new one takes its place.
    std::unique_ptr<PostgresSession> fresh = ServerSessions::take(m_session->address());
    m_session = std::move(fresh);
    m_busyTimeoutChanged = false;
    if (m_busyTimeoutMs != Connection::DefaultBusyTimeoutMs)
        setBusyTimeout(m_busyTimeoutMs);
    return *m_session;
}

bool PostgresEngine::lostInsideTransaction() const
{
    return m_transaction && !m_session->isUsable();
}

std::unique_ptr<EngineRows> PostgresEngine::prepare(const QString &sql, const QVariantList &parameters,
                                                    bool wholeResult)
{
    return std::make_unique<PostgresEngineRows>(*this, sql, parameters, wholeResult);
}

void PostgresEngine::executeScript(const QString &sql)
{
    for (const QString &statement : sql::splitStatements(sql))
        liveSession().runJet(statement);
}

void PostgresEngine::readRowsOnceThrough()
{
    // The server keeps its pages; the rows arrive as they are read.
}

void PostgresEngine::setBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
    liveSession().run(QStringLiteral("SELECT set_config('lock_timeout', $1, false)"), {QString::number(milliseconds)});
    m_busyTimeoutChanged = true;
}

qint64 PostgresEngine::lastInsertRowId()
{
    try {
        return liveSession().run(QStringLiteral("SELECT lastval()")).value(0, 0).toLongLong();
    } catch (const DbError &) {
        return 0; // nothing inserted yet on this connection
    }
}

void PostgresEngine::beginTransaction()
{
    executeScript(QStringLiteral("BEGIN"));
    m_transaction = true;
}

void PostgresEngine::beginSnapshot()
{
    // A server's default transaction is no snapshot.
    executeScript(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ"));
    m_transaction = true;
}

void PostgresEngine::commit()
{
    const bool lost = lostInsideTransaction();
    m_transaction = false;
    if (lost) {
        throw DbError(
            QStringLiteral("The connection to the database server %1 was lost; nothing was stored.").arg(m_serverName));
    }
    executeScript(QStringLiteral("COMMIT"));
}

void PostgresEngine::rollback()
{
    // A lost session took its transaction with it: nothing is left to roll back.
    const bool lost = lostInsideTransaction();
    m_transaction = false;
    if (lost || !m_session->inTransaction())
        return;
    try {
        executeScript(QStringLiteral("ROLLBACK"));
    } catch (const DbError &) {
        if (!m_session->isUsable())
            return; // lost just now, and the transaction with it
        throw;
    }
}

bool PostgresEngine::inTransaction() const
{
    return m_transaction || m_session->inTransaction();
}

int PostgresEngine::countRows(const QString &countingSql, const QVariantList &parameters)
{
    PostgresEngineRows counter(*this, countingSql, parameters, true); // one row: at once
    return counter.step() && counter.columnCount() > 0 ? counter.value(0).toInt() : -1;
}

QString PostgresEngine::rowIdentity(const QString &table) const
{
    // Every table of the program has a key of its own; another table's rows are read only.
    const SchemaTables::Table *described = SchemaTables::findTable(table);
    return described ? quotePostgresName(described->keyColumn()) : QString();
}

QString PostgresEngine::holdsExactly(const QString &column) const
{
    // Equal to the last byte, case included, whatever the column's type. Written as
    // the windows write, like every statement here: [C] becomes the collation "C".
    return column + QStringLiteral("::text IS NOT DISTINCT FROM ?::text COLLATE [C]");
}

void PostgresEngine::requireBusinessTables()
{
    PostgresSchema::upgrade(liveSession());
    PostgresSchema::requireTables(liveSession());
}

void PostgresEngine::requireRssTables()
{
    // One server database holds both parts: the same check brings both up to date.
    requireBusinessTables();
}

} // namespace db
