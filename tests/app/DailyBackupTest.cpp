// The backup of each day writes only into a backups folder of the user's own, and
// removes only the day folders it made, with only the files it put there.
#include "app/DailyBackup.h"
#include "base/Error.h"
#include "support/Files.h"
#include "support/TempFolder.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using testing_support::TempProgramFolder;

namespace {

class DailyBackupTest : public ::testing::Test
{
protected:
    QString backups() const { return folder.filePath("backups"); }
    QString day(int fromToday) const { return today.addDays(fromToday).toString(Qt::ISODate); }
    QString dayFolder(int fromToday) const { return backups() + u'/' + day(fromToday); }
    QStringList run(int fromToday) const { return app::DailyBackup::run(folder.path(), today.addDays(fromToday)); }
    QStringList dayFolders() const
    {
        return QDir(backups()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    static void touch(const QString &file) { testing_support::writeFile(file, "mine"); }

    TempProgramFolder folder;
    const QDate today = QDate::currentDate();
};

TEST_F(DailyBackupTest, ABackupsFolderThatIsALinkIsNeverFollowed)
{
    // The link leads to the user's photos, in folders named for days.
    QTemporaryDir photos;
    for (int daysAgo = 1; daysAgo <= 9; ++daysAgo) {
        const QString album = photos.filePath(day(-daysAgo - 2000));
        ASSERT_TRUE(QDir().mkpath(album));
        touch(album + QStringLiteral("/beach.jpg"));
    }
    const QStringList albums = QDir(photos.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(::symlink(QFile::encodeName(photos.path()).constData(), QFile::encodeName(backups()).constData()), 0);

    EXPECT_TRUE(app::DailyBackup::isDue(folder.path(), today));
    try {
        run(0);
        ADD_FAILURE() << "a backup was made behind the link";
    } catch (const base::Error &error) {
        EXPECT_TRUE(error.description().contains(backups() + QStringLiteral(" is a link")))
            << error.description().toStdString();
    }
    EXPECT_EQ(QDir(photos.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden), albums);
    for (const QString &album : albums)
        EXPECT_TRUE(QFile::exists(photos.filePath(album + QStringLiteral("/beach.jpg")))) << album.toStdString();
}

TEST_F(DailyBackupTest, OnlyTheBackupsOwnFoldersAndFilesAreRemovedAndTodaysIsKept)
{
    // Newest first, so that none is pruned before today's start.
    for (int daysAgo = 1; daysAgo <= 9; ++daysAgo)
        ASSERT_EQ(run(-daysAgo).size(), daysAgo - 1);
    // The user put a file of their own into the oldest backup, and made a day folder by hand.
    touch(dayFolder(-9) + QStringLiteral("/receipt.pdf"));
    ASSERT_TRUE(QDir().mkpath(dayFolder(-20)));
    touch(dayFolder(-20) + QStringLiteral("/Tallowmere.db"));

    EXPECT_EQ(run(0), QStringList());
    QStringList expected{day(-20), day(-9)};
    for (int daysAgo = 6; daysAgo >= 0; --daysAgo)
        expected << day(-daysAgo);
    EXPECT_EQ(dayFolders(), expected);
    EXPECT_EQ(QDir(dayFolder(-9)).entryList(QDir::Files | QDir::Hidden), QStringList{"receipt.pdf"});
    EXPECT_TRUE(QFile::exists(dayFolder(-20) + QStringLiteral("/Tallowmere.db")));
    EXPECT_TRUE(QFileInfo(dayFolder(0) + QStringLiteral("/Tallowmere.db")).isFile());
}

TEST_F(DailyBackupTest, FoldersDatedAfterTodayAreKeptNamedAndNotCountedAgainstToday)
{
    // Folders of a month ahead, as a clock that was wrong made them.
    for (int ahead = 30; ahead >= 1; --ahead)
        ASSERT_EQ(run(ahead).size(), 30 - ahead);
    for (int daysAgo = 3; daysAgo >= 1; --daysAgo) {
        const QStringList said = run(-daysAgo);
        EXPECT_EQ(said.size(), 30) << daysAgo;
    }

    const QStringList said = run(0);
    ASSERT_EQ(said.size(), 30);
    EXPECT_TRUE(said.join(u'\n').contains(dayFolder(30) + QStringLiteral(" is dated after today (") + day(0)))
        << said.join(u'\n').toStdString();
    EXPECT_TRUE(QFileInfo(dayFolder(0) + QStringLiteral("/Tallowmere.db")).isFile());
    EXPECT_EQ(dayFolders().size(), 34);
    for (int ahead = 1; ahead <= 30; ++ahead)
        EXPECT_TRUE(QFileInfo(dayFolder(ahead) + QStringLiteral("/Rss.db")).isFile()) << ahead;
    EXPECT_FALSE(app::DailyBackup::isDue(folder.path(), today));
}

} // namespace
