#pragma once

#include <QString>

namespace db {

// A text from an engine or a file, cut for a message: engines quote whole statements
// and values, and a line of megabytes would make a message box taller than the screen.
inline QString cutForMessage(QString text)
{
    constexpr qsizetype Longest = 300;
    if (text.size() > Longest) {
        text.truncate(Longest);
        text += QStringLiteral("...");
    }
    return text;
}

} // namespace db
