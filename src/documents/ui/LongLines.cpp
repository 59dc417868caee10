#include "documents/ui/LongLines.h"

#include "documents/LineBreaks.h"

#include <QPlainTextEdit>

namespace documents {

namespace {
// Below this, looking for a word boundary costs nothing a person notices.
constexpr qsizetype LongestRunForWordWrap = 10000;
} // namespace

void fitWrappingToText(QPlainTextEdit *box, QStringView text)
{
    const QTextOption::WrapMode mode = longestUnbrokenRun(text) > LongestRunForWordWrap
                                           ? QTextOption::WrapAnywhere
                                           : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (box->wordWrapMode() != mode)
        box->setWordWrapMode(mode);
}

} // namespace documents
