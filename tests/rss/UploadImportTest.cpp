#include "rss/UploadImport.h"
#include "RssTesting.h"

#include <gtest/gtest.h>

using namespace rss;
using namespace rss_testing;
using testing_support::TempProgramFolder;

namespace {

QStringList titles(const std::vector<RssItem> &items)
{
    QStringList all;
    for (const RssItem &item : items)
        all << item.title + u'|' + item.link + u'|' + item.description;
    return all;
}

} // namespace

TEST(UploadLines, GroupsOfThreeSeparatedByBlankLinesAndALoneLastTitleLeftOut)
{
    EXPECT_EQ(titles(parseUploadLines({QStringLiteral("A"), QStringLiteral("a.test"), QStringLiteral("first"),
                                       QString(), QStringLiteral("  "), QStringLiteral(" B "), QStringLiteral("b"),
                                       QStringLiteral("second"), QStringLiteral("lonely")})),
              (QStringList{QStringLiteral("A|a.test|first"), QStringLiteral(" B |b|second")}));
    EXPECT_TRUE(parseUploadLines({}).empty());
    EXPECT_TRUE(parseUploadLines({QStringLiteral("only a title")}).empty());
    // Cut short after the link: the item keeps what the file has.
    EXPECT_EQ(titles(parseUploadLines({QStringLiteral("A"), QStringLiteral("a.test")})),
              QStringList{QStringLiteral("A|a.test|")});
    // A blank line may stand as a link or description: it is taken as such.
    EXPECT_EQ(titles(parseUploadLines({QStringLiteral("A"), QString(), QString(), QStringLiteral("B"),
                                       QStringLiteral("b"), QStringLiteral("d")})),
              (QStringList{QStringLiteral("A||"), QStringLiteral("B|b|d")}));
}

TEST(UploadImport, ImportsTheFileAndAFailingItemIsSimplyMissing)
{
    TempProgramFolder folder;
    refuseTitle(folder, QStringLiteral("bad"));
    writeFile(folder.filePath(QStringLiteral("Upload.txt")),
              "It's one\r\nhttp://one.test\r\nFirst\r\n\r\nbad\r\nx\r\ny\r\nThree\r\n\r\nCaf\xE9 (Windows-1252)\r\n");
    const ImportResult result = importUploadFile();
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(result.failed, 1);
    EXPECT_EQ(rssRows(folder, QStringLiteral("select RssFeedItemTitle, RssFeedItemLink, RssFeedDescription, Twittered "
                                             "from Tbl_Rss_Feed_Items order by RssFeedItemId")),
              (QStringList{QStringLiteral("It's one|http://one.test|First|0"),
                           QStringLiteral("Three||Café (Windows-1252)|0")}));
}

TEST(UploadImport, AMissingOrEmptyFileImportsNothing)
{
    TempProgramFolder folder;
    EXPECT_EQ(importUploadFile().imported, 0);
    writeFile(folder.filePath(QStringLiteral("Upload.txt")), "");
    EXPECT_EQ(importUploadFile().imported, 0);
    EXPECT_TRUE(rssRows(folder, QStringLiteral("select * from Tbl_Rss_Feed_Items")).isEmpty());
}
