#pragma once

#include <libpq-fe.h>

namespace db {

// The PostgreSQL client library, loaded on first use: a program that keeps its data
// in SQLite files never loads it (nor the TLS and Kerberos libraries it brings).
struct LibPq
{
    decltype(&PQconnectdbParams) connectdbParams;
    decltype(&PQconninfoParse) conninfoParse;
    decltype(&PQconninfoFree) conninfoFree;
    decltype(&PQstatus) status;
    decltype(&PQerrorMessage) errorMessage;
    decltype(&PQfinish) finish;
    decltype(&PQexec) exec;
    decltype(&PQexecParams) execParams;
    decltype(&PQsendQueryParams) sendQueryParams;
    decltype(&PQsetSingleRowMode) setSingleRowMode;
    decltype(&PQgetResult) getResult;
    decltype(&PQresultStatus) resultStatus;
    decltype(&PQresultErrorField) resultErrorField;
    decltype(&PQresultErrorMessage) resultErrorMessage;
    decltype(&PQclear) clear;
    decltype(&PQntuples) ntuples;
    decltype(&PQnfields) nfields;
    decltype(&PQfname) fname;
    decltype(&PQftype) ftype;
    decltype(&PQftable) ftable;
    decltype(&PQftablecol) ftablecol;
    decltype(&PQgetvalue) getvalue;
    decltype(&PQgetlength) getlength;
    decltype(&PQgetisnull) getisnull;
    decltype(&PQcmdTuples) cmdTuples;
    decltype(&PQtransactionStatus) transactionStatus;
    decltype(&PQputCopyData) putCopyData;
    decltype(&PQputCopyEnd) putCopyEnd;
    decltype(&PQgetCancel) getCancel;
    decltype(&PQcancel) cancel;
    decltype(&PQfreeCancel) freeCancel;
    decltype(&PQhost) host;
    decltype(&PQport) port;
    decltype(&PQdb) db;
    decltype(&PQuser) user;
    decltype(&PQunescapeBytea) unescapeBytea;
    decltype(&PQfreemem) freemem;
    decltype(&PQparameterStatus) parameterStatus;
    decltype(&PQsocket) socket;
    decltype(&PQconsumeInput) consumeInput;

    // Loads the library the first time; throws DbError saying what is missing.
    static const LibPq &get();
    // Whether the library has been loaded in this process (start-up measurements).
    static bool isLoaded();
};

} // namespace db
