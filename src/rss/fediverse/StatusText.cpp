#include "rss/fediverse/StatusText.h"

#include <QRegularExpression>

namespace rss::fediverse {

namespace {

const QString Ellipsis = QStringLiteral("\u2026");
const QString Gap = QStringLiteral("\n\n");

int codePoints(QStringView text)
{
    int count = 0;
    for (const QChar c : text)
        count += c.isLowSurrogate() ? 0 : 1;
    return count;
}

// The longest start of `text` ending at a word's end whose length with "…" is at most
// `room`; empty when not even one word fits.
QString cutAtWord(const QString &text, int room, const PostLength &length)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QString best;
    QRegularExpressionMatchIterator gaps = space.globalMatch(text);
    while (true) {
        const bool more = gaps.hasNext();
        const qsizetype end = more ? gaps.next().capturedStart() : text.size();
        const QString candidate = text.left(end).trimmed();
        if (!candidate.isEmpty() && length(candidate + Ellipsis) > room)
            break;
        if (!candidate.isEmpty())
            best = candidate + Ellipsis;
        if (!more)
            break;
    }
    return best;
}

} // namespace

int countedLength(const QString &text, const StatusLimits &limits)
{
    static const QRegularExpression address(QStringLiteral("https?://\\S+"), QRegularExpression::CaseInsensitiveOption);
    int length = 0;
    qsizetype from = 0;
    QRegularExpressionMatchIterator addresses = address.globalMatch(text);
    while (addresses.hasNext()) {
        const QRegularExpressionMatch match = addresses.next();
        length += codePoints(QStringView(text).mid(from, match.capturedStart() - from)) + limits.charactersPerUrl;
        from = match.capturedEnd();
    }
    return length + codePoints(QStringView(text).mid(from));
}

QString statusText(const RssItem &item, const StatusLimits &limits)
{
    return composePost(item, limits.maxCharacters, [&limits](const QString &text) {
               return countedLength(text, limits);
           }).text;
}

ComposedPost composePost(const RssItem &item, int maxLength, const PostLength &length)
{
    const QString link = item.link.trimmed();
    QString title = item.title.simplified();
    const QString tail = link.isEmpty() ? QString() : Gap + link;
    const int tailLength = length(tail);
    if (length(title) + tailLength > maxLength)
        title = cutAtWord(title, maxLength - tailLength, length);
    const QString head = title.isEmpty() ? link : title + tail;
    ComposedPost post{head, link.isEmpty() ? -1 : head.size() - link.size(), link.size()};
    const QString description = item.description.trimmed();
    if (description.isEmpty())
        return post;
    const int room = maxLength - length(head + Gap);
    if (length(description) <= room) {
        post.text = head + Gap + description;
        return post;
    }
    const QString cut = cutAtWord(description, room, length);
    if (!cut.isEmpty())
        post.text = head + Gap + cut;
    return post;
}

} // namespace rss::fediverse
