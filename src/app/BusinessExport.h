#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace app {

// Writes every business, in key order, to `filePath` as CSV: UTF-8 with a byte-order
// mark, so that spreadsheet programs read the accents, a header row of column names.
// A text that a spreadsheet would run as a formula (=, +, -, @, TAB or CR first) is
// written with a leading apostrophe, so that it opens as the text it is.
// The file is replaced only once it is complete. Returns how many businesses were
// written. Throws base::FileError naming the file, and DbError.
qsizetype exportBusinesses(db::Connection &connection, const QString &filePath);
// The same through a connection of its own to the business database.
qsizetype exportBusinesses(const QString &filePath);

} // namespace app
