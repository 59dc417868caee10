#include "rss/DatedFeeds.h"

#include "rss/FeedStamps.h"

namespace rss {

namespace {

// The channel's language, as the RSS 0.91 file has always said.
constexpr const char *Language = "en-us";

// Collects the feed's text and turns it into UTF-8 in slices as it fills, so that a
// long feed is never held twice over.
class FeedText
{
public:
    explicit FeedText(std::size_t items)
    {
        m_bytes.reserve(static_cast<qsizetype>(400 + items * 400));
        m_slice.reserve(SliceSize + 4096);
    }

    FeedText &operator<<(const QString &text)
    {
        m_slice += text;
        return *this;
    }
    FeedText &operator<<(QLatin1String text)
    {
        m_slice += text;
        return *this;
    }
    FeedText &operator<<(const char *text) { return *this << QLatin1String(text); }

    // <tag>escaped text</tag> and a line end.
    void element(const char *tag, const QString &text)
    {
        *this << "<" << tag << ">" << escapeXmlText(text) << "</" << tag << ">\r\n";
    }

    // An empty element with one attribute: <tag name="escaped value"/>.
    void link(const char *attributes, const QString &href)
    {
        *this << "<" << attributes << " href=\"" << escapeXmlAttribute(href) << "\"/>\r\n";
    }

    void endOfItem()
    {
        if (m_slice.size() >= SliceSize) {
            m_bytes += m_slice.toUtf8();
            m_slice.resize(0);
        }
    }

    QByteArray finish()
    {
        m_bytes += m_slice.toUtf8();
        m_slice.clear();
        return m_bytes;
    }

private:
    static constexpr qsizetype SliceSize = 32 * 1024;
    QByteArray m_bytes;
    QString m_slice;
};

} // namespace

QByteArray rss20Bytes(const PublishingSettings &channel, const std::vector<RssItem> &items, const FeedEdition &edition)
{
    const QUrl site = feedSiteAddress(channel.webSiteUrl);
    FeedText out(items.size());
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
           "<rss version=\"2.0\" xmlns:atom=\"http://www.w3.org/2005/Atom\">\r\n<channel>\r\n";
    out.element("title", channel.companyName);
    out.element("link", site.toString(QUrl::FullyEncoded));
    out.element("description", channel.channelDescription);
    out.element("language", QLatin1String(Language));
    out.element("lastBuildDate", rfc822Date(edition.built));
    out.link("atom:link rel=\"self\" type=\"application/rss+xml\"", selfLink(site, edition.fileName));
    for (const RssItem &item : items) {
        out << "<item>\r\n";
        out.element("title", item.title);
        // An empty link would be read as a link to the feed itself.
        if (!item.link.isEmpty())
            out.element("link", item.link);
        out.element("description", item.description);
        out << "<guid isPermaLink=\"false\">" << escapeXmlText(itemTagId(site, item.id)) << "</guid>\r\n";
        if (item.dateAdded.isValid())
            out.element("pubDate", rfc822Date(startOfDay(item.dateAdded, edition.zone)));
        out << "</item>\r\n";
        out.endOfItem();
    }
    out << "</channel>\r\n</rss>\r\n";
    return out.finish();
}

QByteArray atomBytes(const PublishingSettings &channel, const std::vector<RssItem> &items, const FeedEdition &edition)
{
    const QUrl site = feedSiteAddress(channel.webSiteUrl);
    const QString built = rfc3339Date(edition.built);
    FeedText out(items.size());
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<feed xmlns=\"http://www.w3.org/2005/Atom\" xml:lang=\""
        << Language << "\">\r\n";
    out.element("title", channel.companyName);
    if (!channel.channelDescription.isEmpty())
        out.element("subtitle", channel.channelDescription);
    out.link("link rel=\"alternate\" type=\"text/html\"", site.toString(QUrl::FullyEncoded));
    out.link("link rel=\"self\" type=\"application/atom+xml\"", selfLink(site, edition.fileName));
    out.element("id", feedTagId(site));
    out.element("updated", built);
    // Atom wants an author for every entry: the company for all of them.
    out << "<author>\r\n";
    out.element("name", channel.companyName);
    out << "</author>\r\n";
    for (const RssItem &item : items) {
        out << "<entry>\r\n";
        out.element("title", item.title);
        if (!item.link.isEmpty())
            out.link("link rel=\"alternate\"", item.link);
        out.element("id", itemTagId(site, item.id));
        if (item.dateAdded.isValid()) {
            const QString added = rfc3339Date(startOfDay(item.dateAdded, edition.zone));
            out.element("published", added);
            out.element("updated", added);
        } else {
            out.element("updated", built);
        }
        if (!item.description.isEmpty())
            out.element("summary", item.description);
        out << "</entry>\r\n";
        out.endOfItem();
    }
    out << "</feed>\r\n";
    return out.finish();
}

} // namespace rss
