#include "db/sqlite/FolderRestore.h"

#include "db/Backup.h"

#include "db/BackupCheck.h"
#include "db/BackupFiles.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/sqlite/FileBackup.h"
#include "db/sqlite/FileStorage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// In a program folder while a restore puts its databases in place: the name of the
// working folder that holds the backup's copies and the databases set aside.
constexpr auto RestoreJournalName = ".tallowmere-restore";
constexpr auto PreviousPrefix = "previous-";

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
    removeCompanionFiles(file);
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
    if (!name.startsWith(QLatin1String(RestoreWorkingPrefix)) || name.contains(u'/')
        || ::lstat(QFile::encodeName(QDir(plan.target).filePath(name)).constData(), &folder) != 0
        || !S_ISDIR(folder.st_mode) || !ownedHere(folder.st_uid))
        throw foreign();
    plan.staging = QDir(plan.target).filePath(name);
    const JournalLock notRunning(plan);
    return plan;
}

void restoreIntoFolder(const QString &folder, const QString &target, const std::function<void()> &afterEachMove)
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
        ::chmod(QFile::encodeName(target).constData(), S_IRWXU);
        for (const QString &made : std::as_const(missing))
            BackupFiles::giveTo(made, owner);
    }
    if (BackupFiles::sameFolder(folder, target))
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
                     BackupFiles::makePrivateFolder(target, QLatin1String(RestoreWorkingPrefix))};
    std::optional<JournalLock> lock;
    try {
        BackupFiles::giveTo(plan.staging, owner);
        copyAndCheckBackup(folder, plan.staging);
        for (const QString &name : databaseNames())
            BackupFiles::giveTo(plan.restored(name), owner);
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

} // namespace

void FolderRestore::restore(const QString &folder, const QString &target, const std::function<void()> &afterEachMove)
{
    restoreIntoFolder(folder, target, afterEachMove);
}

// A stopped restore is one into a program folder: the file engine's to settle.
QString Backup::interruptedRestore(const QString &programFolder)
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

void Backup::finishRestore(const QString &programFolder)
{
    const std::optional<RestorePlan> plan = pendingRestore(programFolder);
    if (!plan)
        throw DbError(QStringLiteral("No restore into %1 waits to be finished.").arg(shown(programFolder)));
    const JournalLock lock(*plan);
    for (const QString &name : databaseNames())
        refuseWhileOpen(plan->live(name));
    rollForward(*plan);
}

void Backup::undoRestore(const QString &programFolder)
{
    const std::optional<RestorePlan> plan = pendingRestore(programFolder);
    if (!plan)
        throw DbError(QStringLiteral("No restore into %1 waits to be undone.").arg(shown(programFolder)));
    const JournalLock lock(*plan);
    for (const QString &name : databaseNames())
        refuseWhileOpen(plan->live(name));
    rollBack(*plan);
}

} // namespace db
