#pragma once

#include <QString>

namespace documents {

// Stored and printed texts end their lines with CR LF; text boxes work with LF alone.
QString withDisplayLineBreaks(const QString &text);
QString withStoredLineBreaks(const QString &text);

// The length of the longest run of characters without a space or a line break: a text
// box that looks for a word boundary to wrap such a run at spends time that grows with
// the square of its length.
qsizetype longestUnbrokenRun(QStringView text);

} // namespace documents
