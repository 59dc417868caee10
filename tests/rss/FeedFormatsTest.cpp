#include "base/Error.h"
#include "rss/FeedStamps.h"
#include "rss/FeedWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace rss;

namespace {

const QTimeZone Berlin = QTimeZone(3600);

QDateTime at(int year, int month, int day, int hour, int minute, const QTimeZone &zone)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, 7), zone);
}

FeedEdition edition(FeedFormat format, const QDateTime &built = at(2026, 12, 8, 9, 30, Berlin))
{
    return {format, QStringLiteral("news feed.xml"), built, Berlin};
}

PublishingSettings channel(const QString &site = QStringLiteral("https://www.Example.com/news"))
{
    PublishingSettings settings;
    settings.companyName = QStringLiteral("Smith & \"Sons\" <Tools>");
    settings.webSiteUrl = site;
    settings.channelDescription = QStringLiteral("Tools ]]> & more");
    return settings;
}

// What a reader takes from the file: "element=text" and "element@attribute=value" in
// document order, for the elements named; fails on XML that is not well-formed.
QStringList readBack(const QByteArray &bytes, const QStringList &names)
{
    QXmlStreamReader reader(bytes);
    QStringList found;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = reader.qualifiedName().toString();
        if (!names.contains(name))
            continue;
        for (const QXmlStreamAttribute &attribute : reader.attributes())
            found << name + u'@' + attribute.qualifiedName().toString() + u'=' + attribute.value().toString();
        if (name != QLatin1String("link") || !reader.attributes().hasAttribute(QLatin1String("href")))
            found << name + u'=' + reader.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return found;
}

} // namespace

