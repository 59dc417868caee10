#pragma once

#include <QString>

namespace db {

// The text without the spaces at its start and end; tabs and other white space stay
// (a tab at a line's start is part of a document's layout).
QString trimSpaces(const QString &text);

} // namespace db
