#pragma once

#include "db/Storage.h"
#include "db/sqlite/SqliteEngine.h"

namespace db {

// The program's databases as files: a program folder holding Tallowmere.db and Rss.db,
// or one database file (a check, a connection).
class FileStorage final : public Storage
{
public:
    explicit FileStorage(const QString &path)
        : m_path(path)
    {
    }

    std::unique_ptr<Engine> open(Opening opening) const override;
    QString connectionString(const QString &fileForm) const override { return fileForm; }
    QString databaseFile(const QString &databaseFile) const override;
    void openAhead() const override { }
    void createProgramDatabases() const override;
    QStringList check() const override;
    void upgrade() const override;
    void refuseBackupInto(const QString &folder) const override;
    void backUp(const QString &business, const QString &rss) const override;
    void restoreBackup(const QString &folder, const std::function<void()> &afterEachMove) const override;

private:
    QString m_path;
};

// Opens an existing database file; throws DbError naming it when it is missing, not a
// file, or cannot be read.
std::unique_ptr<SqliteEngine> openFileEngine(const QString &filePath, bool readOnly);
// Opens the file, made when missing: a database is its owner's alone (0600, whatever
// the umask), and its -wal and -shm files take its mode.
std::unique_ptr<SqliteEngine> createFileEngine(const QString &filePath);

// The engine's companions beside a database file: its logs and the log's index.
void removeCompanionFiles(const QString &filePath);
// The file and its companions.
void removeDatabaseFiles(const QString &filePath);

} // namespace db
