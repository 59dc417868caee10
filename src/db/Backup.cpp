#include "db/Backup.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/ServerAddress.h"
#include "db/Statement.h"
#include "db/postgres/PostgresCopy.h"
#include "db/postgres/PostgresDialect.h"
#include "db/postgres/PostgresSchema.h"
#include "db/postgres/PostgresSession.h"
#include "db/schema/Schema.h"
#include "db/schema/SchemaTables.h"
#include "db/sqlite/SqliteEngine.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db::Backup {

namespace {

struct Files
{
    QString business;
    QString rss;
};

Files filesIn(const QString &folder, const QString &prefix = {}, const QString &suffix = {})
{
    const QDir dir(folder);
    return {dir.filePath(prefix + QLatin1String(ConnectionStrings::BusinessDatabaseFile) + suffix),
            dir.filePath(prefix + QLatin1String(ConnectionStrings::RssDatabaseFile) + suffix)};
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

void removeDatabaseFiles(const QString &filePath)
{
    for (const char *suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(filePath + QLatin1String(suffix));
}

void syncFolder(const QString &folder)
{
    // A rename lasts through a power cut only once the folder itself is on disk.
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void renameOrThrow(const QString &from, const QString &to)
{
    if (::rename(encoded(from).constData(), encoded(to).constData()) != 0)
        throw DbError(QStringLiteral("%1 could not be put in place: %2.").arg(shown(to), systemReason()));
}

bool sameFolder(const QString &one, const QString &other)
{
    const QString a = QFileInfo(one).canonicalFilePath();
    return !a.isEmpty() && a == QFileInfo(other).canonicalFilePath();
}

void refuseExisting(const Files &files)
{
    for (const QString &file : {files.business, files.rss}) {
        if (QFileInfo::exists(file))
            throw DbError(QStringLiteral("The database %1 exists already; it was left as it is.").arg(shown(file)));
    }
}

// The whole file in one step of the engine's online backup: one read transaction, in
// which writers on other connections go on (write-ahead log) while the copy stays the
// database of one moment. A copy taken in several steps would start over at each write.
void copyDatabase(const QString &from, const QString &to)
{
    // Opened for writing, though only read: the last connection to close takes the
    // write-ahead log's files away, which a read-only one would leave behind.
    Connection source;
    source.openFile(from);
    Connection copy;
    copy.create(to);
    copyWholeFile(source, copy);
    // As the program makes its databases: a write-ahead log, and the file alone the whole database.
    copy.executeScript(QStringLiteral("PRAGMA journal_mode = WAL; PRAGMA wal_checkpoint(TRUNCATE);"));
    copy.close();
    if (QFileInfo::exists(to + QLatin1String("-wal")))
        throw DbError(QStringLiteral("The copy %1 could not be completed.").arg(shown(to)));
}

// The highest key the server's generator for the table has handed out.
qint64 highestKeyHandedOut(PostgresSession &session, const SchemaTables::Table &table)
{
    const PostgresResult sequence = session.run(QStringLiteral("SELECT pg_get_serial_sequence($1, $2)"),
                                                {quotePostgresName(table.name), table.keyColumn()});
    if (sequence.isNull(0, 0))
        return 0;
    const PostgresResult state
        = session.run(QStringLiteral("SELECT last_value, is_called FROM ") + sequence.value(0, 0).toString());
    const qint64 last = state.value(0, 0).toLongLong();
    return state.value(0, 1).toLongLong() != 0 ? last : last - 1;
}

void copyServerTable(PostgresSession &session, Connection &file, const SchemaTables::Table &table)
{
    QStringList serverColumns;
    QStringList fileColumns;
    QStringList placeholders;
    for (const SchemaTables::Column &column : table.columns) {
        serverColumns << quotePostgresName(column.name);
        fileColumns << u'[' + column.name + u']';
        placeholders << QStringLiteral("?");
    }
    const PostgresResult rows = session.run(
        QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
            .arg(serverColumns.join(u','), quotePostgresName(table.name), quotePostgresName(table.keyColumn())));
    const QByteArray insertSql = QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                                     .arg(table.name, fileColumns.join(u','), placeholders.join(u','))
                                     .toUtf8();
    const int count = static_cast<int>(table.columns.size());
    std::vector<bool> numeric;
    for (const SchemaTables::Column &column : table.columns)
        numeric.push_back(column.kind == SchemaTables::ColumnKind::Key
                          || column.kind == SchemaTables::ColumnKind::Number
                          || column.kind == SchemaTables::ColumnKind::YesNo);
    insertRows(file, insertSql, count, rows.rowCount(), [&](int row, int c) -> FileField {
        if (rows.isNull(row, c))
            return {};
        if (numeric[static_cast<size_t>(c)])
            return {false, rows.value(row, c).toLongLong(), {}};
        return {false, 0, rows.rawText(row, c)};
    });
    // Keys deleted on the server never come back from the copy either.
    const qint64 highest = highestKeyHandedOut(session, table);
    if (highest > 0)
        keepKeysAbove(file, table.name, highest);
}

void writeFromServer(const QString &address, const Files &into)
{
    PostgresSession session(address);
    // Every table as it was at one moment, whatever other users store meanwhile.
    session.runScript(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
    const QStringList problems = PostgresSchema::check(session);
    if (!problems.isEmpty()) {
        throw DbError(QStringLiteral("The database %1 is not backed up, it has problems: %2")
                          .arg(session.serverName(), problems.join(u' ')));
    }
    const auto filler = [&session](const QList<SchemaTables::Table> &tables) {
        return [&session, tables](Connection &file) {
            for (const SchemaTables::Table &table : tables)
                copyServerTable(session, file, table);
        };
    };
    Schema::createBusinessDatabase(into.business, filler(SchemaTables::businessTables()));
    Schema::createRssDatabase(into.rss, filler(SchemaTables::rssTables()));
    session.rollback(); // it only read
}

void writeFromFolder(const QString &folder, const Files &into)
{
    const Files from = filesIn(folder);
    copyDatabase(from.business, into.business);
    copyDatabase(from.rss, into.rss);
}

// A folder that does not exist yet is built whole beside its place and renamed into
// it, so that a stopped run leaves nothing under its name.
void writeNewFolder(const QString &folder, const std::function<void(const Files &)> &fill)
{
    const QFileInfo place(folder);
    const QString path = place.absoluteFilePath();
    const QString staging
        = place.absolutePath() + QStringLiteral("/.") + place.fileName() + QStringLiteral(".tallowmere-backup");
    QDir(staging).removeRecursively(); // left by a run that was stopped
    if (!QDir().mkpath(staging))
        throw DbError(QStringLiteral("The folder %1 cannot be created.").arg(shown(path)));
    // Businesses are their owner's alone, whatever the umask.
    ::chmod(encoded(staging).constData(), S_IRWXU);
    try {
        fill(filesIn(staging));
        syncFolder(staging);
        if (::rename(encoded(staging).constData(), encoded(path).constData()) != 0) {
            const bool made = errno == EEXIST || errno == ENOTEMPTY;
            throw DbError(
                made ? QStringLiteral("The folder %1 exists already; it was left as it is.").arg(shown(path))
                     : QStringLiteral("The folder %1 could not be put in place: %2.").arg(shown(path), systemReason()));
        }
        syncFolder(place.absolutePath());
    } catch (...) {
        QDir(staging).removeRecursively();
        throw;
    }
}

void writeIntoFolder(const QString &folder, const std::function<void(const Files &)> &fill)
{
    const Files target = filesIn(folder);
    const Files partial = filesIn(folder, QStringLiteral("."), QStringLiteral(".backup-partial"));
    removeDatabaseFiles(partial.business); // left by a run that was stopped
    removeDatabaseFiles(partial.rss);
    try {
        fill(partial);
        syncFolder(folder);
        renameOrThrow(partial.business, target.business);
        try {
            renameOrThrow(partial.rss, target.rss);
        } catch (...) {
            QFile::remove(target.business);
            throw;
        }
        syncFolder(folder);
    } catch (...) {
        removeDatabaseFiles(partial.business);
        removeDatabaseFiles(partial.rss);
        throw;
    }
}

void requireSoundBackup(const QString &folder, const Files &backup)
{
    for (const QString &file : {backup.business, backup.rss}) {
        if (!QFileInfo(file).isFile()) {
            throw DbError(QStringLiteral("The backup in %1 has no %2; nothing was restored.")
                              .arg(shown(folder), QFileInfo(file).fileName()));
        }
        const QStringList problems = Schema::check(file);
        if (!problems.isEmpty()) {
            // A foreign file differs in everything: the first few differences say enough.
            constexpr qsizetype Shown = 3;
            QString listed = problems.mid(0, Shown).join(u' ');
            if (problems.size() > Shown)
                listed += QStringLiteral(" (and %1 more)").arg(problems.size() - Shown);
            throw DbError(QStringLiteral("The backup %1 is not restored, it has problems: %2 Nothing was changed.")
                              .arg(shown(file), listed));
        }
    }
}

// Sure that no program has the database open: a file replaced under an open
// connection would take that program's next writes into the old one, or lose them.
void refuseWhileOpen(const QString &file)
{
    if (!QFileInfo::exists(file))
        return;
    if (isOpenElsewhere(file)) {
        throw DbError(QStringLiteral("The database %1 is open in a program; close Tallowmere and try again. "
                                     "Nothing was changed.")
                          .arg(shown(file)));
    }
    // Whatever log the old file left would be read into the new one.
    for (const char *suffix : {"-wal", "-shm", "-journal"})
        QFile::remove(file + QLatin1String(suffix));
}

void restoreIntoFolder(const QString &folder, const Files &backup, const QString &target)
{
    if (!QFileInfo::exists(target)) {
        if (!QDir().mkpath(target))
            throw DbError(QStringLiteral("The folder %1 cannot be created.").arg(shown(target)));
        ::chmod(encoded(target).constData(), S_IRWXU);
    }
    if (sameFolder(folder, target))
        throw DbError(
            QStringLiteral("The backup in %1 is the program folder itself; nothing was restored.").arg(shown(folder)));
    const Files into = filesIn(target);
    const Files staged = filesIn(target, QStringLiteral("."), QStringLiteral(".restoring"));
    const Files previous = filesIn(target, QStringLiteral("."), QStringLiteral(".previous"));
    for (const QString &file : {staged.business, staged.rss, previous.business, previous.rss})
        removeDatabaseFiles(file); // left by a run that was stopped
    try {
        copyDatabase(backup.business, staged.business);
        copyDatabase(backup.rss, staged.rss);
        syncFolder(target);
        refuseWhileOpen(into.business);
        refuseWhileOpen(into.rss);
        // The old business database stays reachable until the second file is in place too.
        const bool hadBusiness = QFileInfo::exists(into.business);
        if (hadBusiness && ::link(encoded(into.business).constData(), encoded(previous.business).constData()) != 0)
            throw DbError(QStringLiteral("%1 cannot be set aside: %2.").arg(shown(into.business), systemReason()));
        renameOrThrow(staged.business, into.business);
        try {
            renameOrThrow(staged.rss, into.rss);
        } catch (...) {
            if (hadBusiness)
                ::rename(encoded(previous.business).constData(), encoded(into.business).constData());
            else
                QFile::remove(into.business);
            throw;
        }
        QFile::remove(previous.business);
        syncFolder(target);
    } catch (...) {
        removeDatabaseFiles(staged.business);
        removeDatabaseFiles(staged.rss);
        QFile::remove(previous.business);
        throw;
    }
}

} // namespace

void write(const QString &source, const QString &folder)
{
    const QString server = PostgresSession::isAddress(source) ? source : ServerAddress::ofFolder(source);
    if (server.isEmpty()) {
        if (!QFileInfo(source).isDir())
            throw DbError(QStringLiteral("The program folder %1 does not exist.").arg(shown(source)));
        if (sameFolder(source, folder))
            throw DbError(QStringLiteral("A backup goes into a folder of its own, not into the program folder %1.")
                              .arg(shown(source)));
    }
    refuseExisting(filesIn(folder));
    const auto fill = [&](const Files &into) {
        if (server.isEmpty())
            writeFromFolder(source, into);
        else
            writeFromServer(server, into);
    };
    if (QFileInfo::exists(folder))
        writeIntoFolder(folder, fill);
    else
        writeNewFolder(folder, fill);
}

void restore(const QString &folder, const QString &target)
{
    const Files backup = filesIn(folder);
    requireSoundBackup(folder, backup);
    if (PostgresSession::isAddress(target)) {
        copyFolderToPostgres(folder, target);
        return;
    }
    if (QFileInfo(target).isDir() && !ServerAddress::ofFolder(target).isEmpty()) {
        throw DbError(QStringLiteral("The program folder %1 keeps its data on a server (%2); restore into the "
                                     "server's address instead. Nothing was changed.")
                          .arg(shown(target), QLatin1String(ServerAddress::FileName)));
    }
    restoreIntoFolder(folder, backup, target);
}

} // namespace db::Backup
