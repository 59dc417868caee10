#include "rss/FeedWriter.h"
#include "RssTesting.h"
#include "base/Error.h"

#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace rss;
using namespace rss_testing;

namespace {

QStringList crLfLines(const QByteArray &bytes)
{
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

// The texts of every element of the document, in order, as "name=text"; fails on
// XML that is not well-formed.
QStringList elementTexts(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    QStringList texts;
    QStringList open;
    QString text;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            open << reader.name().toString();
            text.clear();
            break;
        case QXmlStreamReader::Characters: text += reader.text(); break;
        case QXmlStreamReader::EndElement:
            if (open.last() != QLatin1String("item") && open.last() != QLatin1String("channel")
                && open.last() != QLatin1String("rss"))
                texts << open.last() + u'=' + text;
            open.removeLast();
            break;
        default: break;
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return texts;
}

PublishingSettings channel()
{
    PublishingSettings settings;
    settings.companyName = QStringLiteral("Smith & Sons <Tools>");
    settings.webSiteUrl = QStringLiteral("http://smith.test/?a=1&b=2");
    settings.channelDescription = QStringLiteral("Ünïcode café");
    return settings;
}

} // namespace

TEST(FeedWriter, LinesFollowTheTableInOrderAndTheFileParses)
{
    const std::vector<RssItem> items = {
        {QStringLiteral("1"), QStringLiteral("One"), QStringLiteral("http://one.test"), QStringLiteral("First")},
        {QStringLiteral("2"), QStringLiteral("a < b && c > d"), QString(), QStringLiteral("it's \"quoted\"")},
        {QStringLiteral("3"), QString(), QString(), QStringLiteral("two\r\nlines\nthree")},
    };
    const QByteArray bytes = feedBytes(channel(), items);
    EXPECT_EQ(crLfLines(bytes), (QStringList{
                                    QStringLiteral("<?xml version='1.0'?>"),
                                    QStringLiteral("<rss version='0.91'>"),
                                    QStringLiteral("<channel>"),
                                    QStringLiteral("<title>Smith &amp; Sons &lt;Tools&gt;</title>"),
                                    QStringLiteral("<link>http://smith.test/?a=1&amp;b=2</link>"),
                                    QStringLiteral("<description>Ünïcode café</description>"),
                                    QStringLiteral("<language>en-us</language>"),
                                    QStringLiteral("<item>"),
                                    QStringLiteral("<title>One</title>"),
                                    QStringLiteral("<link>http://one.test</link>"),
                                    QStringLiteral("<description>First</description>"),
                                    QStringLiteral("</item>"),
                                    QStringLiteral("<item>"),
                                    QStringLiteral("<title>a &lt; b &amp;&amp; c &gt; d</title>"),
                                    QStringLiteral("<link></link>"),
                                    QStringLiteral("<description>it's \"quoted\"</description>"),
                                    QStringLiteral("</item>"),
                                    QStringLiteral("<item>"),
                                    QStringLiteral("<title></title>"),
                                    QStringLiteral("<link></link>"),
                                    QStringLiteral("<description>two"),
                                    QStringLiteral("lines"),
                                    QStringLiteral("three</description>"),
                                    QStringLiteral("</item>"),
                                    QStringLiteral("</channel>"),
                                    QStringLiteral("</rss>"),
                                }));
    const QStringList texts = elementTexts(bytes);
    ASSERT_EQ(texts.size(), 4 + 3 * 3);
    EXPECT_EQ(texts[0], QStringLiteral("title=Smith & Sons <Tools>"));
    EXPECT_EQ(texts[2], QStringLiteral("description=Ünïcode café"));
    EXPECT_EQ(texts[7], QStringLiteral("title=a < b && c > d"));
}

TEST(FeedWriter, AnEmptyListGivesNineLinesAndControlCharactersCannotBreakTheXml)
{
    EXPECT_EQ(crLfLines(feedBytes({}, {})).size(), 9);
    EXPECT_EQ(crLfLines(feedBytes({}, {}))[3], QStringLiteral("<title></title>"));
    const QByteArray bytes = feedBytes({}, {{QStringLiteral("1"), QStringLiteral("bell\x07tab\t"), {}, {}}});
    EXPECT_EQ(elementTexts(bytes)[4], QStringLiteral("title=belltab\t"));
}

TEST(FeedWriter, AFailedWriteNamesTheFileAndLeavesTheOldOneWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("feed.xml"));
    writeFeed(path, channel(), {});
    const QByteArray first = readFile(path);
    ASSERT_EQ(crLfLines(first).size(), 9);

    try {
        writeFeed(folder.filePath(QStringLiteral("missing/feed.xml")), channel(), {});
        FAIL() << "no error";
    } catch (const base::FileError &error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("feed.xml"))) << error.description().toStdString();
    }
    // A directory where the file should go: nothing is replaced, no temporary file stays.
    QDir(folder.path()).mkdir(QStringLiteral("taken.xml"));
    EXPECT_THROW(writeFeed(folder.filePath(QStringLiteral("taken.xml")), channel(), {}), base::FileError);
    EXPECT_EQ(readFile(path), first);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("feed.xml")});
}
