#pragma once

#include <QStringList>

namespace app {

// The lines of a text file, read as UTF-8 or, when the bytes are not UTF-8, as
// Windows-1252 (files from older Windows programs). Lines end at CR LF, CR or LF; a
// line end at the end of the file does not start another line. Throws db::DbError
// naming the file when it cannot be read.
QStringList readTextFileLines(const QString &filePath);

// The same for bytes already read.
QStringList decodeTextLines(const QByteArray &bytes);

} // namespace app
