#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <map>
#include <memory>

namespace db {

class Engine;

// One connection to a database: a file, or a server's database. The connection string
// takes the form the windows build ("Provider=...;Data Source=<file>;..."); Data Source
// names the file, and "Mode=Read" opens it read-only. A value holding ';', quotes or
// surrounding spaces is written in double quotes, a double quote inside it doubled. A
// server's address stands for itself. The engine behind it comes from the Storage the
// location names (Storage.h); nothing here depends on which one it is. Several
// connections to one database may be open at once.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens an existing database; never creates one. Throws DbError naming the file.
    // A PostgreSQL address (postgresql://user@host:port/dbname) opens that server's
    // database instead, through the same operations.
    void open(const QString &connectionString);
    // The same for a file path taken exactly as it is given.
    void openFile(const QString &filePath, bool readOnly = false);
    // A server's address, or else a file path taken exactly as it is given.
    void openLocation(const QString &location);
    // Opens (and creates when missing) a database file; used to build new databases.
    void create(const QString &filePath);
    void close();
    bool isOpen() const { return m_engine != nullptr; }
    // Whether others work on the same data at once: a database on a server.
    bool isShared() const;
    // The engine behind the connection, for the data layer's own parts; null when closed.
    Engine *engine() const { return m_engine.get(); }

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
    // For a connection that reads its rows once through: a cache of a few pages does,
    // where the engine's usual one would grow by megabytes over a large table.
    void readRowsOnceThrough();
    // Whether a reader's open snapshot keeps no other connection's write waiting.
    bool readersBlockNoWriter() const;
    qint64 lastInsertRowId() const;

    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const;
    // A transaction in which every statement sees the data as it was at its start.
    void beginSnapshot();

    // The file, or user@host:port/dbname for a server: what messages name and the
    // caption shows.
    QString filePath() const { return m_filePath; }

    // A recordset still reading its snapshot registers here; before anything else
    // runs on the connection it is told to read its remaining rows and let go of
    // the snapshot, so every statement sees the current data.
    void deferReader(const void *reader, std::function<void()> finish);
    void releaseReader(const void *reader);
    void settleReaders();

private:
    void requireOpen() const;
    void attach(const std::function<std::unique_ptr<Engine>()> &openEngine);

    std::unique_ptr<Engine> m_engine;
    QString m_filePath;
    std::map<const void *, std::function<void()>> m_readers;
};

} // namespace db
