#include "rss/PublishingSettings.h"
#include "RssTesting.h"
#include "base/Error.h"
#include "db/ProgramFolder.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using rss::PublishingSettings;
using testing_support::TempProgramFolder;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

} // namespace

TEST(PublishingSettings, MissingFileOrMissingLinesGiveEmptyValues)
{
    TempProgramFolder folder(false);
    EXPECT_FALSE(PublishingSettings::exists());
    EXPECT_EQ(PublishingSettings::read(), PublishingSettings{});

    writeBytes(folder.filePath(QStringLiteral("config.ini")), "Acme\r\nhttp://acme.test\r\nTools\r\n");
    const PublishingSettings settings = PublishingSettings::read();
    EXPECT_EQ(settings.companyName, QStringLiteral("Acme"));
    EXPECT_EQ(settings.channelDescription, QStringLiteral("Tools"));
    EXPECT_TRUE(settings.ftpSite.isEmpty());
    EXPECT_TRUE(settings.twitterPassword.isEmpty());
}

TEST(PublishingSettings, WritesNineCrLfLinesOwnerOnlyAndDropsExtraLines)
{
    TempProgramFolder folder(false);
    const QString path = folder.filePath(QStringLiteral("config.ini"));
    writeBytes(path, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\nten\r\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::ReadGroup);

    PublishingSettings settings = PublishingSettings::read();
    EXPECT_EQ(settings.twitterPassword, QStringLiteral("9"));
    settings.companyName = QStringLiteral("  Zoë's shop  ");
    settings.ftpPassword = QStringLiteral("two\nlines");
    settings.write();

    EXPECT_EQ(fileBytes(path), QByteArray("  Zo\xC3\xAB's shop  \r\n2\r\n3\r\n4\r\n5\r\ntwo lines\r\n7\r\n8\r\n9\r\n"));
    struct stat status = {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(PublishingSettings::read().companyName, QStringLiteral("  Zoë's shop  "));
}

TEST(PublishingSettings, EachLineKeepsItsOwnEncodingSoTheNextWriteKeepsThePassword)
{
    TempProgramFolder folder(false);
    const QString path = folder.filePath(QStringLiteral("config.ini"));
    // The company name from an old Windows program, the password typed here in UTF-8.
    writeBytes(path, "Caf\xE9 M\xFCller\r\n\r\n\r\nftp.test\r\nme\r\np\xC3\xA4ss\xE2\x82\xAC\r\n");
    PublishingSettings settings = PublishingSettings::read();
    EXPECT_EQ(settings.companyName, QStringLiteral("Café Müller"));
    EXPECT_EQ(settings.ftpPassword, QStringLiteral("päss€"));
    settings.ftpDirectory = QStringLiteral("feeds");
    settings.write();
    EXPECT_TRUE(fileBytes(path).contains("\r\np\xC3\xA4ss\xE2\x82\xAC\r\nfeeds\r\n"));
}

TEST(PublishingSettings, AFifoInPlaceOfTheFileReadsAsMissingWithoutWaitingOnIt)
{
    TempProgramFolder folder(false);
    const rss_testing::FifoInPlace fifo(folder.filePath(QStringLiteral("config.ini")), "Acme\r\n");
    ASSERT_TRUE(fifo.made);
    EXPECT_EQ(PublishingSettings::read(), PublishingSettings{});
}

TEST(PublishingSettings, UnwritableFolderIsReportedByName)
{
    TempProgramFolder folder(false);
    db::ProgramFolder::setOverride(folder.filePath(QStringLiteral("missing")));
    try {
        PublishingSettings{}.write();
        FAIL() << "no error";
    } catch (const base::FileError &error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("config.ini"))) << error.description().toStdString();
    }
}
