#include "documents/ui/LongLines.h"

#include "documents/LineBreaks.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

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

void watchForLongLines(QPlainTextEdit *box)
{
    // The document tells of a change before its layout runs.
    QObject::connect(box->document(), &QTextDocument::contentsChange, box, [box](int from, int, int added) {
        if (added <= LongestRunForWordWrap || box->wordWrapMode() == QTextOption::WrapAnywhere)
            return;
        QTextCursor inserted(box->document());
        inserted.setPosition(from);
        inserted.setPosition(from + added, QTextCursor::KeepAnchor);
        if (longestUnbrokenRun(inserted.selectedText()) > LongestRunForWordWrap)
            box->setWordWrapMode(QTextOption::WrapAnywhere);
    });
}

} // namespace documents
