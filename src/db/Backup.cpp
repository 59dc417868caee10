#include "db/Backup.h"

#include "db/BackupFiles.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/ServerAddress.h"
#include "db/Statement.h"
#include "db/postgres/PostgresCopy.h"
#include "db/postgres/PostgresSchema.h"
#include "db/postgres/PostgresSession.h"
#include "db/postgres/PostgresStatement.h"
#include "db/schema/Schema.h"
#include "db/schema/SchemaTables.h"
#include "db/sqlite/SqliteEngine.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
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

// Where a backup's or a restore's working folder goes: beside the databases' place,
// so that putting them there is a rename within one file system.
constexpr auto BackupStagingPrefix = ".tallowmere-backup-";
constexpr auto RestoreStagingPrefix = ".tallowmere-restore-";
// In a program folder while a restore puts its databases in place: the name of the
// working folder that holds the backup's copies and the databases set aside.
constexpr auto RestoreJournalName = ".tallowmere-restore";
constexpr auto PreviousPrefix = "previous-";

bool sameFolder(const QString &one, const QString &other)
{
    const QString a = QFileInfo(one).canonicalFilePath();
    return !a.isEmpty() && a == QFileInfo(other).canonicalFilePath();
}

void refuseExisting(const Files &files)
{
    for (const QString &file : {files.business, files.rss}) {
        if (BackupFiles::nameTaken(file))
            throw DbError(QStringLiteral("The database %1 exists already; it was left as it is.").arg(shown(file)));
    }
}

// The whole file in one step of the engine's online backup: one read transaction, in
// which writers on other connections go on (write-ahead log) while the copy stays the
// database of one moment. A copy taken in several steps would start over at each write.
// `to` is new, in a working folder of this run's own.
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

// The rows come one by one (libpq's single-row mode), and go into the file in batches
// of at most this much text or this many rows: a table of large templates is never
// held whole, and rows of any size mixed in any order keep to the bound.
constexpr qint64 BatchBytes = 4 * 1024 * 1024;
constexpr size_t MostRowsInABatch = 1000;

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
    const QByteArray insertSql = QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                                     .arg(table.name, fileColumns.join(u','), placeholders.join(u','))
                                     .toUtf8();
    const int count = static_cast<int>(table.columns.size());
    std::vector<bool> numeric;
    for (const SchemaTables::Column &column : table.columns)
        numeric.push_back(column.kind == SchemaTables::ColumnKind::Key
                          || column.kind == SchemaTables::ColumnKind::Number
                          || column.kind == SchemaTables::ColumnKind::YesNo);
    std::vector<PostgresResult> batch;
    qint64 batchBytes = 0;
    const auto writeBatch = [&] {
        insertRows(file, insertSql, count, static_cast<int>(batch.size()), [&](int row, int c) -> FileField {
            const PostgresResult &rows = batch[static_cast<size_t>(row)];
            if (rows.isNull(0, c))
                return {};
            if (numeric[static_cast<size_t>(c)])
                return {false, rows.value(0, c).toLongLong(), {}};
            return {false, 0, rows.rawText(0, c)};
        });
        batch.clear();
        batchBytes = 0;
    };
    session.send(
        QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
            .arg(serverColumns.join(u','), quotePostgresName(table.name), quotePostgresName(table.keyColumn())),
        {}, true);
    for (PostgresResult row = session.nextResult(); row.handle(); row = session.nextResult()) {
        row = session.checked(std::move(row));
        if (row.rowCount() != 1)
            continue; // the closing result
        for (int c = 0; c < count; ++c)
            batchBytes += row.rawText(0, c).size();
        batch.push_back(std::move(row));
        if (batchBytes >= BatchBytes || batch.size() >= MostRowsInABatch)
            writeBatch();
    }
    writeBatch();
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