TEST(FeedStamps, DatesAreWrittenInEnglishWithTheirOffset)
{
    struct Case
    {
        QDateTime moment;
        const char *rss;
        const char *atom;
    };
    const Case cases[] = {
        {at(2026, 12, 8, 9, 30, Berlin), "Tue, 08 Dec 2026 09:30:07 +0100", "2026-12-08T09:30:07+01:00"},
        {at(2027, 1, 3, 23, 5, QTimeZone::utc()), "Sun, 03 Jan 2027 23:05:07 +0000", "2027-01-03T23:05:07Z"},
        {at(2026, 7, 1, 0, 0, QTimeZone(-(5 * 3600 + 30 * 60))), "Wed, 01 Jul 2026 00:00:07 -0530",
         "2026-07-01T00:00:07-05:30"},
        // A year below 1000 keeps its four digits.
        {at(999, 5, 2, 12, 0, QTimeZone::utc()), "Thu, 02 May 0999 12:00:07 +0000", "0999-05-02T12:00:07Z"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(rfc822Date(c.moment), QLatin1String(c.rss));
        EXPECT_EQ(rfc3339Date(c.moment), QLatin1String(c.atom));
    }
    // A date added is the start of its day where the program runs.
    EXPECT_EQ(rfc822Date(startOfDay(QDate(2026, 3, 1), Berlin)), QStringLiteral("Sun, 01 Mar 2026 00:00:00 +0100"));
}

TEST(FeedStamps, TheSiteGivesTheHostOfTheIdsAndTheSelfLink)
{
    struct Case
    {
        const char *typed;
        const char *self;
        const char *itemId;
    };
    const Case cases[] = {
        {"https://www.Example.com/news", "https://www.example.com/news/news%20feed.xml",
         "tag:www.example.com,2026:item-42"},
        {"www.example.com/", "http://www.example.com/news%20feed.xml", "tag:www.example.com,2026:item-42"},
        {"  example.com:8080?x=1#top ", "http://example.com:8080/news%20feed.xml", "tag:example.com,2026:item-42"},
        {"https://ann:secret@bäckerei.de", "https://xn--bckerei-5wa.de/news%20feed.xml",
         "tag:xn--bckerei-5wa.de,2026:item-42"},
    };
    for (const Case &c : cases) {
        const QUrl site = feedSiteAddress(QString::fromUtf8(c.typed));
        EXPECT_EQ(selfLink(site, QStringLiteral("news feed.xml")), QLatin1String(c.self)) << c.typed;
        EXPECT_EQ(itemTagId(site, QStringLiteral("42")), QLatin1String(c.itemId)) << c.typed;
    }
    // A file name that looks like a query or a fragment stays part of the path.
    EXPECT_EQ(selfLink(feedSiteAddress(QStringLiteral("example.com")), QStringLiteral("a#b?c.xml")),
              QStringLiteral("http://example.com/a%23b%3Fc.xml"));
    EXPECT_EQ(selfLink(feedSiteAddress(QStringLiteral("example.com/my%20news")), QStringLiteral("a%20b é.xml")),
              QStringLiteral("http://example.com/my%20news/a%2520b%20%C3%A9.xml"));
    for (const char *noHost : {"", "   ", "https://", "file:///srv/www", "http://exa mple.com", "/news/"}) {
        try {
            feedSiteAddress(QLatin1String(noHost));
            ADD_FAILURE() << "accepted " << noHost;
        } catch (const base::Error &error) {
            EXPECT_TRUE(error.description().contains(u'"' + QString::fromLatin1(noHost).trimmed() + u'"'))
                << error.description().toStdString();
        }
    }
}

TEST(FeedFormats, HostileTextStaysTextInEveryFormat)
{
    const QString title = QStringLiteral("</title><script>alert(1)</script> ]]> &amp; \x01"
                                         "bell");
    const QString link = QStringLiteral("https://shop.test/?a=1&b=\"2\"&c=<3>");
    const QString description = QStringLiteral("line one\r\nline \"two\" & 'three'");
    const std::vector<RssItem> items = {{QStringLiteral("7"), title, link, description, QDate(2026, 11, 30)}};
    const QString cleanTitle = QStringLiteral("</title><script>alert(1)</script> ]]> &amp; bell");

    const QByteArray rss = feedBytes(channel(), items, edition(FeedFormat::Rss20));
    const QStringList rssRead = readBack(rss, {QStringLiteral("title"), QStringLiteral("link"),
                                               QStringLiteral("description"), QStringLiteral("atom:link")});
    EXPECT_TRUE(rssRead.contains(QStringLiteral("title=") + channel().companyName))
        << rssRead.join(u'\n').toStdString();
    EXPECT_TRUE(rssRead.contains(QStringLiteral("description=Tools ]]> & more")));
    EXPECT_TRUE(rssRead.contains(QStringLiteral("title=") + cleanTitle)) << rssRead.join(u'\n').toStdString();
    EXPECT_TRUE(rssRead.contains(QStringLiteral("link=") + link));
    EXPECT_TRUE(rssRead.contains(QStringLiteral("description=line one\nline \"two\" & 'three'")));

    const QByteArray atom = feedBytes(channel(), items, edition(FeedFormat::Atom10));
    const QStringList atomRead = readBack(
        atom, {QStringLiteral("title"), QStringLiteral("link"), QStringLiteral("summary"), QStringLiteral("name")});
    EXPECT_TRUE(atomRead.contains(QStringLiteral("name=") + channel().companyName))
        << atomRead.join(u'\n').toStdString();
    EXPECT_TRUE(atomRead.contains(QStringLiteral("title=") + cleanTitle));
    // In an attribute a quote or a line break would end or change the value.
    EXPECT_TRUE(atomRead.contains(QStringLiteral("link@href=") + link)) << atomRead.join(u'\n').toStdString();
    EXPECT_TRUE(atomRead.contains(QStringLiteral("summary=line one\nline \"two\" & 'three'")));
    EXPECT_EQ(escapeXmlAttribute(QStringLiteral("a\"b\nc\td")), QStringLiteral("a&quot;b&#10;c&#9;d"));
}

TEST(FeedFormats, IdsStayAndDatesComeFromTheDayAdded)
{
    std::vector<RssItem> items = {
        {QStringLiteral("3"), QStringLiteral("Old"), {}, {}, QDate(2026, 1, 31)},
        {QStringLiteral("12"), QStringLiteral("Undated"), {}, {}, {}},
    };
    const QStringList names = {QStringLiteral("guid"), QStringLiteral("pubDate"), QStringLiteral("id"),
                               QStringLiteral("updated"), QStringLiteral("published")};
    const QByteArray rssBytes = feedBytes(channel(), items, edition(FeedFormat::Rss20));
    EXPECT_FALSE(rssBytes.contains("<link></link>"));
    const QStringList rss = readBack(rssBytes, names);
    EXPECT_EQ(rss, (QStringList{QStringLiteral("guid@isPermaLink=false"),
                                QStringLiteral("guid=tag:www.example.com,2026:item-3"),
                                QStringLiteral("pubDate=Sat, 31 Jan 2026 00:00:00 +0100"),
                                QStringLiteral("guid@isPermaLink=false"),
                                QStringLiteral("guid=tag:www.example.com,2026:item-12")}));
    const QStringList atom = readBack(feedBytes(channel(), items, edition(FeedFormat::Atom10)), names);
    EXPECT_EQ(atom, (QStringList{QStringLiteral("id=tag:www.example.com,2026:feed"),
                                 QStringLiteral("updated=2026-12-08T09:30:07+01:00"),
                                 QStringLiteral("id=tag:www.example.com,2026:item-3"),
                                 QStringLiteral("published=2026-01-31T00:00:00+01:00"),
                                 QStringLiteral("updated=2026-01-31T00:00:00+01:00"),
                                 QStringLiteral("id=tag:www.example.com,2026:item-12"),
                                 QStringLiteral("updated=2026-12-08T09:30:07+01:00")}));

    // Written again later, with an item edited and the list in another order, and the
    // site typed in another case: every item keeps its id.
    items[0].title = QStringLiteral("Old, edited");
    std::swap(items[0], items[1]);
    const QDateTime later = at(2027, 2, 1, 8, 0, QTimeZone::utc());
    const auto ids = [&](FeedFormat format, const QString &site, const QDateTime &built) {
        QStringList found = readBack(feedBytes(channel(site), items, edition(format, built)),
                                     {QStringLiteral("guid"), QStringLiteral("id")});
        found.sort();
        return found;
    };
    for (const FeedFormat format : {FeedFormat::Rss20, FeedFormat::Atom10}) {
        EXPECT_EQ(ids(format, QStringLiteral("https://www.Example.com/news"), edition(format).built),
                  ids(format, QStringLiteral("http://WWW.EXAMPLE.COM"), later))
            << feedFormatName(format).toStdString();
    }
}

TEST(FeedFormats, RssZeroNineOneIsTheFirstReleasesFileWhateverTheSite)
{
    const std::vector<RssItem> items = {{QStringLiteral("1"), QStringLiteral("One"), {}, {}, QDate(2026, 1, 1)}};
    const PublishingSettings noHost = channel(QString());
    EXPECT_EQ(feedBytes(noHost, items, edition(FeedFormat::Rss091)), feedBytes(noHost, items));
    EXPECT_FALSE(feedBytes(noHost, items).contains("2026"));
    EXPECT_THROW(feedBytes(noHost, items, edition(FeedFormat::Rss20)), base::Error);
    EXPECT_THROW(feedBytes(noHost, items, edition(FeedFormat::Atom10)), base::Error);
}

TEST(FeedFormats, TheChosenFormatIsKeptForTheUser)
{
    EXPECT_EQ(keptFeedFormat(), FeedFormat::Rss091);
    for (const FeedFormat format : FeedFormats) {
        keepFeedFormat(format);
        EXPECT_EQ(keptFeedFormat(), format);
        EXPECT_EQ(feedFormatNamed(feedFormatName(format)), format);
    }
    EXPECT_EQ(feedFormatNamed(QStringLiteral("RSS 3.0")), std::nullopt);
}

// A feed reader's own parser reads the three formats as written twice: see
// feeds/read_feeds.py for what it checks.
TEST(FeedFormats, AFeedReadersParserReadsEveryFormat)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    std::vector<RssItem> items = {
        {QStringLiteral("5"), QStringLiteral("Spring <sale> & more"), QStringLiteral("https://shop.test/a?x=1&y=2"),
         QStringLiteral("Ünïcode — \"quoted\""), QDate(2026, 3, 14)},
        {QStringLiteral("9"),
         QStringLiteral("Undated"),
         QStringLiteral("https://shop.test/b"),
         QStringLiteral("B"),
         {}},
    };
    const PublishingSettings site = channel(QStringLiteral("https://www.example.com/news/"));
    for (const FeedFormat format : FeedFormats)
        write(QStringLiteral("first-%1.xml").arg(static_cast<int>(format)), feedBytes(site, items, edition(format)));
    items[0].description = QStringLiteral("edited");
    std::swap(items[0], items[1]);
    for (const FeedFormat format : FeedFormats)
        write(QStringLiteral("second-%1.xml").arg(static_cast<int>(format)),
              feedBytes(site, items, edition(format, at(2027, 1, 2, 3, 4, QTimeZone::utc()))));

    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    // Debian's interpreter, which has Debian's feedparser.
    check.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(TALLOWMERE_FEED_CHECK), folder.path()});
    ASSERT_TRUE(check.waitForFinished(120000)) << check.errorString().toStdString();
    EXPECT_EQ(check.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
}
