#include "db/EngineVersions.h"

#include <sqlite3.h>

namespace db {

QString sqliteVersion()
{
    return QString::fromLatin1(sqlite3_libversion());
}

} // namespace db
