#pragma once

// Shared by the publishing tests: the RSS items of a temporary program folder.
#include "support/TempFolder.h"

#include <QFile>
#include <QStringList>

namespace rss_testing {

// Runs statements on the folder's RSS items, on either engine.
inline void execRss(const testing_support::TempProgramFolder &folder, const QString &sql)
{
    testing_support::execOn(folder.rssConnectionString(), sql);
}

// Every row of a query on the folder's RSS items, as testing_support::rowsOf gives them.
inline QStringList rssRows(const testing_support::TempProgramFolder &folder, const QString &sql)
{
    return testing_support::rowsOf(folder.rssConnectionString(), sql);
}

// Makes the items table refuse to store an item titled `title`, added or changed: a
// trigger on a file, a constraint on a server (whose triggers need a function).
inline void refuseTitle(const testing_support::TempProgramFolder &folder, const QString &title)
{
    if (testing_support::onServerEngine()) {
        execRss(folder, QStringLiteral("ALTER TABLE Tbl_Rss_Feed_Items ADD CONSTRAINT refused "
                                       "CHECK (RssFeedItemTitle <> '%1')")
                            .arg(title));
        return;
    }
    for (const char *event : {"INSERT", "UPDATE"})
        execRss(folder, QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON Tbl_Rss_Feed_Items "
                                       "WHEN NEW.RssFeedItemTitle = '%2' BEGIN SELECT RAISE(ABORT, 'refused'); END;")
                            .arg(QLatin1String(event), title));
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace rss_testing
