#pragma once

#include <QString>

namespace db {

// A shared office database: a program folder holding Tallowmere.url keeps all its
// data on the PostgreSQL server whose address is the file's first line, instead of in
// Tallowmere.db and Rss.db.
namespace ServerAddress {

inline constexpr auto FileName = "Tallowmere.url";

// The server address of the folder, or an empty text when the folder has no
// Tallowmere.url. Throws DbError naming the file when it cannot be read or its first
// line is not a PostgreSQL address.
QString ofFolder(const QString &folder);
// Whether the text is a server's address rather than a file's name.
bool isAddress(const QString &text);
// Starts opening a session to the server while the window that needs it is built.
void openAhead(const QString &address);

} // namespace ServerAddress
} // namespace db
