#pragma once

#include "db/postgres/PostgresResult.h"

#include <QHash>
#include <QString>
#include <QVariant>

#include <functional>

typedef struct pg_conn PGconn;

namespace db {

// One connection to a PostgreSQL database, named by a libpq URI
// (postgresql://user@host:port/dbname). Passwords come from libpq's own means
// (~/.pgpass, PGPASSWORD); an address that holds one is refused, since the file it
// comes from is readable by everyone who runs the program.
// Every failure throws DbError with a description that names the server.
class PostgresSession
{
public:
    explicit PostgresSession(const QString &uri);
    ~PostgresSession();
    PostgresSession(const PostgresSession &) = delete;
    PostgresSession &operator=(const PostgresSession &) = delete;

    // Whether a text is a PostgreSQL address rather than a file name.
    static bool isAddress(const QString &text);
    // user@host:port/dbname, for messages and captions (never a password).
    static QString describeAddress(const QString &uri);
    // The address as written, for a message about the address itself: any password
    // hidden (even in an address libpq cannot read) and a long one cut.
    static QString shownAddress(const QString &uri);
    // Whether a text is in libpq's other form, keyword=value pairs separated by spaces
    // (host=office dbname=tallowmere), judged by its first word.
    static bool isKeywordForm(const QString &text);
    // The same text with the value of any password keyword hidden, and a long one cut.
    static QString shownKeywordForm(const QString &text);
    // The postgresql:// address that means what a keyword=value text means, each of its
    // values in the address's query. Throws DbError, without the text's password, when
    // libpq cannot read it.
    static QString addressFromKeywordForm(const QString &text);
    QString serverName() const { return m_serverName; }
    QString address() const { return m_address; }
    // Whether the connection to the server is still up, as far as libpq knows.
    bool isUsable() const;
    // The same, after reading what an idle session has been sent: a server that shut
    // down or ended the session has said so and closed it, which libpq only notices
    // when it next reads.
    bool checkConnection();

    // Runs one statement in PostgreSQL's own dialect, with values for $1, $2...
    PostgresResult run(const QString &sql, const QVariantList &parameters = {});
    // Runs one statement in the dialect the windows write.
    PostgresResult runJet(const QString &sql, const QVariantList &parameters = {});
    // Runs several statements at once (schema scripts), in PostgreSQL's dialect.
    void runScript(const QString &sql);

    void beginTransaction();
    void commit();
    // Harmless when no transaction is open.
    void rollback();
    bool inTransaction() const;

    // Streams rows into a table: `copySql` is a COPY ... FROM STDIN statement, and
    // nextChunk fills its argument with the next piece of text and returns false
    // when there is no more.
    void copyIn(const QString &copySql, const std::function<bool(QByteArray &)> &nextChunk);

    // Asks the server to stop the statement that is running (from another thread).
    void cancel();

    PGconn *handle() const { return m_connection; }

    // Where a result column comes from, by the table's catalog number and the
    // column's number; nullptr for expressions and for tables made after the names
    // were read (the names are read again on the next ensureCatalog()).
    struct ColumnOrigin
    {
        QString table;
        QString column;
        QString type;
    };
    const ColumnOrigin *origin(unsigned table, int column) const;
    // Reads the names of the tables' columns once (not while rows are arriving).
    void ensureCatalog();
    // Whether the current schema holds a table of that name (from the same catalog).
    bool hasTable(const QString &name);
    // A name for a cursor that no other cursor of this session has.
    QByteArray newCursorName();
    // The result of a statement sent with send(), then each row on its own.
    void send(const QString &sql, const QVariantList &parameters, bool rowByRow);
    PostgresResult nextResult();
    // Throws DbError for a failed result.
    PostgresResult checked(PostgresResult result);

private:
    PostgresResult check(PGresult *result);
    QHash<quint64, ColumnOrigin> m_origins;
    mutable bool m_catalogStale = true;
    quint64 m_cursors = 0;

    PGconn *m_connection = nullptr;
    QString m_serverName;
    QString m_address;
};

// The readable description of a failed statement or connection.
QString describePostgresError(PGresult *result, PGconn *connection, const QString &serverName);

} // namespace db
