#include "rss/ShownValue.h"

namespace rss {

namespace {

// A cut never splits a character written as two UTF-16 units.
qsizetype startOfCharacter(QStringView text, qsizetype at)
{
    return at > 0 && at < text.size() && text[at].isLowSurrogate() ? at - 1 : at;
}

} // namespace

QString shownValue(QStringView value, qsizetype limit)
{
    QString shown;
    if (value.size() <= limit) {
        shown = value.toString();
    } else {
        // The end of an address or a path tells as much as its start.
        const qsizetype head = startOfCharacter(value, limit * 2 / 3);
        const qsizetype tail = startOfCharacter(value, value.size() - (limit - head - 1));
        shown = value.first(head) + QChar(0x2026) + value.sliced(tail);
    }
    for (QChar &c : shown) {
        if (c == u'\r' || c == u'\n')
            c = u' ';
    }
    return shown;
}

} // namespace rss
