#include "rss/DirectoryList.h"
#include "RssTesting.h"

#include <gtest/gtest.h>

using namespace rss;

TEST(DirectoryList, ListInputDropsQuotesKeepsQuotedCommasAndSplitsAtCommasAndLineEnds)
{
    EXPECT_EQ(parseListInput(QStringLiteral("http://one.test/submit\r\n  http://two.test , http://three.test\n"
                                            "\"http://four.test/?a=1,b=2\"\r\n\r\n\"quoted\" tail,last")),
              (QStringList{QStringLiteral("http://one.test/submit"), QStringLiteral("http://two.test"),
                           QStringLiteral("http://three.test"), QStringLiteral("http://four.test/?a=1,b=2"),
                           QStringLiteral("quoted"), QStringLiteral("last")}));
    EXPECT_EQ(parseListInput(QStringLiteral("\"unterminated, entry")),
              QStringList{QStringLiteral("unterminated, entry")});
    EXPECT_TRUE(parseListInput(QString()).isEmpty());
}

TEST(DirectoryList, MissingFileGivesAnEmptyList)
{
    testing_support::TempProgramFolder folder(false);
    EXPECT_TRUE(readDirectoryList().isEmpty());
    rss_testing::writeFile(folder.filePath(QStringLiteral("urlNames.txt")), "http://a.test\r\nhttp://b.test\r\n");
    EXPECT_EQ(readDirectoryList(), (QStringList{QStringLiteral("http://a.test"), QStringLiteral("http://b.test")}));
}
