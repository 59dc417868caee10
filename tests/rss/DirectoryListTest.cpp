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
    // A quote left open ends with its line: the lines after it stay entries of their own.
    EXPECT_EQ(parseListInput(QStringLiteral("\"http://one.test, oops\r\nhttp://two.test\r\n\"http://three.test\"\n")),
              (QStringList{QStringLiteral("http://one.test, oops"), QStringLiteral("http://two.test"),
                           QStringLiteral("http://three.test")}));
    EXPECT_TRUE(parseListInput(QString()).isEmpty());
}

TEST(DirectoryList, MissingFileGivesAnEmptyList)
{
    testing_support::TempProgramFolder folder(false);
    EXPECT_TRUE(readDirectoryList().isEmpty());
    rss_testing::writeFile(folder.filePath(QStringLiteral("urlNames.txt")), "http://a.test\r\nhttp://b.test\r\n");
    EXPECT_EQ(readDirectoryList(), (QStringList{QStringLiteral("http://a.test"), QStringLiteral("http://b.test")}));
}

TEST(DirectoryList, AFifoInPlaceOfTheFileGivesAnEmptyListWithoutWaitingOnIt)
{
    testing_support::TempProgramFolder folder(false);
    const rss_testing::FifoInPlace fifo(folder.filePath(QStringLiteral("urlNames.txt")), "http://a.test\r\n");
    ASSERT_TRUE(fifo.made);
    EXPECT_TRUE(readDirectoryList().isEmpty());
}

TEST(DirectoryList, EntriesOpenOnlyAsWebPages)
{
    const std::pair<const char *, const char *> entries[] = {
        {"https://validator.w3.org/feed/", "https://validator.w3.org/feed/"},
        {"HTTP://Feeds.test/submit?a=1", "http://feeds.test/submit?a=1"},
        {"www.feedage.test/add", "http://www.feedage.test/add"},
        {"127.0.0.1:8080/submit", "http://127.0.0.1:8080/submit"},
        {"javascript:alert(document.cookie)", ""},
        {"JavaScript://%0Aalert(1)", ""},
        {"file:///etc/passwd", ""},
        {"data:text/html,<script>alert(1)</script>", ""},
        {"ftp://files.test/", ""},
        {"  ", ""},
    };
    for (const auto &[entry, page] : entries)
        EXPECT_EQ(directoryPage(QLatin1String(entry)).toString(), QLatin1String(page)) << entry;
}
