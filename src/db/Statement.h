#pragma once

#include <QString>
#include <QVariant>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

class Connection;
class PostgresRows;

// One prepared statement in the windows' dialect, stepped row by row. The data
// layer's recordsets read through it, and so does the command-line tool, which
// streams rows without holding them.
class Statement
{
public:
    // On a server the statement runs here, not at the first step (a server has no
    // prepared statement without its values): make it only when it is to run. Rows
    // arrive one by one unless every row is wanted at once (wholeResult), which is
    // faster for printing them all.
    Statement(Connection &connection, const QString &sql, const QVariantList &parameters = {},
              bool wholeResult = false);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Advances to the next row; false when there are no more.
    bool step();
    // Starts the statement over with new values for its placeholders, so a statement
    // run many times is prepared once.
    void rebind(const QVariantList &parameters);

    int columnCount() const;
    QString columnName(int column) const;
    // The table and column a result column comes from; empty for expressions.
    QString originTable(int column) const;
    QString originColumn(int column) const;
    QString originDatabase(int column) const;
    QString declaredType(int column) const;
    QVariant value(int column) const;
    bool isNull(int column) const;
    // The field as UTF-8 text, as the engine holds it.
    QByteArray text(int column) const;
    // The current row's columns from `first` on, packed (see RowPacking.h).
    QByteArray packedRow(int first, int count) const;
    // The text to build a further statement on (a count of its rows): as SQLite took
    // it on a file, as written on a server (where every statement is translated).
    QString reusableText() const;
    // Rows changed, once a statement without rows has run.
    int affectedRows() const;
    // Null on a server.
    sqlite3_stmt *handle() const { return m_statement; }

    static void bind(sqlite3_stmt *statement, const QVariantList &parameters, sqlite3 *db);

private:
    Connection &m_connection;
    sqlite3_stmt *m_statement = nullptr;
    std::unique_ptr<PostgresRows> m_rows;
    QString m_serverText;
    QString m_writtenText;
    bool m_wholeResult = false;
};

// The readable description of the connection's last error.
QString describeError(sqlite3 *db, int code, const QString &filePath);
[[noreturn]] void throwError(sqlite3 *db, int code, const QString &filePath);

} // namespace db
