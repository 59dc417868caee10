#pragma once

#include <QDate>
#include <QString>

namespace app {

// The backup made at the first start of each day: backups/<yyyy-MM-dd>/ in the
// program folder, the seven newest days kept.
namespace DailyBackup {

inline constexpr int DaysKept = 7;

QString folderOf(const QString &programFolder, const QDate &day);
// Whether the day has no backup yet.
bool isDue(const QString &programFolder, const QDate &day);
// Backs the program folder's databases (or its server's) up into the day's folder,
// unless it is there already, then removes the oldest day folders beyond the seven.
// Throws base::Error naming the file or folder at fault.
void run(const QString &programFolder, const QDate &day);

} // namespace DailyBackup
} // namespace app
