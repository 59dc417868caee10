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
// Connection chooses the engine once when it opens and asks it everything that
// differs between them; nothing above the data layer sees which one it is.
class Engine
{
public:
    virtual ~Engine() = default;

    // The file, or user@host:port/dbname for a server: what messages name.
    virtual QString description() const = 0;
    // Whether other people work on the same data at the same time (a server).
    virtual bool isShared() const = 0;
    virtual bool readersBlockNoWriter() const = 0;

    // One statement in the windows' dialect, translated for this engine.
    virtual std::unique_ptr<EngineRows> prepare(const QString &sql, const QVariantList &parameters, bool wholeResult)
        = 0;
    virtual void executeScript(const QString &sql) = 0;
    virtual void setBusyTimeout(int milliseconds) = 0;
    // The key of the row the connection added last.
    virtual qint64 lastInsertRowId() = 0;

    virtual void beginTransaction() = 0;
    virtual void beginSnapshot() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool inTransaction() const = 0;

    // Rows of a query counted before its rows are read (a server runs one statement
    // at a time), rather than beside them.
    virtual bool countsBeforeRows() const = 0;
    // The number of rows of a counting query, at the least cost to the engine.
    virtual int countRows(const QString &countingSql, const QVariantList &parameters) = 0;
    // An expression naming one row of `table` for as long as the row lives.
    virtual QString rowIdentity(const QString &table) const = 0;
    // A condition true while `column` (a quoted name) holds the value bound to the
    // next '?' exactly, Null and case included: the optimistic lock of a stored row.
    virtual QString holdsExactly(const QString &column) const = 0;
};

} // namespace db
