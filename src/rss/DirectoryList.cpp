#include "rss/DirectoryList.h"

#include "base/TextFile.h"
#include "db/ProgramFolder.h"

#include <QFile>

namespace rss {

namespace {

bool endsEntry(QChar c)
{
    return c == u',' || c == u'\r' || c == u'\n';
}

} // namespace

QStringList parseListInput(const QString &text)
{
    QStringList entries;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        while (i < size && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
        QString entry;
        if (i < size && text[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? size : close;
            entry = text.mid(i + 1, end - i - 1);
            i = end + 1;
            // Anything between the closing quote and the separator is not part of the entry.
            while (i < size && !endsEntry(text[i]))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < size && !endsEntry(text[i]))
                ++i;
            entry = text.mid(start, i - start).trimmed();
        }
        if (i < size)
            ++i; // the separator
        if (!entry.isEmpty())
            entries << entry;
    }
    return entries;
}

QStringList readDirectoryList()
{
    QFile file(db::ProgramFolder::filePath(QStringLiteral("urlNames.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseListInput(base::decodeText(file.readAll()));
}

} // namespace rss
