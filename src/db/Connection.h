#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <map>
#include <memory>

struct sqlite3;

namespace db {

class PostgresSession;

enum class CursorLocation {
    Server = 2,
    Client = 3
};

// One connection to a database file. The connection string takes the form the
// windows build ("Provider=...;Data Source=<file>;..."); Data Source names the file,
// and "Mode=Read" opens it read-only. A value holding ';', quotes or surrounding
// spaces is written in double quotes, a double quote inside it doubled.
// Several connections to one file may be open at once.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void setCursorLocation(CursorLocation location) { m_cursorLocation = location; }

    // Opens an existing database; never creates one. Throws DbError naming the file.
    // A PostgreSQL address (postgresql://user@host:port/dbname) opens that server's
    // database instead, through the same operations.
    void open(const QString &connectionString);
    // The same for a file path taken exactly as it is given.
    void openFile(const QString &filePath, bool readOnly = false);
    // Opens (and creates when missing) a database file; used to build new databases.
    void create(const QString &filePath);
    void close();
    bool isOpen() const { return m_handle != nullptr || m_server != nullptr; }
    // The server's session when the connection is to a PostgreSQL database.
    PostgresSession *server() const { return m_server.get(); }
    // The same, for running a statement: a session the server has closed (it was
    // restarted, or it ended idle sessions) is replaced by a new one first. A session
    // lost inside a transaction is not replaced until the transaction is ended by
    // commit() or rollback(): until then its statements fail, so that the rest of the
    // transaction never runs on its own. Throws DbError when the server cannot be
    // reached.
    PostgresSession *liveServer();

    // Runs one statement that returns no rows, in the dialect the windows write.
    // Returns the number of rows changed.
    int execute(const QString &sql, const QVariantList &parameters = {});

    // Runs several statements separated by ';' (plain SQLite on a file, the windows'
    // dialect on a server).
    void executeScript(const QString &sql);

    // How long a statement waits for another connection's write before it fails.
    void setBusyTimeout(int milliseconds);
    // Long enough to wait out another window's or user's write, short enough that a
    // database held by a hung program gives an error rather than a frozen window.
    static constexpr int DefaultBusyTimeoutMs = 5000;
    // In write-ahead-log mode readers and writers of the file never wait for each other.
    // A server never lets a reader hold up a writer.
    bool readersBlockNoWriter() const { return m_writeAheadLog || m_server; }
    qint64 lastInsertRowId() const;

    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const;
    // A transaction in which every statement sees the data as it was at its start.
    void beginSnapshot();

    // The file, or user@host:port/dbname for a server: what messages name.
    QString filePath() const { return m_filePath; }
    sqlite3 *handle() const;

    // A recordset still reading its snapshot registers here; before anything else
    // runs on the connection it is told to read its remaining rows and let go of
    // the snapshot, so every statement sees the current data.
    void deferReader(const void *reader, std::function<void()> finish);
    void releaseReader(const void *reader);
    void settleReaders();

private:
    void openHandle(const QString &filePath, int flags);
    bool lostInsideTransaction() const;
    void attach(const QString &filePath, const QByteArray &name, int flags);

    sqlite3 *m_handle = nullptr;
    std::unique_ptr<PostgresSession> m_server;
    QString m_filePath;
    CursorLocation m_cursorLocation = CursorLocation::Server;
    std::map<const void *, std::function<void()>> m_readers;
    bool m_writeAheadLog = false;
    bool m_busyTimeoutChanged = false; // on a server session, which outlives the connection
    int m_busyTimeoutMs = DefaultBusyTimeoutMs;
    bool m_serverTransaction = false; // begun here and not ended yet, even if the session was lost
};

} // namespace db
