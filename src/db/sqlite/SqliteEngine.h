#pragma once

#include "db/Engine.h"

#include <QString>

#include <functional>

struct sqlite3;

namespace db {

class Connection;

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
    bool isShared() const override { return false; }
    // In write-ahead-log mode readers and writers of the file never wait for each other.
    bool readersBlockNoWriter() const override { return m_writeAheadLog; }
    std::unique_ptr<EngineRows> prepare(const QString &sql, const QVariantList &parameters, bool wholeResult) override;
    void executeScript(const QString &sql) override;
    void setBusyTimeout(int milliseconds) override;
    qint64 lastInsertRowId() override;
    void beginTransaction() override { executeScript(QStringLiteral("BEGIN IMMEDIATE")); }
    // SQLite's read transaction is a snapshot already.
    void beginSnapshot() override { executeScript(QStringLiteral("BEGIN")); }
    void commit() override { executeScript(QStringLiteral("COMMIT")); }
    void rollback() override;
    bool inTransaction() const override;
    bool countsBeforeRows() const override { return false; }
    int countRows(const QString &countingSql, const QVariantList &parameters) override;
    QString rowIdentity(const QString &) const override { return QStringLiteral("_rowid_"); }
    QString holdsExactly(const QString &column) const override
    {
        return column + QStringLiteral(" IS ? COLLATE BINARY");
    }

    sqlite3 *handle() const { return m_handle; }

private:
    void attach(const QByteArray &name, int flags);

    sqlite3 *m_handle = nullptr;
    QString m_filePath;
    bool m_writeAheadLog = false;
};

// The file's SQLite handle, for the data layer's file-only work (backup, the schema
// check); null when the connection is to a server.
sqlite3 *sqliteHandleOf(const Connection &connection);

// The file-only parts of a backup.
// Copies the whole database in one step of SQLite's online backup: one read
// transaction, so the copy is the database of one moment.
void copyWholeFile(Connection &source, Connection &copy);
// One field of a row written into a file: a number, or text when `text` is not null.
struct FileField
{
    bool isNull = true;
    qint64 number = 0;
    QByteArrayView text;
};
// Runs an INSERT in SQLite's own dialect once per row.
void insertRows(Connection &file, const QByteArray &insertSql, int columns, int rows,
                const std::function<FileField(int row, int column)> &field);
// Keys the file hands out for new rows of the table start above `highest`.
void keepKeysAbove(Connection &file, const QString &table, qint64 highest);
// Whether another connection (of any program, in any journal mode) has the file open.
bool isOpenElsewhere(const QString &filePath);

// The readable description of the connection's last error.
QString describeError(sqlite3 *db, int code, const QString &filePath);
[[noreturn]] void throwError(sqlite3 *db, int code, const QString &filePath);

} // namespace db