// Both files are made in a working folder of this run's own and moved out from there
// only once complete, under names nothing else holds: into a folder that does not
// exist yet the working folder itself becomes it, into an existing one the two files
// move.
void writeBackup(const QString &folder, const std::function<void(const Files &)> &fill)
{
    const QFileInfo place(folder);
    const QString path = place.absoluteFilePath();
    const bool newFolder = !BackupFiles::nameTaken(path);
    const QString parent = newFolder ? place.absolutePath() : path;
    if (newFolder && !QDir().mkpath(parent))
        throw DbError(QStringLiteral("The folder %1 cannot be created.").arg(shown(parent)));
    if (!newFolder && BackupFiles::belongsToAnotherUser(path)) {
        // Its owner could take the files away or put others in their place later.
        throw DbError(QStringLiteral("The folder %1 belongs to another user; a backup goes only into a folder of "
                                     "your own (or a new one). Nothing was written.")
                          .arg(shown(path)));
    }
    const QString staging = BackupFiles::makePrivateFolder(parent, QLatin1String(BackupStagingPrefix));
    const Files made = filesIn(staging);
    const Files target = filesIn(path);
    try {
        fill(made);
        BackupFiles::syncFolder(staging);
        if (newFolder) {
            BackupFiles::moveWithoutReplacing(staging, path);
        } else {
            BackupFiles::moveWithoutReplacing(made.business, target.business);
            try {
                BackupFiles::moveWithoutReplacing(made.rss, target.rss);
            } catch (...) {
                // Ours: this run put it there a moment ago, under a name nothing held.
                BackupFiles::moveIfFree(target.business, made.business);
                throw;
            }
            BackupFiles::removePrivateFolder(staging);
        }
        BackupFiles::syncFolder(parent);
    } catch (...) {
        BackupFiles::removePrivateFolder(staging);
        throw;
    }
}

void requireSoundBackup(const QString &folder, const Files &backup, const Files &copies)
{
    const QString names[] = {QFileInfo(backup.business).fileName(), QFileInfo(backup.rss).fileName()};
    int i = 0;
    for (const QString &file : {copies.business, copies.rss}) {
        const QString shownFile = QDir(folder).filePath(names[i++]);
        QStringList problems = Schema::check(file);
        // Said of the backup the user named, not of the working copy that goes away.
        problems.replaceInStrings(file, shownFile);
        problems.replaceInStrings(shown(file), shown(shownFile));
        if (!problems.isEmpty()) {
            // A foreign file differs in everything: the first few differences say enough.
            constexpr qsizetype Shown = 3;
            QString listed = problems.mid(0, Shown).join(u' ');
            if (problems.size() > Shown)
                listed += QStringLiteral(" (and %1 more)").arg(problems.size() - Shown);
            throw DbError(QStringLiteral("The backup %1 is not restored, it has problems: %2 Nothing was changed.")
                              .arg(shown(shownFile), listed));
        }
    }
}

// A backup made by an earlier version gets this version's tables before its check;
// what is not a business database this version knows is left for the check to name.
void upgradeCopy(const QString &file)
{
    try {
        Connection connection;
        connection.openFile(file);
        Schema::migrate(connection);
    } catch (const DbError &) {
    }
}

