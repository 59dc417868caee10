#pragma once

#include <QStringList>
#include <QUrl>

namespace rss {

// The entries of a text in list-input form: entries end at a comma or a line end;
// an entry may stand in double quotes, which are dropped, and a comma inside the
// quotes belongs to it. A quote left open ends with its line, so one stray quote
// does not swallow the rest of the file. Blanks around an entry are dropped.
QStringList parseListInput(const QString &text);

// The feed-directory pages listed in urlNames.txt in the program folder; an empty
// list when the file is missing or cannot be read.
QStringList readDirectoryList();

// The web page an entry of the list opens: http or https only ("http://" goes in
// front of an entry that names no scheme). An empty address for anything else
// (javascript:, file:, data: ...), which is not opened.
QUrl directoryPage(const QString &entry);

} // namespace rss
