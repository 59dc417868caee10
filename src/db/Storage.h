#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace db {

class Engine;

// The program's databases at one place, as the engine that keeps them makes, checks,
// opens, backs up and restores them: a file or a folder of files (sqlite/), or a
// server's database (postgres/). The factories below are the one place that tells a
// server's address from a file's or folder's name; each engine folder holds one
// implementation, and a third engine is one more.
class Storage
{
public:
    virtual ~Storage() = default;

    // A server's postgresql:// address, or else a file or folder taken exactly as given.
    static std::unique_ptr<Storage> at(const QString &location);
    // Where a program folder keeps its data: the server its Tallowmere.url names, or its
    // own two files; a server's address stands for itself. Throws DbError naming a
    // Tallowmere.url that cannot be read or holds no address.
    static std::unique_ptr<Storage> ofProgramFolder(const QString &folder);
    // A file, whatever its name looks like.
    static std::unique_ptr<Storage> ofFile(const QString &filePath);
    // What a connection string opens ("Provider=...;Data Source=<file>;Mode=Read", or a
    // server's address); `readOnly` tells whether it asks for reading only. Throws
    // DbError when it names no database.
    static std::unique_ptr<Storage> ofConnectionString(const QString &connectionString, bool &readOnly);

    enum class Opening {
        ReadWrite,
        ReadOnly,
        // Made when missing, 0600 whatever the umask: only ever asked of a file.
        Create
    };
    // An open connection's engine. Throws DbError naming the file or server.
    virtual std::unique_ptr<Engine> open(Opening opening) const = 0;

    // The connection string the windows open for one of the program's databases:
    // `fileForm` for a folder's own files, the address for a server.
    virtual QString connectionString(const QString &fileForm) const = 0;
    // The file that holds `databaseFile` (Tallowmere.db or Rss.db) of a program folder;
    // empty on a server, whose messages name it.
    virtual QString databaseFile(const QString &databaseFile) const = 0;
    // Starts reaching the place while the window that needs it is built; nothing for a file.
    virtual void openAhead() const = 0;

    // Makes both databases of the program there, with their delivered content, or
    // neither. Throws DbError naming what exists already or cannot be written.
    virtual void createProgramDatabases() const = 0;
    // Integrity and schema check (on a server also who may do what to the tables):
    // every problem found, empty when sound.
    virtual QStringList check() const = 0;
    // Brings the business database up to this version's schema (`tallowmere-db upgrade`;
    // on a server only the tables' owner may). Throws DbError naming what stands in the way.
    virtual void upgrade() const = 0;

    // Throws DbError when a backup of this place cannot go into `folder` (a program
    // folder that does not exist, or the backup's own folder).
    virtual void refuseBackupInto(const QString &folder) const = 0;
    // Writes both databases as the new files `business` and `rss` (the backup's format
    // is the file engine's), each as it was at one moment while others write on.
    virtual void backUp(const QString &business, const QString &rss) const = 0;
    // Checks the backup in `folder` and puts it in place here, all or nothing (see
    // Backup::restore). `afterEachMove` runs after each file moved into or out of a
    // program folder.
    virtual void restoreBackup(const QString &folder, const std::function<void()> &afterEachMove) const = 0;
};

} // namespace db
