#pragma once

#include <QString>

typedef struct pg_conn PGconn;

namespace testing_support {

// A session to a test server's database in PostgreSQL's own SQL, for what the tests do
// around the program (roles, grants, planted objects, a look at what it left behind):
// through libpq itself, not through the program's data layer.
class ServerSql
{
public:
    explicit ServerSql(const QString &uri);
    ~ServerSql();
    ServerSql(const ServerSql &) = delete;
    ServerSql &operator=(const ServerSql &) = delete;

    // Runs one or more statements. Throws db::DbError with the server's message.
    void runScript(const QString &sql);
    // The first field of a query's first row, as text.
    QString value(const QString &sql);

private:
    PGconn *m_connection = nullptr;
};

} // namespace testing_support
