#include "rss/FeedWriter.h"

#include "base/TextFile.h"

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

QByteArray feedBytes(const PublishingSettings &channel, const std::vector<RssItem> &items)
{
    QString out;
    out.reserve(static_cast<qsizetype>(200 + items.size() * 120));
    out += QLatin1String("<?xml version='1.0'?>\r\n<rss version='0.91'>\r\n<channel>\r\n");
    appendElement(out, QLatin1String("title"), channel.companyName);
    appendElement(out, QLatin1String("link"), channel.webSiteUrl);
    appendElement(out, QLatin1String("description"), channel.channelDescription);
    out += QLatin1String("<language>en-us</language>\r\n");
    for (const RssItem &item : items) {
        out += QLatin1String("<item>\r\n");
        appendElement(out, QLatin1String("title"), item.title);
        appendElement(out, QLatin1String("link"), item.link);
        appendElement(out, QLatin1String("description"), item.description);
        out += QLatin1String("</item>\r\n");
    }
    out += QLatin1String("</channel>\r\n</rss>\r\n");
    return out.toUtf8();
}

void writeFeed(const QString &path, const PublishingSettings &channel, const std::vector<RssItem> &items)
{
    base::writeFileAtomically(path, feedBytes(channel, items));
}

} // namespace rss