// The backup is copied into the working folder first and the copies are what is
// checked and put in place: a backup changed after its check is never restored.
void copyAndCheckBackup(const QString &folder, const Files &backup, const Files &copies)
{
    for (const QString &file : {backup.business, backup.rss}) {
        if (!QFileInfo(file).isFile()) {
            throw DbError(QStringLiteral("The backup in %1 has no %2; nothing was restored.")
                              .arg(shown(folder), QFileInfo(file).fileName()));
        }
    }
    try {
        copyDatabase(backup.business, copies.business);
        copyDatabase(backup.rss, copies.rss);
        upgradeCopy(copies.business);
    } catch (const DbError &error) {
        throw DbError(QStringLiteral("The backup in %1 is not restored: %2 Nothing was changed.")
                          .arg(shown(folder), error.description()));
    }
    requireSoundBackup(folder, backup, copies);
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

// A restore into a program folder in the working folder's terms: the backup's two
// checked copies under their own names, the databases they replace set aside as
// previous-<name>.
struct RestorePlan
{
    QString target;
    QString staging;

    QString journal() const { return QDir(target).filePath(QLatin1String(RestoreJournalName)); }
    QString live(const QString &name) const { return QDir(target).filePath(name); }
    QString restored(const QString &name) const { return QDir(staging).filePath(name); }
    QString previous(const QString &name) const { return QDir(staging).filePath(QLatin1String(PreviousPrefix) + name); }
};

QStringList databaseNames()
{
    return {QLatin1String(ConnectionStrings::BusinessDatabaseFile), QLatin1String(ConnectionStrings::RssDatabaseFile)};
}

void move(const QString &from, const QString &to, const std::function<void()> &afterEachMove)
{
    BackupFiles::moveWithoutReplacing(from, to);
    if (afterEachMove)
        afterEachMove();
}

// The record's descriptor, locked while a run moves the databases: another run that
// finds the record (a second restore, the program's start) can tell a running restore
// from a stopped one, whose lock went with its process.
class JournalLock
{
public:
    explicit JournalLock(int fd)
        : m_fd(fd)
    {
    }
    // Throws DbError when a running restore holds the record.
    explicit JournalLock(const RestorePlan &plan);
    ~JournalLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    JournalLock(const JournalLock &) = delete;
    JournalLock &operator=(const JournalLock &) = delete;

private:
    int m_fd = -1;
};

DbError restoreRunning(const RestorePlan &plan)
{
    return DbError(QStringLiteral("A restore into %1 is running now; try again once it has ended. Nothing was changed.")
                       .arg(shown(plan.target)));
}

JournalLock::JournalLock(const RestorePlan &plan)
    : m_fd(::open(QFile::encodeName(plan.journal()).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC))
{
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_fd);
        m_fd = -1;
        throw restoreRunning(plan);
    }
}

// Writes the record, locked, and returns its descriptor.
int writeJournal(const RestorePlan &plan, const BackupFiles::Owner &owner)
{
    const QByteArray path = QFile::encodeName(plan.journal());
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    const QByteArray text = QFile::encodeName(QFileInfo(plan.staging).fileName()) + '\n';
    const bool written = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fchmod(fd, 0600) == 0
                         && ::write(fd, text.constData(), static_cast<size_t>(text.size())) == text.size()
                         && ::fsync(fd) == 0;
    const int error = errno;
    if (!written) {
        if (fd >= 0) {
            ::unlink(path.constData());
            ::close(fd);
        }
        throw DbError(QStringLiteral("The restore's record %1 cannot be written: %2. Nothing was changed.")
                          .arg(shown(plan.journal()), QString::fromLocal8Bit(std::strerror(error))));
    }
    try {
        BackupFiles::giveTo(plan.journal(), owner);
    } catch (...) {
        ::unlink(path.constData()); // nothing has moved yet
        ::close(fd);
        throw;
    }
    BackupFiles::syncFolder(plan.target);
    return fd;
}

void endRestore(const RestorePlan &plan)
{
    BackupFiles::syncFolder(plan.target);
    ::unlink(QFile::encodeName(plan.journal()).constData());
    BackupFiles::syncFolder(plan.target);
    BackupFiles::removePrivateFolder(plan.staging);
}

// Puts the restored databases in place from wherever a stopped run left them.
void rollForward(const RestorePlan &plan, const std::function<void()> &afterEachMove = {})
{
    for (const QString &name : databaseNames()) {
        // The one in place is set aside only while the restored one still waits.
        if (BackupFiles::nameTaken(plan.restored(name)) && BackupFiles::nameTaken(plan.live(name))
            && !BackupFiles::nameTaken(plan.previous(name)))
            move(plan.live(name), plan.previous(name), afterEachMove);
    }
    for (const QString &name : databaseNames()) {
        if (BackupFiles::nameTaken(plan.restored(name)))
            move(plan.restored(name), plan.live(name), afterEachMove);
    }
    endRestore(plan);
}

