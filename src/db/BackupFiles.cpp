#include "db/BackupFiles.h"

#include "db/DbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db::BackupFiles {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// rename() that never replaces what is there. Filesystems without RENAME_NOREPLACE
// (some network shares) get a check just before: not atomic, but on such a share the
// folder's other users are the ones that can write it anyway.
int renameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    struct stat info = {};
    if (::lstat(to.constData(), &info) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from.constData(), to.constData());
}

// Removes the entries of a folder opened as `fd`, never following a link; then the
// folders themselves by their parent's descriptor.
void removeContents(int fd)
{
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        if (::unlinkat(fd, name, 0) == 0)
            continue;
        const int child = ::openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child >= 0) {
            removeContents(child);
            ::unlinkat(fd, name, AT_REMOVEDIR);
        }
    }
    ::closedir(dir);
}

// A working folder's descriptor, locked while its run lasts: another run can tell a
// folder a stopped run left behind (its lock went with its process) from one in use.
class WorkingFolderLock
{
public:
    explicit WorkingFolderLock(const QString &folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC))
    {
        m_held = m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
    }
    ~WorkingFolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    WorkingFolderLock(const WorkingFolderLock &) = delete;
    WorkingFolderLock &operator=(const WorkingFolderLock &) = delete;
    bool held() const { return m_held; }

private:
    int m_fd;
    bool m_held = false;
};

// Removes the working folders of `prefix` in `parent` that stopped runs of this user
// left: the run's own name form, a real folder (never a link), this user's, and locked
// by no run.
void removeStaleWorkingFolders(const QString &parent, const QString &prefix)
{
    constexpr qsizetype RandomPart = 6;
    const QStringList names = QDir(parent).entryList({prefix + QStringLiteral("*")},
                                                     QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QString path = QDir(parent).filePath(name);
        struct stat info = {};
        if (name.size() != prefix.size() + RandomPart || ::lstat(QFile::encodeName(path).constData(), &info) != 0
            || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
            continue;
        const WorkingFolderLock unused(path);
        if (unused.held())
            removePrivateFolder(path);
    }
}

} // namespace

QString makePrivateFolder(const QString &parent, const QString &prefix)
{
    QByteArray pattern = QFile::encodeName(QDir(parent).filePath(prefix)) + "XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        const int error = errno;
        throw DbError(
            QStringLiteral("No working folder can be made in %1: %2.").arg(shown(parent), systemReason(error)));
    }
    // mkdtemp's 0700 less the umask: exactly 0700, so that the run itself can work in it.
    const int fd = ::open(pattern.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 || ::fchmod(fd, S_IRWXU) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        ::rmdir(pattern.constData());
        throw DbError(
            QStringLiteral("No working folder can be made in %1: %2.").arg(shown(parent), systemReason(error)));
    }
    ::close(fd);
    return QFile::decodeName(pattern);
}

void moveWithoutReplacing(const QString &from, const QString &to)
{
    if (renameNoReplace(QFile::encodeName(from), QFile::encodeName(to)) == 0)
        return;
    const int error = errno;
    if (error == EEXIST || error == ENOTEMPTY)
        throw DbError(QStringLiteral("%1 exists already; it was left as it is.").arg(shown(to)));
    throw DbError(QStringLiteral("%1 could not be put in place: %2.").arg(shown(to), systemReason(error)));
}

bool moveIfFree(const QString &from, const QString &to)
{
    if (renameNoReplace(QFile::encodeName(from), QFile::encodeName(to)) == 0)
        return true;
    const int error = errno;
    if (error == EEXIST || error == ENOTEMPTY)
        return false;
    throw DbError(QStringLiteral("%1 could not be put in place: %2.").arg(shown(to), systemReason(error)));
}

bool nameTaken(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

bool belongsToAnotherUser(const QString &path)
{
    const uid_t self = ::geteuid();
    if (self == 0)
        return false;
    const auto foreign = [self](uid_t owner) { return owner != self && owner != 0; };
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::lstat(name.constData(), &info) == 0 && foreign(info.st_uid))
        return true;
    return ::stat(name.constData(), &info) == 0 && foreign(info.st_uid);
}

void removePrivateFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    removeContents(fd);
    ::rmdir(name.constData());
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void refuseExisting(const QString &databaseFile)
{
    if (nameTaken(databaseFile))
        throw DbError(QStringLiteral("The database %1 exists already; it was left as it is.").arg(shown(databaseFile)));
}

bool sameFolder(const QString &one, const QString &other)
{
    const QString a = QFileInfo(one).canonicalFilePath();
    return !a.isEmpty() && a == QFileInfo(other).canonicalFilePath();
}

void buildThenMove(const QString &folder, const QString &workingPrefix, const QStringList &names,
                   const std::function<void(const QString &workingFolder)> &build)
{
    const QFileInfo place(folder);
    const QString path = place.absoluteFilePath();
    const bool newFolder = !nameTaken(path);
    const QString parent = newFolder ? place.absolutePath() : path;
    if (newFolder && !QDir().mkpath(parent))
        throw DbError(QStringLiteral("The folder %1 cannot be created.").arg(shown(parent)));
    removeStaleWorkingFolders(parent, workingPrefix);
    const QString working = makePrivateFolder(parent, workingPrefix);
    const WorkingFolderLock inUse(working);
    const QDir made(working);
    const QDir target(path);
    try {
        build(working);
        syncFolder(working);
        if (newFolder) {
            moveWithoutReplacing(working, path);
        } else {
            QStringList moved;
            try {
                for (const QString &name : names) {
                    moveWithoutReplacing(made.filePath(name), target.filePath(name));
                    moved << name;
                }
            } catch (...) {
                // Ours: this run put them there a moment ago, under names nothing held.
                for (const QString &name : std::as_const(moved))
                    moveIfFree(target.filePath(name), made.filePath(name));
                throw;
            }
            removePrivateFolder(working);
        }
        syncFolder(parent);
    } catch (...) {
        removePrivateFolder(working);
        throw;
    }
}

Owner ownerFor(const QString &folder)
{
    struct stat info = {};
    if (::geteuid() != 0 || ::stat(QFile::encodeName(folder).constData(), &info) != 0 || info.st_uid == 0)
        return {};
    return {true, info.st_uid, info.st_gid};
}

void giveTo(const QString &path, const Owner &owner)
{
    if (!owner.change)
        return;
    if (::lchown(QFile::encodeName(path).constData(), owner.user, owner.group) != 0) {
        const int error = errno;
        throw DbError(QStringLiteral("%1 cannot be given to the folder's owner (user %2): %3; nothing was changed.")
                          .arg(shown(path))
                          .arg(owner.user)
                          .arg(systemReason(error)));
    }
}

} // namespace db::BackupFiles
