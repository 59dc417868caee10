#pragma once

#include <QStringList>

namespace rss {

// The entries of a text in list-input form: entries end at a comma or a line end;
// an entry may stand in double quotes, which are dropped, and a comma or line end
// inside the quotes belongs to it. Blanks around an entry are dropped.
QStringList parseListInput(const QString &text);

// The feed-directory pages listed in urlNames.txt in the program folder; an empty
// list when the file is missing or cannot be read.
QStringList readDirectoryList();

} // namespace rss
