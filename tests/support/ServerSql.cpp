#include "support/ServerSql.h"

#include "db/DbError.h"

#include <libpq-fe.h>

#include <memory>

namespace testing_support {

namespace {

using Result = std::unique_ptr<PGresult, void (*)(PGresult *)>;

Result run(PGconn *connection, const QString &sql)
{
    Result result(PQexec(connection, sql.toUtf8().constData()), PQclear);
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw db::DbError(QString::fromUtf8(PQerrorMessage(connection)).trimmed());
    return result;
}

} // namespace

ServerSql::ServerSql(const QString &uri)
    : m_connection(PQconnectdb(uri.toUtf8().constData()))
{
    if (PQstatus(m_connection) != CONNECTION_OK) {
        const QString reason = QString::fromUtf8(PQerrorMessage(m_connection)).trimmed();
        PQfinish(m_connection);
        throw db::DbError(reason);
    }
}

ServerSql::~ServerSql()
{
    PQfinish(m_connection);
}

void ServerSql::runScript(const QString &sql)
{
    run(m_connection, sql);
}

QString ServerSql::value(const QString &sql)
{
    const Result result = run(m_connection, sql);
    if (PQntuples(result.get()) < 1 || PQnfields(result.get()) < 1)
        return {};
    return QString::fromUtf8(PQgetvalue(result.get(), 0, 0));
}

} // namespace testing_support
