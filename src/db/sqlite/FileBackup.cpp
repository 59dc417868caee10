#include "db/sqlite/FileBackup.h"

#include "db/BackupCheck.h"
#include "db/DbError.h"
#include "db/FileInUse.h"
#include "db/ProgramFolder.h"
#include "db/sqlite/FileSchema.h"
#include "db/sqlite/FileStorage.h"
#include "db/sqlite/SqliteEngine.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

#include <sqlite3.h>

namespace db {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void copyWholeFile(SqliteEngine &source, SqliteEngine &copy)
{
    sqlite3 *to = copy.handle();
    sqlite3_backup *backup = sqlite3_backup_init(to, "main", source.handle(), "main");
    if (!backup)
        throwError(to, sqlite3_errcode(to), copy.description());
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        throw DbError(
            QStringLiteral("The database %1 could not be copied to %2: %3.")
                .arg(shown(source.description()), shown(copy.description()), QString::fromUtf8(sqlite3_errstr(rc))));
    }
}

void requireSoundBackup(const QString &folder, const QString &backup, const QString &copy)
{
    const QString shownFile = QDir(folder).filePath(QFileInfo(backup).fileName());
    QStringList problems = FileSchema::check(copy);
    // Said of the backup the user named, not of the working copy that goes away.
    problems.replaceInStrings(copy, shownFile);
    problems.replaceInStrings(shown(copy), shown(shownFile));
    if (problems.isEmpty())
        return;
    // A foreign file differs in everything: the first few differences say enough.
    constexpr qsizetype Shown = 3;
    QString listed = problems.mid(0, Shown).join(u' ');
    if (problems.size() > Shown)
        listed += QStringLiteral(" (and %1 more)").arg(problems.size() - Shown);
    throw DbError(QStringLiteral("The backup %1 is not restored, it has problems: %2 Nothing was changed.")
                      .arg(shown(shownFile), listed));
}

// A backup made by an earlier version gets this version's tables before its check;
// what is not a database of its kind this version knows is left for the check to name.
void upgradeCopy(const QString &file, bool isRss)
{
    try {
        const std::unique_ptr<SqliteEngine> copy = openFileEngine(file, false);
        if (isRss)
            FileSchema::requireRssTables(*copy);
        else
            FileSchema::requireBusinessTables(*copy);
    } catch (const DbError &) {
    }
}

} // namespace

void copyDatabase(const QString &from, const QString &to)
{
    {
        // Opened for writing, though only read: the last connection to close takes the
        // write-ahead log's files away, which a read-only one would leave behind.
        const std::unique_ptr<SqliteEngine> source = openFileEngine(from, false);
        const std::unique_ptr<SqliteEngine> copy = createFileEngine(to);
        copyWholeFile(*source, *copy);
        copy->executeScript(QStringLiteral("PRAGMA journal_mode = WAL; PRAGMA wal_checkpoint(TRUNCATE);"));
    }
    if (QFileInfo::exists(to + QLatin1String("-wal")))
        throw DbError(QStringLiteral("The copy %1 could not be completed.").arg(shown(to)));
}

void copyAndCheckBackup(const QString &folder, const QString &workingFolder)
{
    const QStringList names
        = {QLatin1String(ConnectionStrings::BusinessDatabaseFile), QLatin1String(ConnectionStrings::RssDatabaseFile)};
    for (const QString &name : names) {
        if (!QFileInfo(QDir(folder).filePath(name)).isFile())
            throw DbError(QStringLiteral("The backup in %1 has no %2; nothing was restored.").arg(shown(folder), name));
    }
    try {
        for (const QString &name : names)
            copyDatabase(QDir(folder).filePath(name), QDir(workingFolder).filePath(name));
        upgradeCopy(QDir(workingFolder).filePath(names.first()), false);
        upgradeCopy(QDir(workingFolder).filePath(names.last()), true);
    } catch (const DbError &error) {
        throw DbError(QStringLiteral("The backup in %1 is not restored: %2 Nothing was changed.")
                          .arg(shown(folder), error.description()));
    }
    for (const QString &name : names)
        requireSoundBackup(folder, QDir(folder).filePath(name), QDir(workingFolder).filePath(name));
}

bool isOpenElsewhere(const QString &filePath)
{
    // An idle connection in rollback-journal mode holds no lock: the descriptors tell.
    if (isOpenInAnotherProcess(filePath))
        return true;
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(filePath).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        // Every other connection to a file in write-ahead-log mode holds a shared lock.
        rc = sqlite3_exec(db, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;", nullptr, nullptr, nullptr);
        if (rc == SQLITE_OK)
            sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
    return rc == SQLITE_BUSY || rc == SQLITE_LOCKED;
}

void SqliteFileRows::insert(const SchemaTables::Table &table, int rows,
                            const std::function<Field(int row, int column)> &field)
{
    QStringList columns;
    QStringList placeholders;
    for (const SchemaTables::Column &column : table.columns) {
        columns << u'[' + column.name + u']';
        placeholders << QStringLiteral("?");
    }
    const QByteArray insertSql = QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                                     .arg(table.name, columns.join(u','), placeholders.join(u','))
                                     .toUtf8();
    const int count = static_cast<int>(table.columns.size());
    sqlite3 *db = m_file.handle();
    sqlite3_stmt *insert = nullptr;
    int rc = sqlite3_prepare_v2(db, insertSql.constData(), -1, &insert, nullptr);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> owner(insert, sqlite3_finalize);
    if (rc != SQLITE_OK)
        throwError(db, rc, m_file.description());
    for (int row = 0; row < rows; ++row) {
        for (int c = 0; c < count; ++c) {
            const Field value = field(row, c);
            if (value.isNull)
                sqlite3_bind_null(insert, c + 1);
            else if (value.text.isNull())
                sqlite3_bind_int64(insert, c + 1, value.number);
            else
                sqlite3_bind_text(insert, c + 1, value.text.constData(), static_cast<int>(value.text.size()),
                                  SQLITE_TRANSIENT);
        }
        rc = sqlite3_step(insert);
        if (rc != SQLITE_DONE)
            throwError(db, rc, m_file.description());
        sqlite3_reset(insert);
    }
}

void SqliteFileRows::keepKeysAbove(const QString &table, qint64 highest)
{
    std::unique_ptr<EngineRows> update = m_file.prepare(
        QStringLiteral("UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE name = ?"), {highest, table}, true);
    update->step();
    if (update->affectedRows() == 0)
        m_file.prepare(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)"), {table, highest}, true)
            ->step();
}

} // namespace db
