#pragma once

#include "db/Engine.h"

#include <QString>

struct sqlite3;

namespace db {

// A database file, through SQLite.
class SqliteEngine final : public Engine
{
public:
    enum class Mode {
        ReadWrite,
        ReadOnly,
        Create
    };
    // Opens the file; throws DbError naming it.
    SqliteEngine(const QString &filePath, Mode mode);
    ~SqliteEngine() override;
    SqliteEngine(const SqliteEngine &) = delete;
    SqliteEngine &operator=(const SqliteEngine &) = delete;

    QString description() const override { return m_filePath; }
    // In write-ahead-log mode readers and writers of the file never wait for each other.
    Traits traits() const override { return {false, m_writeAheadLog, false}; }
    std::unique_ptr<EngineRows> prepare(const QString &sql, const QVariantList &parameters, bool wholeResult) override;
    void executeScript(const QString &sql) override;
    void setBusyTimeout(int milliseconds) override;
    void readRowsOnceThrough() override;
    qint64 lastInsertRowId() override;
    void beginTransaction() override { executeScript(QStringLiteral("BEGIN IMMEDIATE")); }
    // SQLite's read transaction is a snapshot already.
    void beginSnapshot() override { executeScript(QStringLiteral("BEGIN")); }
    void commit() override { executeScript(QStringLiteral("COMMIT")); }
    void rollback() override;
    bool inTransaction() const override;
    int countRows(const QString &countingSql, const QVariantList &parameters) override;
    QString rowIdentity(const QString &) const override { return QStringLiteral("_rowid_"); }
    QString holdsExactly(const QString &column) const override
    {
        return column + QStringLiteral(" IS ? COLLATE BINARY");
    }

    void requireBusinessTables() override;
    void requireRssTables() override;

    // Whether the file was opened (or could only be opened) for reading.
    bool isReadOnly() const;
    // For the file engine's own work (backup, the schema check).
    sqlite3 *handle() const { return m_handle; }

private:
    void attach(const QByteArray &name, int flags);

    sqlite3 *m_handle = nullptr;
    QString m_filePath;
    bool m_writeAheadLog = false;
};

// The readable description of the connection's last error.
QString describeError(sqlite3 *db, int code, const QString &filePath);
[[noreturn]] void throwError(sqlite3 *db, int code, const QString &filePath);

} // namespace db
