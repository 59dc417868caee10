// Where the program's databases live, told from the name given: a server's address,
// a program folder (with or without Tallowmere.url), or a file.
#include "db/Storage.h"
#include "db/BackupFiles.h"
#include "db/DbError.h"
#include "db/Schema.h"
#include "db/ServerAddress.h"
#include "support/ErrorOf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace db;
using testing_support::errorOf;

namespace {

const QString FileForm = QStringLiteral("Provider=SQLite;Data Source=x;");

void writeUrl(const QString &folder, const QByteArray &text)
{
    QFile url(QDir(folder).filePath(QLatin1String(ServerAddress::FileName)));
    ASSERT_TRUE(url.open(QIODevice::WriteOnly));
    url.write(text);
}

TEST(Storage, AnAddressOrAFolderThatNamesOneIsAServerAndEverythingElseFiles)
{
    QTemporaryDir plain;
    QTemporaryDir office;
    writeUrl(office.path(), "  postgresql://ann@office:5432/tallowmere \r\nignored\n");
    const QString address = QStringLiteral("postgresql://bob@server/tallowmere");
    struct Case
    {
        std::unique_ptr<Storage> storage;
        QString connectionString;
        QString businessFile;
    };
    Case cases[] = {
        {Storage::ofProgramFolder(plain.path()), FileForm,
         QDir(plain.path()).filePath(QStringLiteral("Tallowmere.db"))},
        {Storage::ofProgramFolder(office.path()), QStringLiteral("postgresql://ann@office:5432/tallowmere"), {}},
        {Storage::ofProgramFolder(address), address, {}},
        {Storage::at(address), address, {}},
        // A folder's Tallowmere.url counts only where a program folder is meant.
        {Storage::at(office.path()), FileForm, QDir(office.path()).filePath(QStringLiteral("Tallowmere.db"))},
        {Storage::ofFile(address), FileForm, QDir(address).filePath(QStringLiteral("Tallowmere.db"))},
    };
    int i = 0;
    for (const Case &each : cases) {
        EXPECT_EQ(each.storage->connectionString(FileForm), each.connectionString) << "case " << i;
        EXPECT_EQ(each.storage->databaseFile(QStringLiteral("Tallowmere.db")), each.businessFile) << "case " << i;
        ++i;
    }
}

TEST(Storage, ConnectionStringsOpenTheirFileOrServerAndSayWhenReadOnly)
{
    bool readOnly = true;
    const auto server = Storage::ofConnectionString(QStringLiteral(" postgresql://ann@office/t "), readOnly);
    EXPECT_EQ(server->connectionString(FileForm), QStringLiteral("postgresql://ann@office/t"));
    EXPECT_FALSE(readOnly);
    const auto file
        = Storage::ofConnectionString(QStringLiteral("Provider=SQLite;Data Source=\"a;b.db\";Mode=Read"), readOnly);
    EXPECT_EQ(file->connectionString(FileForm), FileForm);
    EXPECT_TRUE(readOnly);
    EXPECT_TRUE(errorOf([&] {
                    Storage::ofConnectionString(QStringLiteral("Provider=SQLite;"), readOnly);
                }).contains(QLatin1String("Data Source is missing")));
}

TEST(Storage, ADamagedTallowmereUrlIsNamedRatherThanTakenForFiles)
{
    QTemporaryDir folder;
    writeUrl(folder.path(), "mysql://ann@office/tallowmere\n");
    const QString error = errorOf([&] { Storage::ofProgramFolder(folder.path()); });
    EXPECT_TRUE(error.contains(QLatin1String("Tallowmere.url"))) << error.toStdString();
}

// A link in a database's place, even one that leads nowhere, is never followed to make
// the database at its target, nor replaced.
TEST(Storage, ANameTakenByABrokenLinkIsRefusedAndItsTargetNeverMade)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("elsewhere.db"));
    const QString folder = dir.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString business = QDir(folder).filePath(QStringLiteral("Tallowmere.db"));
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(business).constData()), 0);

    EXPECT_TRUE(errorOf([&] { Schema::createBusinessDatabase(business); }).contains(QLatin1String("exists already")));
    EXPECT_TRUE(errorOf([&] { Schema::createProgramDatabases(folder); }).contains(QLatin1String("exists already")));
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(QFileInfo(business).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("Rss.db"))));
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Tallowmere.db")})
        << "no working folder stays behind";
}

// Both databases appear together or not at all, whichever of them cannot be made.
TEST(Storage, AProgramFolderGetsBothDatabasesForItsOwnerAloneOrNeither)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("new folder; with 'quotes'"));
    Schema::createProgramDatabases(folder);
    EXPECT_TRUE(Schema::check(QDir(folder).filePath(QStringLiteral("Tallowmere.db"))).isEmpty());
    EXPECT_TRUE(Schema::check(QDir(folder).filePath(QStringLiteral("Rss.db"))).isEmpty());
    EXPECT_EQ(QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());

    const QString other = dir.filePath(QStringLiteral("other"));
    ASSERT_TRUE(QDir().mkpath(QDir(other).filePath(QStringLiteral("Rss.db"))));
    EXPECT_TRUE(errorOf([&] { Schema::createProgramDatabases(other); }).contains(QLatin1String("Rss.db")));
    EXPECT_EQ(QDir(other).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Rss.db")});
}

// What a stopped run left of its working folder goes with the next run; a folder
// another run still works in, a link, and a name of another form stay.
TEST(Storage, TheNextRunRemovesOnlyWorkingFoldersThatStoppedRunsLeft)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString stale = folder.filePath(QStringLiteral(".tallowmere-init-Stale1"));
    const QString inUse = folder.filePath(QStringLiteral(".tallowmere-init-InUse1"));
    const QString otherForm = folder.filePath(QStringLiteral(".tallowmere-init-longer-name"));
    const QString outside = folder.filePath(QStringLiteral("outside"));
    const QString link = folder.filePath(QStringLiteral(".tallowmere-init-Link01"));
    for (const QString &made : {stale, inUse, otherForm, outside})
        ASSERT_TRUE(QDir().mkpath(made));
    QFile kept(QDir(outside).filePath(QStringLiteral("kept")));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.close();
    ASSERT_EQ(::symlink(QFile::encodeName(outside).constData(), QFile::encodeName(link).constData()), 0);
    const int running = ::open(QFile::encodeName(inUse).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(running, 0);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);

    Schema::createProgramDatabases(dir.path());
    ::close(running);

    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_TRUE(QFileInfo(inUse).isDir());
    EXPECT_TRUE(QFileInfo(otherForm).isDir());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(kept.fileName()));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("Tallowmere.db"))));
}

} // namespace
