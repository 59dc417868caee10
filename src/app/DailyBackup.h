#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace app {

// The backup made at the first start of each day: backups/<yyyy-MM-dd>/ in the
// program folder, the seven newest days up to today kept.
namespace DailyBackup {

inline constexpr int DaysKept = 7;

QString folderOf(const QString &programFolder, const QDate &day);
// Whether the day has no backup yet.
bool isDue(const QString &programFolder, const QDate &day);
// Backs the program folder's databases (or its server's) up into the day's folder,
// unless it is there already, then removes the oldest day folders beyond the seven.
// Only folders this backup made are removed, with only the files it put there; a
// folder dated after `day` is kept and not counted. `backups/` is never followed
// when it is a link. Returns a sentence for the user about each folder dated after
// `day`. Throws base::Error naming the file or folder at fault.
QStringList run(const QString &programFolder, const QDate &day);

} // namespace DailyBackup
} // namespace app
