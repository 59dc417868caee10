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

// What a name typed by a person (a command's argument) stands for.
struct Named
{
    bool isServer = false;
    // A server's postgresql:// address, or the file's or folder's name exactly as typed.
    QString text;
};
// Reads a name that may be a server's: a postgresql:// address with or without spaces
// around it, or libpq's keyword form (host=office dbname=tallowmere user=ann), which
// becomes the postgresql:// address that means the same. Anything else names a file
// or folder. Throws DbError, never showing a password, for a keyword text libpq cannot
// read, for another kind of address (mysql://...) and for a text that holds what
// reads as a password but is no address. A file whose name starts with a word and
// '=' is named ./word=...
Named recognise(const QString &name);
// A server's address for a message, in the form it was typed: any password hidden, a
// long one cut.
QString shown(const QString &address);

} // namespace ServerAddress
} // namespace db
