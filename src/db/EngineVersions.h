#pragma once

#include <QString>

namespace db {

// The version of the SQLite library the program runs on (not the one it was built
// against), for the About box.
QString sqliteVersion();

} // namespace db
