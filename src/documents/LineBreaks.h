#pragma once

#include <QString>

namespace documents {

// Stored and printed texts end their lines with CR LF; text boxes work with LF alone.
QString withDisplayLineBreaks(const QString &text);
QString withStoredLineBreaks(const QString &text);

} // namespace documents
