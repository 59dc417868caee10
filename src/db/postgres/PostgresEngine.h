#pragma once

#include "db/Engine.h"

#include <memory>

namespace db {

class PostgresSession;

// A database on a PostgreSQL server, through a session kept for the address.
class PostgresEngine final : public Engine
{
public:
    explicit PostgresEngine(const QString &address);
    ~PostgresEngine() override;
    PostgresEngine(const PostgresEngine &) = delete;
    PostgresEngine &operator=(const PostgresEngine &) = delete;

    QString description() const override { return m_serverName; }
    // A server never lets a reader hold up a writer.
    Traits traits() const override { return {true, true, true}; }
    std::unique_ptr<EngineRows> prepare(const QString &sql, const QVariantList &parameters, bool wholeResult) override;
    void executeScript(const QString &sql) override;
    void setBusyTimeout(int milliseconds) override;
    void readRowsOnceThrough() override;
    qint64 lastInsertRowId() override;
    void beginTransaction() override;
    void beginSnapshot() override;
    void commit() override;
    void rollback() override;
    bool inTransaction() const override;
    int countRows(const QString &countingSql, const QVariantList &parameters) override;
    QString rowIdentity(const QString &table) const override;
    QString holdsExactly(const QString &column) const override;
    void requireBusinessTables() override;
    void requireRssTables() override;

    // The session, for running a statement: a session the server has closed (it was
    // restarted, or it ended idle sessions) is replaced by a new one first. A session
    // lost inside a transaction is not replaced until the transaction is ended by
    // commit() or rollback(): until then its statements fail, so that the rest of the
    // transaction never runs on its own. Throws DbError when the server cannot be
    // reached.
    PostgresSession &liveSession();

private:
    bool lostInsideTransaction() const;

    std::unique_ptr<PostgresSession> m_session;
    QString m_serverName;
    bool m_busyTimeoutChanged = false; // on the session, which outlives the connection
    int m_busyTimeoutMs;
    bool m_transaction = false; // begun here and not ended yet, even if the session was lost
};

} // namespace db
