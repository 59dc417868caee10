#include "db/sqlite/TextCollation.h"

#include <QString>

#include <sqlite3.h>

namespace db {

namespace {

int asciiLower(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

int collate(void *, int aLength, const void *a, int bLength, const void *b)
{
    return compareIgnoringCase(static_cast<const char *>(a), aLength, static_cast<const char *>(b), bLength);
}

} // namespace

int compareIgnoringCase(const char *a, int aLength, const char *b, int bLength)
{
    // Most names are ASCII: compare those bytes directly and hand the rest to Qt's
    // Unicode case folding as soon as either side leaves ASCII.
    const int common = aLength < bLength ? aLength : bLength;
    for (int i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x80 || cb >= 0x80) {
            const QString left = QString::fromUtf8(a + i, aLength - i);
            const QString right = QString::fromUtf8(b + i, bLength - i);
            return left.compare(right, Qt::CaseInsensitive);
        }
        const int diff = asciiLower(ca) - asciiLower(cb);
        if (diff != 0)
            return diff;
    }
    return aLength - bLength;
}

void installCaseInsensitiveCollation(sqlite3 *db)
{
    sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, collate, nullptr);
}

} // namespace db
