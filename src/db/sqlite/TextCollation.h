#pragma once

#include <QString>

struct sqlite3;

namespace db {

// Text columns compare without regard to case for every letter ('ÉTÉ' equals 'été'),
// not only for ASCII as SQLite's own NOCASE does; this replaces NOCASE on a connection.
void installCaseInsensitiveCollation(sqlite3 *db);

// Compares two UTF-8 texts ignoring case: <0, 0 or >0.
int compareIgnoringCase(const char *a, int aLength, const char *b, int bLength);

} // namespace db
