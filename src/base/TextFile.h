#pragma once

#include <QStringList>

namespace base {

// The lines of a text file, read as UTF-8 or, when the bytes are not UTF-8, as
// Windows-1252 (files from older Windows programs). Lines end at CR LF, CR or LF; a
// line end at the end of the file does not start another line. Throws FileError
// naming the file when it cannot be read.
QStringList readTextFileLines(const QString &filePath);

// The same for bytes already read.
QStringList decodeTextLines(const QByteArray &bytes);

// The text of bytes read from a file: UTF-8 (a leading byte-order mark dropped) or
// Windows-1252.
QString decodeText(const QByteArray &bytes);

// Each line in UTF-8 followed by CR LF.
QByteArray encodeCrLfLines(const QStringList &lines);

// Writes the bytes to a temporary file beside filePath and renames it over filePath,
// so a failed write leaves the old file whole. With ownerOnly the file is readable
// and writable by its owner alone. Throws FileError naming the file and the reason.
void writeFileAtomically(const QString &filePath, const QByteArray &bytes, bool ownerOnly = false);

} // namespace base
