// Copying an installation's delivered files into the user's own folder.
#include "db/ProgramFolderDelivery.h"
#include "base/Error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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
        // Plug-ins are installed without the executable bit.
        writeFile(install.filePath("libtallowmere_webengine.so"), "plug-in", ReadOnly);
        // What someone who once worked in the folder left there.
        writeFile(install.filePath("config.ini"), "their passwords");
        writeFile(install.filePath("config.ini.Ab12Cd"), "their passwords, half written");
        // Whatever the umask, a user's own copies are theirs alone.
        previousUmask = ::umask(0);
    }

    void TearDown() override { ::umask(previousUmask); }

    QString userFolder() const { return user.filePath("share/Tallowmere"); }
    QString userFile(const char *name) const { return QDir(userFolder()).filePath(QLatin1String(name)); }

    QTemporaryDir install;
    QTemporaryDir user;
    mode_t previousUmask = 0;
};

mode_t modeOf(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST_F(DeliveryTest, FirstStartCopiesDatabasesAndCompanionFilesForTheUserAloneButNoProgramOrJournal)
{
    const QStringList copied = db::copyMissingDeliveredFiles(install.path(), userFolder());
    EXPECT_EQ(copied, (QStringList{"BusineeResources.html", "Rss.db", "Tallowmere.db", "urlNames.txt"}));
    EXPECT_EQ(readFile(userFile("Tallowmere.db")), "business database");
    EXPECT_EQ(readFile(userFile("urlNames.txt")), "http://example.com/\r\n");
    EXPECT_EQ(modeOf(userFolder()), 0700u);
    for (const QString &name : copied)
        EXPECT_EQ(modeOf(QDir(userFolder()).filePath(name)), 0600u) << name.toStdString();
    EXPECT_FALSE(QFile::exists(userFile("tallowmere")));
    EXPECT_FALSE(QFile::exists(userFile("libtallowmere_webengine.so")));
    EXPECT_FALSE(QFile::exists(userFile("config.ini")));
    EXPECT_FALSE(QFile::exists(userFile("Tallowmere.db-wal")));
    EXPECT_FALSE(QFile::exists(userFile("Tallowmere.db.part")));
}

TEST_F(DeliveryTest, LaterStartsNeverReplaceTheUsersFilesAndBringOnlyNewlyDeliveredOnes)
{
    db::copyMissingDeliveredFiles(install.path(), userFolder());
    // A folder an earlier version left open to everyone is closed again.
    QFile::setPermissions(userFolder(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    writeFile(userFile("Tallowmere.db"), "the user's businesses");
    QFile::remove(userFile("Rss.db"));
    writeFile(install.filePath("NewCompanion.txt"), "added by an update");

    EXPECT_EQ(db::copyMissingDeliveredFiles(install.path(), userFolder()), (QStringList{"NewCompanion.txt", "Rss.db"}));
    EXPECT_EQ(readFile(userFile("Tallowmere.db")), "the user's businesses");
    EXPECT_EQ(modeOf(userFolder()), 0700u);
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

// An installation is never worked in, even by a user who can write there; a build
// tree or a portable copy is, when it can be written.
TEST(ProgramFolderChoice, AnInstallationIsNeverTheWorkingFolder)
{
    QTemporaryDir root;
    const QString programs = root.filePath(QStringLiteral("prefix/lib/x/y/tallowmere"));
    const QString userData = root.filePath(QStringLiteral("home/.local/share/Tallowmere"));
    ASSERT_TRUE(QDir().mkpath(programs));
    EXPECT_EQ(db::workingFolderFor(programs, userData), programs);
    EXPECT_EQ(db::deliveredFolderOf(programs), QString());

    const QString delivered = QDir::cleanPath(programs + u'/' + db::deliveredFolderFromProgram());
    ASSERT_TRUE(QDir().mkpath(delivered));
    EXPECT_EQ(db::deliveredFolderOf(programs), delivered);
    EXPECT_EQ(db::workingFolderFor(programs, userData), userData);
}

} // namespace
