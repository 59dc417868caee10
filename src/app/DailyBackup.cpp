#include "app/DailyBackup.h"

#include "db/Backup.h"
#include "db/DbError.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>

namespace app::DailyBackup {

namespace {

constexpr auto DayFormat = "yyyy-MM-dd";

QString backupsOf(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("backups"));
}

// Only folders named for a day are the program's to remove; anything else there is the user's.
void removeOldDays(const QString &backups)
{
    QStringList days;
    for (const QString &name : QDir(backups).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (name.size() == 10 && QDate::fromString(name, QLatin1String(DayFormat)).isValid())
            days << name;
    }
    std::sort(days.begin(), days.end(), std::greater<>());
    for (qsizetype i = DaysKept; i < days.size(); ++i)
        QDir(QDir(backups).filePath(days[i])).removeRecursively();
}

} // namespace

QString folderOf(const QString &programFolder, const QDate &day)
{
    return QDir(backupsOf(programFolder)).filePath(day.toString(QLatin1String(DayFormat)));
}

bool isDue(const QString &programFolder, const QDate &day)
{
    return !QFileInfo::exists(folderOf(programFolder, day));
}

void run(const QString &programFolder, const QDate &day)
{
    if (!isDue(programFolder, day))
        return;
    const QString backups = backupsOf(programFolder);
    if (!QFileInfo::exists(backups)) {
        if (!QDir().mkpath(backups)) {
            throw db::DbError(
                QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(backups)));
        }
        ::chmod(QFile::encodeName(backups).constData(), S_IRWXU);
    }
    db::Backup::write(programFolder, folderOf(programFolder, day));
    removeOldDays(backups);
}

} // namespace app::DailyBackup
