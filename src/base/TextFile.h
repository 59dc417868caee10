#pragma once

#include <QStringList>

namespace base {

// The most a text file may hold unless its reader says otherwise: far more than any
// file the program reads, far less than would exhaust the memory.
inline constexpr qint64 DefaultMaxTextFileBytes = qint64(256) * 1024 * 1024;

// The bytes of a regular file, at most maxBytes of them. A FIFO, a device or a folder
// where the file should be is refused without waiting on it, and so is a larger file.
// Throws FileError naming the file and the reason.
QByteArray readFileBytes(const QString &filePath, qint64 maxBytes = DefaultMaxTextFileBytes);

// The lines of a text file (see decodeText). Lines end at CR LF, CR or LF; a line end
// at the end of the file does not start another line. Throws FileError naming the
// file when it cannot be read (see readFileBytes).
QStringList readTextFileLines(const QString &filePath, qint64 maxBytes = DefaultMaxTextFileBytes);

// The same for bytes already read.
QStringList decodeTextLines(const QByteArray &bytes);

// The text of bytes read from a file, line ends kept. A byte-order mark says UTF-16
// (little or big end first) or UTF-8 and is dropped. Otherwise each line is read on
// its own: as UTF-8 where it is valid UTF-8, else as Windows-1252 (lines from older
// Windows programs), so one such line does not spoil the others.
QString decodeText(const QByteArray &bytes);

// Each line in UTF-8 followed by CR LF.
QByteArray encodeCrLfLines(const QStringList &lines);

// Writes the bytes to a temporary file beside filePath and renames it over filePath,
// so a failed write leaves the old file whole. With ownerOnly the file is readable
// and writable by its owner alone. Throws FileError naming the file and the reason
// ("No space left on device", "File too large").
void writeFileAtomically(const QString &filePath, const QByteArray &bytes, bool ownerOnly = false);

// Removes what writes of filePath that were killed half-way left beside it (the
// temporary files writeFileAtomically renames). Returns how many were removed.
int removeAtomicWriteLeftovers(const QString &filePath);

// A write past the file-size limit (ulimit -f) then fails with "File too large" and is
// reported as any failed write, instead of the signal ending the process. Called once
// at start.
void reportWritesPastTheFileSizeLimit();

} // namespace base
