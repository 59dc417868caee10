#include "rss/FeedWriter.h"

#include "base/TextFile.h"
#include "rss/DatedFeeds.h"

#include <QFileInfo>

namespace rss {

namespace {

bool allowedInXml(char16_t c)
{
    return c >= 0x20 ? (c != 0xFFFE && c != 0xFFFF) : (c == u'\t' || c == u'\n' || c == u'\r');
}

void appendElement(QString &out, QLatin1String tag, const QString &text)
{
    out += u'<';
    out += tag;
    out += u'>';
    out += escapeXmlText(text);
    out += QLatin1String("</");
    out += tag;
    out += QLatin1String(">\r\n");
}

} // namespace

QString escapeXmlText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        case u'\r':
            if (i + 1 < size && text[i + 1] == u'\n')
                ++i;
            out += QLatin1String("\r\n");
            break;
        case u'\n': out += QLatin1String("\r\n"); break;
        default:
            if (allowedInXml(c))
                out += QChar(c);
        }
    }
    return out;
}

QString escapeXmlAttribute(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        case u'"': out += QLatin1String("&quot;"); break;
        case u'\t': out += QLatin1String("&#9;"); break;
        case u'\n': out += QLatin1String("&#10;"); break;
        case u'\r': out += QLatin1String("&#13;"); break;
        default:
            if (allowedInXml(c.unicode()))
                out += c;
        }
    }
    return out;
}

QByteArray feedBytes(const PublishingSettings &channel, const std::vector<RssItem> &items)
{
    // Built in slices turned into UTF-8 as they fill, so a long feed is never held
    // twice over and the work stays in the cache.
    constexpr qsizetype SliceSize = 32 * 1024;
    QByteArray out;
    out.reserve(static_cast<qsizetype>(200 + items.size() * 200));
    QString slice;
    slice.reserve(SliceSize + 4096);
    slice += QLatin1String("<?xml version='1.0'?>\r\n<rss version='0.91'>\r\n<channel>\r\n");
    appendElement(slice, QLatin1String("title"), channel.companyName);
    appendElement(slice, QLatin1String("link"), channel.webSiteUrl);
    appendElement(slice, QLatin1String("description"), channel.channelDescription);
    slice += QLatin1String("<language>en-us</language>\r\n");
    for (const RssItem &item : items) {
        slice += QLatin1String("<item>\r\n");
        appendElement(slice, QLatin1String("title"), item.title);
        appendElement(slice, QLatin1String("link"), item.link);
        appendElement(slice, QLatin1String("description"), item.description);
        slice += QLatin1String("</item>\r\n");
        if (slice.size() >= SliceSize) {
            out += slice.toUtf8();
            slice.resize(0);
        }
    }
    slice += QLatin1String("</channel>\r\n</rss>\r\n");
    out += slice.toUtf8();
    return out;
}

QByteArray feedBytes(const PublishingSettings &channel, const std::vector<RssItem> &items, const FeedEdition &edition)
{
    switch (edition.format) {
    case FeedFormat::Rss091: break;
    case FeedFormat::Rss20: return rss20Bytes(channel, items, edition);
    case FeedFormat::Atom10: return atomBytes(channel, items, edition);
    }
    return feedBytes(channel, items);
}

void writeFeed(const QString &path, const PublishingSettings &channel, const std::vector<RssItem> &items,
               FeedFormat format)
{
    const FeedEdition edition{format, QFileInfo(path).fileName(), QDateTime::currentDateTime(),
                              QTimeZone::systemTimeZone()};
    base::writeFileAtomically(path, feedBytes(channel, items, edition));
}

} // namespace rss
