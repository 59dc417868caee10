#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace app {

// Writes every business, in key order, to `filePath` as CSV: UTF-8 with a byte-order
// mark, so that spreadsheet programs read the accents, a header row of column names.
// The file is replaced only once it is complete. Throws base::FileError naming the
// file, and DbError.
void exportBusinesses(db::Connection &connection, const QString &filePath);

} // namespace app
