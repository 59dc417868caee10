#include "rss/fediverse/StatusText.h"
#include "rss/fediverse/FediverseAddress.h"

#include <gtest/gtest.h>

using rss::RssItem;
using rss::fediverse::countedLength;
using rss::fediverse::serverAddress;
using rss::fediverse::StatusLimits;
using rss::fediverse::statusText;

namespace {

const QString Link = QStringLiteral("https://example.com/news/a-very-long-address-of-the-item-that-goes-on");

TEST(StatusText, CountsCodePointsAndAddressesAsTheServerDoes)
{
    const StatusLimits limits{500, 23};
    EXPECT_EQ(countedLength(QStringLiteral("caf\u00e9"), limits), 4);
    // An emoji outside the basic plane is two UTF-16 units but one character.
    EXPECT_EQ(countedLength(QStringLiteral("\U0001F600\U0001F600"), limits), 2);
    EXPECT_EQ(countedLength(QStringLiteral("see ") + Link, limits), 4 + 23);
}

TEST(StatusText, WholeItemWhenItFits)
{
    const RssItem item{QStringLiteral("1"), QStringLiteral("New hours"), Link, QStringLiteral("Open on Sunday.")};
    EXPECT_EQ(statusText(item, {}), QStringLiteral("New hours\n\n") + Link + QStringLiteral("\n\nOpen on Sunday."));
}

TEST(StatusText, DescriptionCutAtAWordWithEmojiAndAccents)
{
    // Title 10, gap 2, link 23, gap 2: 37 counted before the description, 27 left.
    const StatusLimits limits{64, 23};
    const QString title = QStringLiteral("F\u00eate d\u2019\u00e9t\u00e9"); // 10 code points
    const QString description = QStringLiteral("\U0001F389\U0001F389 Caf\u00e9 cr\u00e8me br\u00fbl\u00e9e "
                                               "for everyone who comes along this Saturday");
    const QString text = statusText(RssItem{QStringLiteral("1"), title, Link, description}, limits);
    EXPECT_TRUE(text.startsWith(title + QStringLiteral("\n\n") + Link + QStringLiteral("\n\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\u2026")));
    EXPECT_LE(countedLength(text, limits), 64);
    // Cut after a whole word: one more word would not fit.
    EXPECT_EQ(text.section(QStringLiteral("\n\n"), 2), QStringLiteral("\U0001F389\U0001F389 Caf\u00e9 cr\u00e8me "
                                                                      "br\u00fbl\u00e9e for\u2026"));
}

TEST(StatusText, LinkNeverCutAndTitleGivesWay)
{
    const StatusLimits limits{60, 23};
    const QString title = QStringLiteral("word ").repeated(30).trimmed();
    const QString text = statusText(RssItem{QStringLiteral("1"), title, Link, QStringLiteral("more")}, limits);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\u2026\n\n") + Link)) << text.toStdString();
    EXPECT_LE(countedLength(text, limits), 60);
    // A description that has no room is left out, not cut inside a word.
    const QString oneWord = statusText(
        RssItem{QStringLiteral("1"), QStringLiteral("Title"), Link, QStringLiteral("x").repeated(100)}, limits);
    EXPECT_EQ(oneWord, QStringLiteral("Title\n\n") + Link);
}

TEST(FediverseAddress, HttpsEverywherePlainHttpOnlyToThisMachine)
{
    struct Case
    {
        const char *typed;
        const char *url; // empty: refused
    };
    const Case cases[] = {
        {"mastodon.example", "https://mastodon.example"},
        {" https://mastodon.example/ ", "https://mastodon.example"},
        {"https://mastodon.example:8443", "https://mastodon.example:8443"},
        {"http://127.0.0.1:8080", "http://127.0.0.1:8080"},
        {"http://[::1]:9000", "http://[::1]:9000"},
        {"http://localhost", "http://localhost"},
        {"http://127.1:8080", "http://127.0.0.1:8080"},
        {"http://[0:0:0:0:0:0:0:1]", "http://[::1]"},
        {"http://[::ffff:127.0.0.2]", "http://[::ffff:127.0.0.2]"},
        {"http://128.0.0.1", ""},
        {"http://[::2]", ""},
        {"http://mastodon.example", ""},
        {"http://127.0.0.1.example.com", ""},
        {"https://user:pw@mastodon.example", ""},
        {"https://mastodon.example/@office", ""},
        {"ftp://mastodon.example", ""},
        {"", ""},
        {"https://host;rm -rf", ""},
    };
    for (const Case &c : cases) {
        const auto address = serverAddress(QString::fromUtf8(c.typed));
        EXPECT_EQ(address.url.toString(), QString::fromUtf8(c.url)) << c.typed;
        EXPECT_EQ(address.ok(), *c.url != '\0') << c.typed;
    }
}

} // namespace
