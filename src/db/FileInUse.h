#pragma once

#include <QString>

namespace db {

// Whether a process other than this one holds the file open, as far as this user may
// see (every process for root). A database in rollback-journal mode holds no lock
// while it is idle, so only the open descriptors tell that a program uses it.
bool isOpenInAnotherProcess(const QString &filePath);

} // namespace db
