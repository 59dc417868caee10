#pragma once

#include <QString>

struct sqlite3;

namespace db {

// Text columns compare without regard to case for every letter ('ÉTÉ' equals 'été'),
// not only for ASCII as SQLite's own NOCASE does; this replaces NOCASE on a connection.
void installCaseInsensitiveCollation(sqlite3 *db);

// Compares two UTF-8 texts ignoring case: <0, 0 or >0.
int compareIgnoringCase(const char *a, int aLength, const char *b, int bLength);

// The text as a search by name matches it, looser than the columns compare: without
// case, accents or letter variants ("Café" gives "cafe", "Straße" "strasse", "Ærø"
// "aero"). A search holds when the folded name contains the folded text; the same on
// every engine, as the program folds and not the database.
QString foldedForSearch(const QString &text);

} // namespace db
