#pragma once

#include <QString>
#include <QStringList>

namespace db {
class Connection;
}

namespace app {

// A template button's caption: the name in lower case with its first character upper-cased.
QString templateCaption(const QString &reportName);

// The name a text file is stored under: the file's name with every ".txt" removed
// (case matters: ".TXT" stays), in lower case.
QString templateNameForFile(const QString &filePath);

// The template text of a file's lines: each line with its spaces trimmed, after a CR LF.
QString templateTextFromLines(const QStringList &lines);

// Adds a template row. Throws db::DbError.
void storeTemplate(db::Connection &connection, const QString &name, const QString &text);

// Stores a text file as a template, under templateNameForFile()'s name, through a
// connection of its own. Throws base::FileError naming the file, and db::DbError.
void storeTemplateFile(const QString &filePath);

} // namespace app