// Puts the databases from before the restore back, wherever a stopped run left them.
void rollBack(const RestorePlan &plan)
{
    for (const QString &name : databaseNames()) {
        // In place and no longer in the working folder: the restored one, which goes back there.
        if (BackupFiles::nameTaken(plan.live(name)) && !BackupFiles::nameTaken(plan.restored(name)))
            move(plan.live(name), plan.restored(name), {});
        if (BackupFiles::nameTaken(plan.previous(name)))
            move(plan.previous(name), plan.live(name), {});
    }
    endRestore(plan);
}

// The restore a stopped run left in the program folder; nullopt when there is none.
// Throws DbError when the record is not one this program could have written.
std::optional<RestorePlan> pendingRestore(const QString &target)
{
    RestorePlan plan{QFileInfo(target).absoluteFilePath(), {}};
    const QByteArray journal = QFile::encodeName(plan.journal());
    struct stat info = {};
    if (::lstat(journal.constData(), &info) != 0)
        return std::nullopt;
    const auto foreign = [&] {
        return DbError(QStringLiteral("%1 is not a record of a restore by Tallowmere; remove it and try again. "
                                      "Nothing was changed.")
                           .arg(shown(plan.journal())));
    };
    // Root may settle a restore in a user's folder, whose files it gave to the user.
    const auto ownedHere = [](uid_t owner) { return owner == ::geteuid() || ::geteuid() == 0; };
    if (!S_ISREG(info.st_mode) || !ownedHere(info.st_uid) || info.st_size > 256)
        throw foreign();
    QFile file(plan.journal());
    if (!file.open(QIODevice::ReadOnly))
        throw foreign();
    const QString name = QFile::decodeName(file.readAll().trimmed());
    struct stat folder = {};
    if (!name.startsWith(QLatin1String(RestoreStagingPrefix)) || name.contains(u'/')
        || ::lstat(QFile::encodeName(QDir(plan.target).filePath(name)).constData(), &folder) != 0
        || !S_ISDIR(folder.st_mode) || !ownedHere(folder.st_uid))
        throw foreign();
    plan.staging = QDir(plan.target).filePath(name);
    const JournalLock notRunning(plan);
    return plan;
}

void restoreIntoFolder(const QString &folder, const Files &backup, const QString &target,
                       const std::function<void()> &afterEachMove)
{
    if (!BackupFiles::nameTaken(target)) {
        // Each folder made on the way belongs to whoever owns the folder it is made in.
        QStringList missing;
        QString existing = QFileInfo(target).absoluteFilePath();
        while (!BackupFiles::nameTaken(existing) && existing != QFileInfo(existing).absolutePath()) {
            missing.prepend(existing);
            existing = QFileInfo(existing).absolutePath();
        }
        const BackupFiles::Owner owner = BackupFiles::ownerFor(existing);
        if (!QDir().mkpath(target))
            throw DbError(QStringLiteral("The folder %1 cannot be created.").arg(shown(target)));
        ::chmod(encoded(target).constData(), S_IRWXU);
        for (const QString &made : std::as_const(missing))
            BackupFiles::giveTo(made, owner);
    }
    if (sameFolder(folder, target))
        throw DbError(
            QStringLiteral("The backup in %1 is the program folder itself; nothing was restored.").arg(shown(folder)));
    if (pendingRestore(target)) {
        throw DbError(QStringLiteral("An earlier restore into %1 was stopped before it was complete. Finish it with "
                                     "\"tallowmere-db restore --finish %1\", or put back the databases from before it "
                                     "with \"tallowmere-db restore --undo %1\". Nothing was changed.")
                          .arg(shown(target)));
    }
    // Run by root in a user's folder, everything it makes is the user's.
    const BackupFiles::Owner owner = BackupFiles::ownerFor(target);
    RestorePlan plan{QFileInfo(target).absoluteFilePath(),
                     BackupFiles::makePrivateFolder(target, QLatin1String(RestoreStagingPrefix))};
    std::optional<JournalLock> lock;
    try {
        BackupFiles::giveTo(plan.staging, owner);
        const Files copies = filesIn(plan.staging);
        copyAndCheckBackup(folder, backup, copies);
        for (const QString &copy : {copies.business, copies.rss})
            BackupFiles::giveTo(copy, owner);
        BackupFiles::syncFolder(plan.staging);
        for (const QString &name : databaseNames())
            refuseWhileOpen(plan.live(name));
        lock.emplace(writeJournal(plan, owner));
        rollForward(plan, afterEachMove);
    } catch (...) {
        if (lock)
            rollBack(plan);
        else
            BackupFiles::removePrivateFolder(plan.staging);
        throw;
    }
}

