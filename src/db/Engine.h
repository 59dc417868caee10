#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <memory>

namespace db {

// The rows of one statement, as the engine that runs it gives them. Statement is
// the neutral face of this; each engine folder holds one implementation.
class EngineRows
{
public:
    virtual ~EngineRows() = default;

    virtual bool step() = 0;
    virtual void rebind(const QVariantList &parameters) = 0;
    virtual int columnCount() const = 0;
    virtual QString columnName(int column) const = 0;
    virtual QString originTable(int column) const = 0;
    virtual QString originColumn(int column) const = 0;
    virtual QString declaredType(int column) const = 0;
    virtual QVariant value(int column) const = 0;
    virtual bool isNull(int column) const = 0;
    // The field as UTF-8 text, valid until the next step (empty for Null).
    virtual QByteArrayView text(int column) const = 0;
    virtual QByteArray packedRow(int first, int count) const = 0;
    virtual QString reusableText() const = 0;
    virtual int affectedRows() const = 0;
};

// One open database, whatever keeps it: a file (sqlite/) or a server (postgres/).
// Connection gets it from the Storage its location names (Storage.h) and asks it
// everything that differs between them; nothing above the data layer sees which one
// it is. Work on the databases as a whole (making, checking, backing up) is Storage's.
class Engine
{
public:
    virtual ~Engine() = default;

    // What sets the engines apart without any work of theirs.
    struct Traits
    {
        // Other people work on the same data at the same time (a server).
        bool shared = false;
        // A reader's open snapshot keeps no other connection's write waiting.
        bool readersBlockNoWriter = false;
        // Rows of a query are counted before its rows are read (a server runs one
        // statement at a time), rather than beside them.
        bool countsBeforeRows = false;
    };

    // The file, or user@host:port/dbname for a server: what messages name.
    virtual QString description() const = 0;
    virtual Traits traits() const = 0;

    // One statement in the windows' dialect, translated for this engine.
    virtual std::unique_ptr<EngineRows> prepare(const QString &sql, const QVariantList &parameters, bool wholeResult)
        = 0;
    virtual void executeScript(const QString &sql) = 0;
    virtual void setBusyTimeout(int milliseconds) = 0;
    // Rows are read once, in order: the engine may keep less of them in memory.
    virtual void readRowsOnceThrough() = 0;
    // The key of the row the connection added last.
    virtual qint64 lastInsertRowId() = 0;

    virtual void beginTransaction() = 0;
    virtual void beginSnapshot() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool inTransaction() const = 0;

    // The number of rows of a counting query, at the least cost to the engine.
    virtual int countRows(const QString &countingSql, const QVariantList &parameters) = 0;
    // An expression naming one row of `table` for as long as the row lives.
    virtual QString rowIdentity(const QString &table) const = 0;
    // A condition true while `column` (a quoted name) holds the value bound to the
    // next '?' exactly, Null and case included: the optimistic lock of a stored row.
    virtual QString holdsExactly(const QString &column) const = 0;

    // Throws DbError naming the database when it is not a business database of a
    // version this program understands; brings one of an older version up to date
    // where it can be written (the start-up check).
    virtual void requireBusinessTables() = 0;
    // The same for the RSS database's tables.
    virtual void requireRssTables() = 0;
};

} // namespace db
