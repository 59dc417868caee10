#include "rss/bluesky/PostRecord.h"
#include "rss/bluesky/BlueskyClient.h"

#include <QJsonArray>

#include <gtest/gtest.h>

using rss::RssItem;
using rss::bluesky::graphemeCount;
using rss::bluesky::isPostOf;
using rss::bluesky::MaxGraphemes;
using rss::bluesky::postRecord;
using rss::bluesky::postText;

namespace {

const QString Link = QStringLiteral("https://shop.example/news/caf\u00e9?id=7");
const QString Ellipsis = QStringLiteral("\u2026");

// Where the record's one link facet points, as the UTF-8 bytes a reader of the record sees.
QString facetTarget(const QJsonObject &record)
{
    const QJsonObject facet = record.value(QLatin1String("facets")).toArray().at(0).toObject();
    const QJsonObject index = facet.value(QLatin1String("index")).toObject();
    const qsizetype start = index.value(QLatin1String("byteStart")).toInteger(-1);
    const qsizetype end = index.value(QLatin1String("byteEnd")).toInteger(-1);
    return QString::fromUtf8(record.value(QLatin1String("text")).toString().toUtf8().mid(start, end - start));
}

TEST(PostRecord, CountsGraphemesAsAReaderSeesThem)
{
    const struct
    {
        QString text;
        int graphemes;
    } cases[] = {
        {QStringLiteral("abc"), 3},
        {QStringLiteral("e\u0301t\u00e9"), 3},                             // e + combining acute is one
        {QStringLiteral("\U0001F44D\U0001F3FD"), 1},                       // thumbs up with skin tone
        {QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467"), 1}, // a family joined by ZWJ
        {QStringLiteral("\U0001F1EB\U0001F1F7"), 1},                       // a flag
        {QStringLiteral("a\u0308\u0323 b"), 3},                            // two marks on one letter
        {QString(), 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(graphemeCount(c.text), c.graphemes) << c.text.toStdString();
}

TEST(PostRecord, DescriptionCutAtAWordWithin300GraphemesWithEmojiAndAccents)
{
    // Words of emoji with modifiers and of letters with combining marks: many more code
    // points (and UTF-16 units) than graphemes, so only a grapheme count lets this much in.
    const QString words[] = {QStringLiteral("\U0001F44D\U0001F3FD\U0001F44D\U0001F3FD "), QStringLiteral("cafe\u0301 "),
                             QStringLiteral("n\u0303a\u0308 "),
                             // A family is one grapheme of 18 bytes: here the 3000 bytes are the limit.
                             QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467"
                                            "\U0001F468\u200D\U0001F469\u200D\U0001F467 ")};
    for (const QString &word : words) {
        const RssItem item{QStringLiteral("1"), QStringLiteral("F\u00eate \U0001F389"), Link, word.repeated(200)};
        const rss::bluesky::PostText post = postText(item);
        SCOPED_TRACE(word.toStdString());
        EXPECT_TRUE(post.text.startsWith(item.title + QStringLiteral("\n\n") + Link + QStringLiteral("\n\n")));
        EXPECT_TRUE(post.text.endsWith(Ellipsis));
        EXPECT_FALSE(post.text.endsWith(QStringLiteral(" ") + Ellipsis));
        EXPECT_LE(graphemeCount(post.text), MaxGraphemes);
        EXPECT_LE(post.text.toUtf8().size(), rss::bluesky::MaxBytes);
        EXPECT_GT(rss::bluesky::postLength(post.text), MaxGraphemes - graphemeCount(word) - 1);
        EXPECT_GT(post.text.toUcs4().size(), MaxGraphemes);
    }
}

TEST(PostRecord, TheLinkIsNeverCutAndATooLongTitleIs)
{
    const RssItem item{QStringLiteral("1"), QStringLiteral("Long\u0301 ").repeated(100), Link, QString()};
    const rss::bluesky::PostText post = postText(item);
    EXPECT_TRUE(post.text.endsWith(Ellipsis + QStringLiteral("\n\n") + Link)) << post.text.toStdString();
    EXPECT_LE(graphemeCount(post.text), MaxGraphemes);
    EXPECT_EQ(facetTarget(postRecord(post, QDateTime::currentDateTimeUtc())), Link);
}

TEST(PostRecord, TheFacetPointsAtTheLinksBytesAfterNonAsciiText)
{
    const RssItem item{QStringLiteral("1"), QStringLiteral("F\u00eate d\u2019\u00e9t\u00e9 \U0001F389 e\u0301"), Link,
                       QStringLiteral("Short.")};
    const QDateTime created(QDate(2026, 12, 8), QTime(9, 30, 5, 120), Qt::UTC);
    const QJsonObject record = postRecord(postText(item), created);
    EXPECT_EQ(record.value(QLatin1String("$type")).toString(), QStringLiteral("app.bsky.feed.post"));
    EXPECT_EQ(record.value(QLatin1String("createdAt")).toString(), QStringLiteral("2026-12-08T09:30:05.120Z"));
    EXPECT_EQ(facetTarget(record), Link);
    const QJsonObject facet = record.value(QLatin1String("facets")).toArray().at(0).toObject();
    const QJsonObject feature = facet.value(QLatin1String("features")).toArray().at(0).toObject();
    EXPECT_EQ(feature.value(QLatin1String("$type")).toString(), QStringLiteral("app.bsky.richtext.facet#link"));
    EXPECT_EQ(feature.value(QLatin1String("uri")).toString(), Link);
    // The title's UTF-16 length and its UTF-8 length differ: the offset must be the latter.
    EXPECT_EQ(facet.value(QLatin1String("index")).toObject().value(QLatin1String("byteStart")).toInt(),
              (item.title + QStringLiteral("\n\n")).toUtf8().size());
}

TEST(PostRecord, OnlyAWebAddressBecomesALink)
{
    const RssItem item{QStringLiteral("1"), QStringLiteral("Sale"), QStringLiteral("javascript:alert(1)"), QString()};
    const QJsonObject record = postRecord(postText(item), QDateTime::currentDateTimeUtc());
    EXPECT_FALSE(record.contains(QLatin1String("facets")));
    EXPECT_EQ(record.value(QLatin1String("text")).toString(), QStringLiteral("Sale\n\njavascript:alert(1)"));
}

TEST(PostRecord, AStoredPostIsRecognisedByItsLinkAndFirstLine)
{
    const rss::bluesky::PostText post
        = postText(RssItem{QStringLiteral("1"), QStringLiteral("Spring sale"), Link, QStringLiteral("All week.")});
    const QJsonObject facetOnly{
        {QStringLiteral("text"), QStringLiteral("Spring sale\n\nshop.example/news\u2026")},
        {QStringLiteral("facets"), QJsonArray{QJsonObject{{QStringLiteral("features"),
                                                           QJsonArray{QJsonObject{{QStringLiteral("uri"), Link}}}}}}}};
    const struct
    {
        QJsonObject record;
        bool isPost;
    } cases[] = {
        {postRecord(post, QDateTime::currentDateTimeUtc()), true},
        {facetOnly, true}, // another client shortened the shown link
        {QJsonObject{{QStringLiteral("text"), QString(QStringLiteral("New hours\n\n") + Link)}},
         false}, // same link, other item
        {QJsonObject{{QStringLiteral("text"), QStringLiteral("Spring sale\n\nhttps://other.example/")}}, false},
        {QJsonObject{}, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isPostOf(c.record, post), c.isPost) << c.record.value(QLatin1String("text")).toString().toStdString();
}

TEST(PostRecord, ThePostsAddressComesFromTheRecordsUri)
{
    using rss::bluesky::postAddress;
    EXPECT_EQ(postAddress(QStringLiteral("office.test"), QStringLiteral("at://did:plc:office/app.bsky.feed.post/3kx2")),
              QStringLiteral("https://bsky.app/profile/office.test/post/3kx2"));
    EXPECT_EQ(postAddress(QStringLiteral("office.test"), QStringLiteral("at://did:plc:office/app.bsky.feed.like/3kx2")),
              QString());
    EXPECT_EQ(postAddress(QStringLiteral("office.test"), QStringLiteral("https://evil.example/x")), QString());
}

} // namespace
