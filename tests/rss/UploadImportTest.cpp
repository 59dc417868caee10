#include "rss/UploadImport.h"
#include "RssTesting.h"
#include "base/Error.h"

#include <QDir>
#include <QStringEncoder>

#include <set>

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

TEST(UploadImport, FailingItemsAtEitherEndOfABatchLeaveOnlyThemselvesOut)
{
    TempProgramFolder folder;
    refuseTitle(folder, QStringLiteral("bad"));
    const int count = static_cast<int>(2 * ImportBatchSize + 3);
    const std::set<int> refused{0, static_cast<int>(ImportBatchSize) - 1, static_cast<int>(ImportBatchSize), count - 1};
    QByteArray file;
    QStringList expected;
    for (int i = 0; i < count; ++i) {
        const QByteArray title = refused.count(i) ? QByteArray("bad") : "item " + QByteArray::number(i);
        file += title + "\r\nl\r\nd\r\n\r\n";
        if (!refused.count(i))
            expected << QString::fromLatin1(title);
    }
    writeFile(folder.filePath(QStringLiteral("Upload.txt")), file);
    const ImportResult result = importUploadFile();
    EXPECT_EQ(result.imported, count - 4);
    EXPECT_EQ(result.failed, 4);
    EXPECT_EQ(rssRows(folder, QStringLiteral("select RssFeedItemTitle from Tbl_Rss_Feed_Items order by RssFeedItemId")),
              expected);
}

TEST(UploadImport, AMissingFileIsNamedAndAnEmptyOneImportsNothing)
{
    TempProgramFolder folder;
    try {
        importUploadFile();
        FAIL() << "a missing file passed silently";
    } catch (const base::FileError &error) {
        EXPECT_TRUE(error.description().contains(QDir::toNativeSeparators(folder.filePath("Upload.txt"))))
            << error.description().toStdString();
    }
    writeFile(folder.filePath(QStringLiteral("Upload.txt")), "");
    EXPECT_EQ(importUploadFile().imported, 0);
    EXPECT_TRUE(rssRows(folder, QStringLiteral("select * from Tbl_Rss_Feed_Items")).isEmpty());
}

TEST(UploadImport, UnicodeFilesFromWindowsEditorsAreImportedAsWritten)
{
    const QString text = QStringLiteral("Café “news”\r\nhttp://a.test/é\r\nZoë's 𝄞\r\n\r\nTwo\r\nb\r\nd\r\n");
    const auto encoded = [&text](QStringEncoder::Encoding encoding) {
        return QByteArray(QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(text));
    };
    const std::pair<const char *, QByteArray> files[] = {
        {"UTF-16 LE (Notepad's Unicode)", encoded(QStringEncoder::Utf16LE)},
        {"UTF-16 BE", encoded(QStringEncoder::Utf16BE)},
        {"UTF-8 with a mark", encoded(QStringEncoder::Utf8)},
    };
    for (const auto &[name, bytes] : files) {
        SCOPED_TRACE(name);
        TempProgramFolder folder;
        writeFile(folder.filePath(QStringLiteral("Upload.txt")), bytes);
        EXPECT_EQ(importUploadFile().imported, 2);
        EXPECT_EQ(rssRows(folder, QStringLiteral("select RssFeedItemTitle, RssFeedItemLink, RssFeedDescription "
                                                 "from Tbl_Rss_Feed_Items order by RssFeedItemId")),
                  (QStringList{QStringLiteral("Café “news”|http://a.test/é|Zoë's 𝄞"), QStringLiteral("Two|b|d")}));
    }
}

TEST(UploadImport, AFifoInPlaceOfTheFileIsRefusedWithoutWaitingOnIt)
{
    TempProgramFolder folder;
    const FifoInPlace fifo(folder.filePath(QStringLiteral("Upload.txt")), "A\r\na.test\r\nfirst\r\n");
    ASSERT_TRUE(fifo.made);
    QString failure;
    try {
        importUploadFile();
    } catch (const base::FileError &error) {
        failure = error.description();
    }
    EXPECT_TRUE(failure.contains(QStringLiteral("Upload.txt")) && failure.contains(QStringLiteral("regular")))
        << failure.toStdString();
    EXPECT_TRUE(rssRows(folder, QStringLiteral("select * from Tbl_Rss_Feed_Items")).isEmpty());
}
