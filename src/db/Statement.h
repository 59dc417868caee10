#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

class Connection;

// One prepared statement in the windows' dialect, stepped row by row. The data
// layer's recordsets read through it, and so does the command-line tool, which
// streams rows without holding them.
class Statement
{
public:
    Statement(Connection &connection, const QString &sql, const QVariantList &parameters = {});
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
    sqlite3_stmt *handle() const { return m_statement; }

    static void bind(sqlite3_stmt *statement, const QVariantList &parameters, sqlite3 *db);

private:
    Connection &m_connection;
    sqlite3_stmt *m_statement = nullptr;
};

// The readable description of the connection's last error.
QString describeError(sqlite3 *db, int code, const QString &filePath);
[[noreturn]] void throwError(sqlite3 *db, int code, const QString &filePath);

} // namespace db
