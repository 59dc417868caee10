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

// The longest start of `text` ending at a word's end that, with "…", `fits`; empty when
// not even one word does.
QString cutAtWord(const QString &text, const std::function<bool(const QString &cut)> &fits)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QString best;
    QRegularExpressionMatchIterator gaps = space.globalMatch(text);
    while (true) {
        const bool more = gaps.hasNext();
        const qsizetype end = more ? gaps.next().capturedStart() : text.size();
        const QString candidate = text.left(end).trimmed();
        if (!candidate.isEmpty() && !fits(candidate + Ellipsis))
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
    return composePost(item, limits.maxCharacters,
                       [&limits](const QString &text) { return countedLength(text, limits); })
        .text;
}

ComposedPost composePost(const RssItem &item, int maxLength, const PostLength &length)
{
    const QString link = item.link.trimmed();
    QString title = item.title.simplified();
    const QString tail = link.isEmpty() ? QString() : Gap + link;
    // Whole texts are measured, never parts added up: a measure need not be additive.
    if (length(title + tail) > maxLength)
        title = cutAtWord(title, [&](const QString &cut) { return length(cut + tail) <= maxLength; });
    const QString head = title.isEmpty() ? link : title + tail;
    ComposedPost post{head, link.isEmpty() ? -1 : head.size() - link.size(), link.size()};
    const QString description = item.description.trimmed();
    if (description.isEmpty())
        return post;
    if (length(head + Gap + description) <= maxLength) {
        post.text = head + Gap + description;
        return post;
    }
    const QString cut
        = cutAtWord(description, [&](const QString &candidate) { return length(head + Gap + candidate) <= maxLength; });
    if (!cut.isEmpty())
        post.text = head + Gap + cut;
    return post;
}

} // namespace rss::fediverse
