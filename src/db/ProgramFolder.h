#pragma once

#include <QString>

namespace db {

// The folder of the executable, where the databases and settings files live.
// Tests point it at a temporary folder.
class ProgramFolder
{
public:
    static QString path();
    static QString filePath(const QString &fileName);
    static void setOverride(const QString &folder);
    static void clearOverride();
};

// Connection strings the windows use. Record forms use the upper-case keyword,
// document windows the mixed-case one; both name the same file.
namespace ConnectionStrings {
inline constexpr auto BusinessDatabaseFile = "Tallowmere.db";
inline constexpr auto RssDatabaseFile = "Rss.db";
QString recordForm();   // "PROVIDER=SQLite;Data Source=<folder>/Tallowmere.db;"
QString document();     // "Provider=SQLite;Data Source=<folder>/Tallowmere.db;"
QString rss();          // "Provider=SQLite;Data Source=<folder>/Rss.db;Persist Security Info=False"
} // namespace ConnectionStrings

} // namespace db
