#pragma once

#include <QString>
#include <QStringView>

namespace rss {

// What a message shows of a value that a person or a peer chose (an address, a file
// name, a server's text): the value itself when it is short, otherwise its start and
// its end around an ellipsis, so that a huge value cannot make a huge message.
// Line breaks show as spaces, so the value stays on its line.
QString shownValue(QStringView value, qsizetype limit = 200);

} // namespace rss
