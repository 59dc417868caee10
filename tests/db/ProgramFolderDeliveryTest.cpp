// Copying an installation's delivered files into the user's own folder.
#include "db/ProgramFolderDelivery.h"
#include "base/Error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes, QFile::Permissions permissions = {})
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    file.close();
    if (permissions)
        QFile::setPermissions(path, permissions);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class DeliveryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        constexpr auto ReadOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        writeFile(install.filePath("Tallowmere.db"), "business database", ReadOnly);
        writeFile(install.filePath("Rss.db"), "rss database", ReadOnly);
        writeFile(install.filePath("BusineeResources.html"), "<html/>");
        writeFile(install.filePath("urlNames.txt"), "http://example.com/\r\n");
        writeFile(install.filePath("tallowmere"), "program", ReadOnly | QFile::ExeOwner | QFile::ExeOther);
        writeFile(install.filePath("Tallowmere.db-wal"), "left by a run in place");
    }

    QString userFolder() const { return user.filePath("share/Tallowmere"); }
    QString userFile(const char *name) const { return QDir(userFolder()).filePath(QLatin1String(name)); }

    QTemporaryDir install;
    QTemporaryDir user;
};

TEST_F(DeliveryTest, FirstStartCopiesDatabasesAndCompanionFilesWritableButNoProgramOrJournal)
{
    const QStringList copied = db::copyMissingDeliveredFiles(install.path(), userFolder());
    EXPECT_EQ(copied, (QStringList{"BusineeResources.html", "Rss.db", "Tallowmere.db", "urlNames.txt"}));
    EXPECT_EQ(readFile(userFile("Tallowmere.db")), "business database");
    EXPECT_EQ(readFile(userFile("urlNames.txt")), "http://example.com/\r\n");
    EXPECT_TRUE(QFile::permissions(userFile("Tallowmere.db")) & QFile::WriteOwner);
    EXPECT_FALSE(QFile::exists(userFile("tallowmere")));
    EXPECT_FALSE(QFile::exists(userFile("Tallowmere.db-wal")));
    EXPECT_FALSE(QFile::exists(userFile("Tallowmere.db.part")));
}

TEST_F(DeliveryTest, LaterStartsNeverReplaceTheUsersFilesAndBringOnlyNewlyDeliveredOnes)
{
    db::copyMissingDeliveredFiles(install.path(), userFolder());
    writeFile(userFile("Tallowmere.db"), "the user's businesses");
    QFile::remove(userFile("Rss.db"));
    writeFile(install.filePath("NewCompanion.txt"), "added by an update");

    EXPECT_EQ(db::copyMissingDeliveredFiles(install.path(), userFolder()), (QStringList{"NewCompanion.txt", "Rss.db"}));
    EXPECT_EQ(readFile(userFile("Tallowmere.db")), "the user's businesses");
    EXPECT_EQ(db::copyMissingDeliveredFiles(install.path(), userFolder()), QStringList());
}

TEST_F(DeliveryTest, AFolderThatCannotBeMadeIsNamed)
{
    writeFile(user.filePath("share"), "a file where the folder should go");
    try {
        db::copyMissingDeliveredFiles(install.path(), userFolder());
        FAIL() << "copied into a folder that cannot exist";
    } catch (const base::FileError &error) {
        EXPECT_TRUE(error.description().contains(userFolder())) << error.description().toStdString();
    }
}

TEST_F(DeliveryTest, ACopyCutShortLeavesNoFileUnderADeliveredName)
{
    // A stale partial copy from an interrupted start is not mistaken for the database.
    QDir().mkpath(userFolder());
    writeFile(userFile("Tallowmere.db.part"), "half");
    db::copyMissingDeliveredFiles(install.path(), userFolder());
    EXPECT_EQ(readFile(userFile("Tallowmere.db")), "business database");
    EXPECT_FALSE(QFile::exists(userFile("Tallowmere.db.part")));
}

} // namespace
