#pragma once

#include "db/RowCache.h"
#include "db/Statement.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

namespace db {

class Connection;

// Reads a query's rows into a RowCache in chunks, from a statement that keeps its
// snapshot (a read transaction of its own, when it began one) until the last row is
// in. Until then it is registered with the connection, which has it read the rest
// before anything else runs there.
class SnapshotReader
{
public:
    // `total` is the number of rows counted beside the query, or -1 when unknown.
    SnapshotReader(Connection &connection, RowCache &cache, std::unique_ptr<Statement> statement, int firstColumn,
                   bool ownTransaction, int total);
    ~SnapshotReader();
    SnapshotReader(const SnapshotReader &) = delete;
    SnapshotReader &operator=(const SnapshotReader &) = delete;

    // Told once when reading fails: the cache is empty by then.
    void onFailure(std::function<void()> told) { m_onFailure = std::move(told); }
    bool done() const { return !m_statement; }
    bool failed() const { return !m_failure.isEmpty(); }
    QString failure() const { return m_failure; }
    // Rows counted and not read yet.
    int unread() const { return m_unread; }

    // Reads up to `rows` further rows, every one when negative. Throws DbError when
    // they cannot be read.
    void read(int rows);
    // Reads until the row at `index` is in, or the rows end.
    void readUpTo(int index)
    {
        if (m_statement && index >= m_cache.size())
            readThrough(index);
    }

    // The text of a query counting the rows of a statement, as its engine took it.
    static QString countingQuery(const QString &statementText);

private:
    void readThrough(int index);
    void finish();

    Connection &m_connection;
    RowCache &m_cache;
    std::unique_ptr<Statement> m_statement;
    int m_firstColumn;
    bool m_ownTransaction;
    int m_unread;
    QString m_failure;
    std::function<void()> m_onFailure;
};

} // namespace db
