#include "app/DailyBackup.h"

#include "base/Descriptor.h"
#include "db/Backup.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app::DailyBackup {

namespace {

using base::Descriptor;

constexpr auto DayFormat = "yyyy-MM-dd";
// Put in each day folder the backup makes: the only folders it ever removes.
constexpr auto MadeHereMark = ".tallowmere-daily-backup";

QString backupsOf(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("backups"));
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QDate dayOf(const QString &name)
{
    return name.size() == 10 ? QDate::fromString(name, QLatin1String(DayFormat)) : QDate();
}

// backups/ as a folder of this user's own, made when missing; never a link's target
// (a link there may lead to any folder of the user's, whose date-named folders are
// not backups).
void requireOwnFolder(const QString &backups)
{
    const QByteArray path = QFile::encodeName(backups);
    if (::mkdir(path.constData(), S_IRWXU) == 0)
        ::chmod(path.constData(), S_IRWXU);
    else if (errno != EEXIST)
        throw db::DbError(QCoreApplication::translate("app::DailyBackup", "The folder %1 cannot be created: %2.")
                              .arg(shown(backups), QString::fromLocal8Bit(std::strerror(errno))));
    struct stat info = {};
    if (::lstat(path.constData(), &info) != 0)
        throw db::DbError(
            QCoreApplication::translate("app::DailyBackup", "The folder %1 cannot be read.").arg(shown(backups)));
    if (S_ISLNK(info.st_mode))
        throw db::DbError(
            QCoreApplication::translate("app::DailyBackup",
                                        "%1 is a link; the daily backup goes only into a folder of its own there. "
                                        "Replace the link by a folder.")
                .arg(shown(backups)));
    if (!S_ISDIR(info.st_mode))
        throw db::DbError(QCoreApplication::translate(
                              "app::DailyBackup", "%1 is not a folder; the daily backup needs a folder of that name.")
                              .arg(shown(backups)));
    if (info.st_uid != ::geteuid())
        throw db::DbError(
            QCoreApplication::translate("app::DailyBackup",
                                        "The folder %1 belongs to another user; the daily backup goes only into a "
                                        "folder of your own.")
                .arg(shown(backups)));
}

bool isRegularFile(int folder, const char *name)
{
    struct stat info = {};
    return ::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode);
}

// Removes a day folder the backup made: the files it put there, the mark last (so that
// a stopped removal is taken up again), then the folder when nothing else is in it.
void removeDay(int backups, const QByteArray &name)
{
    const Descriptor day(::openat(backups, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info = {};
    if (day.get() < 0 || ::fstat(day.get(), &info) != 0 || info.st_uid != ::geteuid()
        || !isRegularFile(day.get(), MadeHereMark))
        return;
    for (const char *file : {db::ConnectionStrings::BusinessDatabaseFile, db::ConnectionStrings::RssDatabaseFile}) {
        if (isRegularFile(day.get(), file))
            ::unlinkat(day.get(), file, 0);
    }
    ::unlinkat(day.get(), MadeHereMark, 0);
    ::unlinkat(backups, name.constData(), AT_REMOVEDIR); // fails, and keeps it, when anything else is there
}

// The day folders the backup made, newest first.
QStringList daysMade(int backups)
{
    QStringList days;
    const int listing = ::dup(backups);
    DIR *dir = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return days;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (!dayOf(name).isValid())
            continue;
        const Descriptor day(::openat(backups, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (day.get() >= 0 && isRegularFile(day.get(), MadeHereMark))
            days << name;
    }
    ::closedir(dir);
    std::sort(days.begin(), days.end(), std::greater<>());
    return days;
}

// Keeps the seven newest days up to today (today's always among them); a day after
// today is the clock's mistake, kept and named, never counted against today's.
QStringList removeOldDays(const QString &backupsPath, const QDate &today)
{
    const Descriptor backups(
        ::open(QFile::encodeName(backupsPath).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (backups.get() < 0)
        return {};
    QStringList future;
    int kept = 0;
    for (const QString &name : daysMade(backups.get())) {
        const QDate day = dayOf(name);
        if (day > today) {
            future << QCoreApplication::translate(
                          "app::DailyBackup",
                          "The backup folder %1 is dated after today (%2); it was kept and is not counted "
                          "among the %3 days kept. The computer's clock may have been wrong when it was made.")
                          .arg(shown(QDir(backupsPath).filePath(name)), today.toString(QLatin1String(DayFormat)))
                          .arg(DaysKept);
        } else if (day == today || kept < DaysKept) {
            ++kept;
        } else {
            removeDay(backups.get(), QFile::encodeName(name));
        }
    }
    return future;
}

void markAsMadeHere(const QString &dayFolder)
{
    const QByteArray mark = QFile::encodeName(QDir(dayFolder).filePath(QLatin1String(MadeHereMark)));
    const int fd = ::open(mark.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        throw db::DbError(QCoreApplication::translate(
                              "app::DailyBackup", "The backup %1 was made but cannot be marked as the program's: %2.")
                              .arg(shown(dayFolder), QString::fromLocal8Bit(std::strerror(errno))));
    ::close(fd);
}

} // namespace

QString folderOf(const QString &programFolder, const QDate &day)
{
    return QDir(backupsOf(programFolder)).filePath(day.toString(QLatin1String(DayFormat)));
}

bool isDue(const QString &programFolder, const QDate &day)
{
    struct stat info = {};
    // Behind a link nothing counts: the run says why no backup is made.
    if (::lstat(QFile::encodeName(backupsOf(programFolder)).constData(), &info) == 0 && !S_ISDIR(info.st_mode))
        return true;
    return ::lstat(QFile::encodeName(folderOf(programFolder, day)).constData(), &info) != 0;
}

QStringList run(const QString &programFolder, const QDate &day)
{
    if (!isDue(programFolder, day))
        return {};
    const QString backups = backupsOf(programFolder);
    requireOwnFolder(backups);
    const QString folder = folderOf(programFolder, day);
    db::Backup::write(programFolder, folder);
    markAsMadeHere(folder);
    return removeOldDays(backups, day);
}

} // namespace app::DailyBackup
