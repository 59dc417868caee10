#pragma once

#include <QString>

namespace documents {

// The text with "[name]" in place of the selection that starts at selectionStart and
// is selectionLength long (at the caret when the length is 0).
QString insertMergeField(const QString &text, int selectionStart, int selectionLength, const QString &name);

} // namespace documents
