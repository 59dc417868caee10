#pragma once

#include <QString>

namespace db {

// The folder the program works in: its databases, settings and companion files. That
// is the executable's folder when it can be written (a build tree, a portable copy);
// for an installed program (and a copy that cannot be written) it is the user's own
// data folder, open to the user alone, which receives a copy of each delivered file on
// first start. Tests point it at a temporary folder.
class ProgramFolder
{
public:
    static QString path();
    static QString filePath(const QString &fileName);
    // Settles the folder for this run and, when it is the user's data folder, copies
    // into it each delivered file it lacks; a file already there is never replaced.
    // Throws base::FileError naming the folder or file that could not be made.
    static QString setUp();
    static void setOverride(const QString &folder);
    static void clearOverride();
};

// Connection strings the windows use. A folder holding Tallowmere.url gives that
// server's address for all three (one database holds every table); a damaged
// Tallowmere.url throws DbError naming it. Record forms use the upper-case keyword,
// document windows the mixed-case one; both name the same file.
namespace ConnectionStrings {
inline constexpr auto BusinessDatabaseFile = "Tallowmere.db";
inline constexpr auto RssDatabaseFile = "Rss.db";
QString recordForm(); // "PROVIDER=SQLite;Data Source=<folder>/Tallowmere.db;"
QString document();   // "Provider=SQLite;Data Source=<folder>/Tallowmere.db;"
QString rss();        // "Provider=SQLite;Data Source=<folder>/Rss.db;Persist Security Info=False"
} // namespace ConnectionStrings

} // namespace db
