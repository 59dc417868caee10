#include "db/postgres/LibPq.h"

#include "db/DbError.h"

#include <QLibrary>
#include <QMutex>

#include <atomic>
#include <memory>

namespace db {

namespace {

std::atomic<bool> loaded{false};

template <typename F> void resolve(QLibrary &library, F &target, const char *name)
{
    target = reinterpret_cast<F>(library.resolve(name));
    if (!target) {
        throw DbError(QStringLiteral("The PostgreSQL client library %1 is damaged or too old: %2 is missing.")
                          .arg(library.fileName(), QLatin1String(name)));
    }
}

std::unique_ptr<LibPq> load()
{
    // Never destroyed: sessions kept for reuse are closed by static destructors that
    // may run after this one would have.
    static QLibrary &library = *new QLibrary(QStringLiteral("pq"), 5);
    if (!library.load()) {
        throw DbError(QStringLiteral("The PostgreSQL client library (libpq.so.5) could not be loaded: %1. "
                                     "Install the package libpq5.")
                          .arg(library.errorString()));
    }
    auto api = std::make_unique<LibPq>();
    resolve(library, api->connectdbParams, "PQconnectdbParams");
    resolve(library, api->conninfoParse, "PQconninfoParse");
    resolve(library, api->conninfoFree, "PQconninfoFree");
    resolve(library, api->status, "PQstatus");
    resolve(library, api->errorMessage, "PQerrorMessage");
    resolve(library, api->finish, "PQfinish");
    resolve(library, api->exec, "PQexec");
    resolve(library, api->execParams, "PQexecParams");
    resolve(library, api->sendQueryParams, "PQsendQueryParams");
    resolve(library, api->setSingleRowMode, "PQsetSingleRowMode");
    resolve(library, api->getResult, "PQgetResult");
    resolve(library, api->resultStatus, "PQresultStatus");
    resolve(library, api->resultErrorField, "PQresultErrorField");
    resolve(library, api->resultErrorMessage, "PQresultErrorMessage");
    resolve(library, api->clear, "PQclear");
    resolve(library, api->ntuples, "PQntuples");
    resolve(library, api->nfields, "PQnfields");
    resolve(library, api->fname, "PQfname");
    resolve(library, api->ftype, "PQftype");
    resolve(library, api->ftable, "PQftable");
    resolve(library, api->ftablecol, "PQftablecol");
    resolve(library, api->getvalue, "PQgetvalue");
    resolve(library, api->getlength, "PQgetlength");
    resolve(library, api->getisnull, "PQgetisnull");
    resolve(library, api->cmdTuples, "PQcmdTuples");
    resolve(library, api->transactionStatus, "PQtransactionStatus");
    resolve(library, api->putCopyData, "PQputCopyData");
    resolve(library, api->putCopyEnd, "PQputCopyEnd");
    resolve(library, api->getCancel, "PQgetCancel");
    resolve(library, api->cancel, "PQcancel");
    resolve(library, api->freeCancel, "PQfreeCancel");
    resolve(library, api->host, "PQhost");
    resolve(library, api->port, "PQport");
    resolve(library, api->db, "PQdb");
    resolve(library, api->user, "PQuser");
    resolve(library, api->unescapeBytea, "PQunescapeBytea");
    resolve(library, api->freemem, "PQfreemem");
    resolve(library, api->parameterStatus, "PQparameterStatus");
    resolve(library, api->socket, "PQsocket");
    resolve(library, api->consumeInput, "PQconsumeInput");
    return api;
}

} // namespace

const LibPq &LibPq::get()
{
    static QMutex mutex;
    static std::unique_ptr<LibPq> api;
    QMutexLocker lock(&mutex);
    if (!api) {
        api = load();
        loaded = true;
    }
    return *api;
}

bool LibPq::isLoaded()
{
    return loaded;
}

} // namespace db
