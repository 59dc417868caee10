#include "rss/bluesky/PostRecord.h"

#include "rss/fediverse/StatusText.h"

#include <QJsonArray>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace rss::bluesky {

namespace {

const QString LinkFacet = QStringLiteral("app.bsky.richtext.facet#link");

bool isWebAddress(const QString &link)
{
    return link.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)
           || link.startsWith(QLatin1String("http://"), Qt::CaseInsensitive);
}

} // namespace

int graphemeCount(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

int postLength(const QString &text)
{
    constexpr int BytesPerGrapheme = MaxBytes / MaxGraphemes;
    const auto bytes = text.toUtf8().size();
    return std::max(graphemeCount(text), int((bytes + BytesPerGrapheme - 1) / BytesPerGrapheme));
}

PostText postText(const RssItem &item)
{
    const fediverse::ComposedPost composed = fediverse::composePost(item, MaxGraphemes, postLength);
    PostText post{composed.text, QString(), -1, -1};
    if (composed.linkStart < 0)
        return post;
    post.link = composed.text.mid(composed.linkStart, composed.linkLength);
    // Facets count bytes of the UTF-8 text, not characters.
    post.byteStart = composed.text.left(composed.linkStart).toUtf8().size();
    post.byteEnd = post.byteStart + post.link.toUtf8().size();
    return post;
}

QJsonObject postRecord(const PostText &post, const QDateTime &createdAt)
{
    QJsonObject record{{QStringLiteral("$type"), QStringLiteral("app.bsky.feed.post")},
                       {QStringLiteral("text"), post.text},
                       {QStringLiteral("createdAt"), createdAt.toUTC().toString(Qt::ISODateWithMs)}};
    // Only a web address can be a link's target; anything else stays plain text.
    if (post.byteStart >= 0 && isWebAddress(post.link)) {
        const QJsonObject index{{QStringLiteral("byteStart"), post.byteStart},
                                {QStringLiteral("byteEnd"), post.byteEnd}};
        const QJsonObject feature{{QStringLiteral("$type"), LinkFacet}, {QStringLiteral("uri"), post.link}};
        record.insert(QStringLiteral("facets"),
                      QJsonArray{QJsonObject{{QStringLiteral("index"), index},
                                             {QStringLiteral("features"), QJsonArray{feature}}}});
    }
    return record;
}

bool isPostOf(const QJsonObject &record, const PostText &post)
{
    const QString text = record.value(QLatin1String("text")).toString();
    // Items may share a link: the first line (the title, or the link itself) tells them apart.
    if (!text.startsWith(post.text.section(QLatin1Char('\n'), 0, 0)))
        return false;
    if (post.link.isEmpty() || text.contains(post.link))
        return true;
    const QJsonArray facets = record.value(QLatin1String("facets")).toArray();
    for (const QJsonValue &facet : facets) {
        const QJsonArray features = facet.toObject().value(QLatin1String("features")).toArray();
        for (const QJsonValue &feature : features) {
            if (feature.toObject().value(QLatin1String("uri")).toString() == post.link)
                return true;
        }
    }
    return false;
}

} // namespace rss::bluesky
