#include "documents/MergeFieldInsertion.h"

#include <algorithm>

namespace documents {

QString insertMergeField(const QString &text, int selectionStart, int selectionLength, const QString &name)
{
    const qsizetype start = std::clamp<qsizetype>(selectionStart, 0, text.size());
    const qsizetype end = std::clamp<qsizetype>(start + std::max(selectionLength, 0), start, text.size());
    return QStringView(text).first(start) % u'[' % name % u']' % QStringView(text).sliced(end);
}

} // namespace documents
