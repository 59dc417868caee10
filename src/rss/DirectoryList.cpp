#include "rss/DirectoryList.h"

#include "base/Error.h"
#include "base/TextFile.h"
#include "db/ProgramFolder.h"

#include <QRegularExpression>

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
            qsizetype end = i + 1;
            while (end < size && text[end] != u'"' && text[end] != u'\r' && text[end] != u'\n')
                ++end;
            entry = text.mid(i + 1, end - i - 1);
            i = end < size && text[end] == u'"' ? end + 1 : end;
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
    // A list of addresses: a few kilobytes; anything near this limit is no such list.
    constexpr qint64 MaxBytes = 4 * 1024 * 1024;
    try {
        return parseListInput(base::decodeText(
            base::readFileBytes(db::ProgramFolder::filePath(QStringLiteral("urlNames.txt")), MaxBytes)));
    } catch (const base::FileError &) {
        return {};
    }
}

QUrl directoryPage(const QString &entry)
{
    static const QRegularExpression namesScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    const QString address = entry.trimmed();
    if (address.isEmpty())
        return {};
    // Without "://" a colon can only belong to a host's port: "javascript:..." or
    // "data:..." then is no valid host and is refused below.
    const QUrl url(namesScheme.match(address).hasMatch() ? address : QStringLiteral("http://") + address,
                   QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return {};
    return url;
}

} // namespace rss