// Into a server the backup's copies go, checked, from a private folder of the system's
// temporary place (the program folder may not be writable).
void restoreIntoServer(const QString &folder, const Files &backup, const QString &target)
{
    const QString staging = BackupFiles::makePrivateFolder(QDir::tempPath(), QLatin1String(RestoreStagingPrefix));
    try {
        copyAndCheckBackup(folder, backup, filesIn(staging));
        copyFolderToPostgres(staging, target);
    } catch (...) {
        BackupFiles::removePrivateFolder(staging);
        throw;
    }
    BackupFiles::removePrivateFolder(staging);
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
    writeBackup(folder, [&](const Files &into) {
        if (server.isEmpty())
            writeFromFolder(source, into);
        else
            writeFromServer(server, into);
    });
}

void restore(const QString &folder, const QString &target, const std::function<void()> &afterEachMove)
{
    const Files backup = filesIn(folder);
    if (PostgresSession::isAddress(target)) {
        restoreIntoServer(folder, backup, target);
        return;
    }
    if (QFileInfo(target).isDir() && !ServerAddress::ofFolder(target).isEmpty()) {
        throw DbError(QStringLiteral("The program folder %1 keeps its data on a server (%2); restore into the "
                                     "server's address instead. Nothing was changed.")
                          .arg(shown(target), QLatin1String(ServerAddress::FileName)));
    }
    restoreIntoFolder(folder, backup, target, afterEachMove);
}

QString interruptedRestore(const QString &programFolder)
{
    if (!pendingRestore(programFolder))
        return {};
    QStringList inPlace;
    QStringList before;
    const RestorePlan plan = *pendingRestore(programFolder);
    for (const QString &name : databaseNames()) {
        if (BackupFiles::nameTaken(plan.restored(name)))
            before << name;
        else
            inPlace << name;
    }
    QString state;
    if (inPlace.isEmpty())
        state = QStringLiteral("none of the backup's databases is in place yet");
    else if (before.isEmpty())
        state = QStringLiteral("both of the backup's databases are in place");
    else
        state = QStringLiteral("the backup's %1 is in place, %2 is not yet").arg(inPlace.join(u' '), before.join(u' '));
    return QStringLiteral("A restore into %1 was stopped before it was complete: %2.").arg(shown(plan.target), state);
}

void finishRestore(const QString &programFolder)
{
    const std::optional<RestorePlan> plan = pendingRestore(programFolder);
    if (!plan)
        throw DbError(QStringLiteral("No restore into %1 waits to be finished.").arg(shown(programFolder)));
    const JournalLock lock(*plan);
    for (const QString &name : databaseNames())
        refuseWhileOpen(plan->live(name));
    rollForward(*plan);
}

void undoRestore(const QString &programFolder)
{
    const std::optional<RestorePlan> plan = pendingRestore(programFolder);
    if (!plan)
        throw DbError(QStringLiteral("No restore into %1 waits to be undone.").arg(shown(programFolder)));
    const JournalLock lock(*plan);
    for (const QString &name : databaseNames())
        refuseWhileOpen(plan->live(name));
    rollBack(*plan);
}

} // namespace db::Backup
