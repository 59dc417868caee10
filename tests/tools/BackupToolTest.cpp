// tallowmere-db backup and restore as a user runs them: copies taken while the program
// writes, and a restore that puts a sound backup in place or changes nothing at all.
#include "ToolRun.h"
#include "db/Connection.h"
#include "support/PostgresServer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include <sys/stat.h>

using testing_support::PostgresServer;

namespace {

using testing_support::tool;
using testing_support::ToolRun;

QString scalar(const QString &database, const QString &sql)
{
    return tool({QStringLiteral("sql"), database, sql}).out.section(u'\n', 1, 1);
}

QByteArray digest(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return "missing";
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

unsigned modeOf(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0u;
}

class BackupTool : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(tool({QStringLiteral("init"), program()}).exitCode, 0);
        db::Connection connection;
        connection.openFile(business(program()));
        connection.executeScript(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
            "INSERT INTO BusinessInformation (BusninesName, BusinessCity) SELECT 'Business ' || i, 'Springfield' "
            "FROM n;"
            "INSERT INTO [Business Long Term Goal] (BusinessInformationId, BusinessLongTermGoal) "
            "SELECT BusinessInformationId, 'Grow' FROM BusinessInformation;"));
    }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    QString program() const { return path("program"); }
    static QString business(const QString &folder) { return folder + QStringLiteral("/Tallowmere.db"); }
    static QString rss(const QString &folder) { return folder + QStringLiteral("/Rss.db"); }
    static void expectSound(const QString &folder)
    {
        EXPECT_EQ(tool({QStringLiteral("check"), business(folder)}).out, "ok\n") << folder.toStdString();
        EXPECT_EQ(tool({QStringLiteral("check"), rss(folder)}).out, "ok\n") << folder.toStdString();
    }

    QTemporaryDir dir;
};

TEST_F(BackupTool, ABackupTakenWhileAnotherConnectionWritesIsTheDatabaseOfOneMoment)
{
    // Each transaction adds a business and its goal: a copy of one moment holds as many of either.
    std::atomic<bool> stop = false;
    std::atomic<int> committed = 0;
    std::thread writer([&] {
        db::Connection connection;
        connection.openFile(business(program()));
        while (!stop) {
            connection.beginTransaction();
            connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Late')"));
            connection.execute(QStringLiteral("INSERT INTO [Business Long Term Goal] (BusinessInformationId, "
                                              "BusinessLongTermGoal) VALUES (?, 'Later')"),
                               {connection.lastInsertRowId()});
            connection.commit();
            ++committed;
        }
    });
    while (committed < 5)
        std::this_thread::yield();
    const int before = committed;
    const ToolRun backup = tool({QStringLiteral("backup"), program(), path("copy")});
    const int after = committed;
    stop = true;
    writer.join();
    ASSERT_EQ(backup.exitCode, 0) << backup.err.toStdString();
    EXPECT_GT(after, before) << "the writer went on while the copy was taken";

    expectSound(path("copy"));
    const int businesses
        = scalar(business(path("copy")), QStringLiteral("select count(*) from BusinessInformation")).toInt();
    EXPECT_EQ(scalar(business(path("copy")), QStringLiteral("select count(*) from [Business Long Term Goal]")),
              QString::number(businesses));
    EXPECT_GE(businesses, 20000 + before);
    EXPECT_LE(businesses, 20000 + after);
    EXPECT_EQ(scalar(business(path("copy")), QStringLiteral("select max(BusinessInformationId) from "
                                                            "BusinessInformation")),
              QString::number(businesses));
    EXPECT_EQ(QDir(path("copy")).entryList(QDir::Files | QDir::Hidden), (QStringList{"Rss.db", "Tallowmere.db"}));
}

TEST_F(BackupTool, FilesAreTheOwnersAloneAndNothingIsWrittenOverAnotherDatabase)
{
    const mode_t previous = ::umask(0);
    ASSERT_EQ(tool({QStringLiteral("backup"), program(), path("made/deeper")}).exitCode, 0);
    QDir().mkpath(path("existing"));
    ASSERT_EQ(tool({QStringLiteral("backup"), program(), path("existing")}).exitCode, 0);
    ::umask(previous);
    EXPECT_EQ(modeOf(path("made/deeper")), 0700u);
    for (const char *folder : {"made/deeper", "existing"}) {
        EXPECT_EQ(modeOf(business(path(folder))), 0600u) << folder;
        EXPECT_EQ(modeOf(rss(path(folder))), 0600u) << folder;
        expectSound(path(folder));
    }

    // A second backup into the same folder, or one into the program folder itself, is refused.
    const QByteArray earlier = digest(business(path("existing")));
    db::Connection connection;
    connection.openFile(business(program()));
    connection.execute(QStringLiteral("DELETE FROM BusinessInformation"));
    for (const QString &folder : {path("existing"), program()}) {
        const ToolRun again = tool({QStringLiteral("backup"), program(), folder});
        EXPECT_EQ(again.exitCode, 1) << folder.toStdString();
        EXPECT_TRUE(again.err.contains(folder)) << again.err.toStdString();
    }
    EXPECT_EQ(digest(business(path("existing"))), earlier);
    EXPECT_EQ(QDir(path("existing")).entryList(QDir::Files | QDir::Hidden), (QStringList{"Rss.db", "Tallowmere.db"}));
    EXPECT_EQ(scalar(business(program()), QStringLiteral("select count(*) from BusinessInformation")), "0");

    const ToolRun missing = tool({QStringLiteral("backup"), path("nowhere"), path("out")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(path("nowhere"))) << missing.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("out")));
}

TEST_F(BackupTool, RestorePutsTheBackupInPlaceOfTheProgramsDatabases)
{
    ASSERT_EQ(tool({QStringLiteral("backup"), program(), path("copy")}).exitCode, 0);
    tool({QStringLiteral("sql"), business(program()), QStringLiteral("DELETE FROM BusinessInformation")});
    tool({QStringLiteral("sql"), rss(program()),
          QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES ('after the backup')")});

    {
        // What a restore is for: a business database that is no database any more.
        QFile wrecked(business(program()));
        ASSERT_TRUE(wrecked.open(QIODevice::ReadWrite));
        wrecked.write(QByteArray(4096, '\0'));
    }
    EXPECT_EQ(tool({QStringLiteral("check"), business(program())}).exitCode, 1);
    const ToolRun restored = tool({QStringLiteral("restore"), path("copy"), program()});
    ASSERT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    expectSound(program());
    EXPECT_EQ(scalar(business(program()), QStringLiteral("select count(*) from BusinessInformation")), "20000");
    EXPECT_EQ(scalar(rss(program()), QStringLiteral("select count(*) from Tbl_Rss_Feed_Items")), "0");
    EXPECT_EQ(QDir(program()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Rss.db", "Tallowmere.db"}));

    const mode_t previous = ::umask(0);
    EXPECT_EQ(tool({QStringLiteral("restore"), path("copy"), path("fresh")}).exitCode, 0);
    ::umask(previous);
    EXPECT_EQ(modeOf(path("fresh")), 0700u);
    EXPECT_EQ(modeOf(business(path("fresh"))), 0600u);
    expectSound(path("fresh"));
}

TEST_F(BackupTool, ADamagedForeignOrIncompleteBackupIsRefusedAndTheTargetLeftAsItWas)
{
    ASSERT_EQ(tool({QStringLiteral("backup"), program(), path("good")}).exitCode, 0);
    tool({QStringLiteral("sql"), business(program()), QStringLiteral("DELETE FROM MasterField")});
    struct Case
    {
        const char *name;
        std::function<void(const QString &)> spoil; // on a copy of the good backup
        const char *said;
    };
    const Case cases[] = {
        {"damaged",
         [](const QString &folder) {
             QFile file(business(folder));
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             file.seek(file.size() / 2);
             file.write(QByteArray(8192, '\x5a'));
         },
         "is not restored, it has problems"},
        {"foreign",
         [](const QString &folder) {
             QFile::remove(business(folder));
             db::Connection other;
             other.create(business(folder));
             other.executeScript(QStringLiteral("CREATE TABLE Customers (Name TEXT)"));
         },
         "Table ARTICLESOFINCORPORATION is missing."},
        {"swapped",
         [](const QString &folder) {
             QFile::remove(business(folder));
             QFile::copy(rss(folder), business(folder));
         },
         "Tallowmere.db is not restored, it has problems: Schema version "},
        {"incomplete", [](const QString &folder) { QFile::remove(rss(folder)); }, "has no Rss.db"},
    };
    const QByteArray businessBefore = digest(business(program()));
    const QByteArray rssBefore = digest(rss(program()));
    for (const Case &c : cases) {
        const QString backup = path(c.name);
        QDir().mkpath(backup);
        QFile::copy(business(path("good")), business(backup));
        QFile::copy(rss(path("good")), rss(backup));
        c.spoil(backup);
        const ToolRun run = tool({QStringLiteral("restore"), backup, program()});
        EXPECT_EQ(run.exitCode, 1) << c.name;
        EXPECT_TRUE(run.err.contains(QLatin1String(c.said))) << c.name << ": " << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(QLatin1String(".tallowmere-"))) << c.name << ": " << run.err.toStdString();
        EXPECT_EQ(digest(business(program())), businessBefore) << c.name;
        EXPECT_EQ(digest(rss(program())), rssBefore) << c.name;
        EXPECT_EQ(QDir(program()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Rss.db", "Tallowmere.db"}))
            << c.name;
    }

    // Databases a program has open are never replaced under it.
    {
        db::Connection open;
        open.openFile(business(program()));
        const ToolRun run = tool({QStringLiteral("restore"), path("good"), program()});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QLatin1String("is open in a program"))) << run.err.toStdString();
    }
    EXPECT_EQ(digest(business(program())), businessBefore);
    EXPECT_EQ(scalar(business(program()), QStringLiteral("select count(*) from MasterField")), "0");
    EXPECT_EQ(QDir(program()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Rss.db", "Tallowmere.db"}));
}

TEST(BackupToolOnServer, AServerIsBackedUpWithItsKeysAndRestoredIntoAnEmptyDatabase)
{
    QTemporaryDir dir;
    const QString files = dir.filePath(QStringLiteral("files"));
    ASSERT_EQ(tool({QStringLiteral("init"), files}).exitCode, 0);
    const QString uri = PostgresServer::shared().createDatabase();
    ASSERT_EQ(tool({QStringLiteral("copy"), files, uri}).exitCode, 0);
    for (const char *sql :
         {"INSERT INTO BusinessInformation (BusninesName, BusinessCity, BusinessInformationDate) VALUES "
          "('Caf\u00e9, \"Ost\"', 'K\u00f6ln', '2024-02-29'), ('Tab\tLine\nEnd', '', NULL), ('Gone', NULL, NULL)",
          "DELETE FROM BusinessInformation WHERE BusninesName = 'Gone'",
          "INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, Twittered) VALUES ('News', Yes)"}) {
        ASSERT_EQ(tool({QStringLiteral("sql"), uri, QString::fromUtf8(sql)}).exitCode, 0) << sql;
    }

    const QString backup = dir.filePath(QStringLiteral("backup"));
    const ToolRun run = tool({QStringLiteral("backup"), uri, backup});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(tool({QStringLiteral("check"), backup + QStringLiteral("/Tallowmere.db")}).out, "ok\n");
    EXPECT_EQ(tool({QStringLiteral("check"), backup + QStringLiteral("/Rss.db")}).out, "ok\n");
    const QString businesses = QStringLiteral("select * from BusinessInformation order by BusinessInformationId");
    const QString items = QStringLiteral("select * from Tbl_Rss_Feed_Items");
    EXPECT_EQ(tool({QStringLiteral("sql"), backup + QStringLiteral("/Tallowmere.db"), businesses}).out,
              tool({QStringLiteral("sql"), uri, businesses}).out);
    EXPECT_EQ(tool({QStringLiteral("sql"), backup + QStringLiteral("/Rss.db"), items}).out,
              tool({QStringLiteral("sql"), uri, items}).out);
    // The deleted business's key (3) does not come back in the files either.
    tool({QStringLiteral("sql"), backup + QStringLiteral("/Tallowmere.db"),
          QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Next')")});
    EXPECT_EQ(
        scalar(backup + QStringLiteral("/Tallowmere.db"),
               QStringLiteral("select BusinessInformationId from BusinessInformation where BusninesName = 'Next'")),
        "4");
    tool({QStringLiteral("sql"), backup + QStringLiteral("/Tallowmere.db"),
          QStringLiteral("DELETE FROM BusinessInformation WHERE BusninesName = 'Next'")});

    const QString empty = PostgresServer::shared().createDatabase();
    const ToolRun restored = tool({QStringLiteral("restore"), backup, empty});
    ASSERT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_EQ(tool({QStringLiteral("check"), empty}).out, "ok\n");
    EXPECT_EQ(tool({QStringLiteral("sql"), empty, businesses}).out, tool({QStringLiteral("sql"), uri, businesses}).out);
    // Into a database that holds the tables: refused, nothing added.
    const ToolRun again = tool({QStringLiteral("restore"), backup, uri});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QLatin1String("already holds"))) << again.err.toStdString();
    EXPECT_EQ(scalar(uri, QStringLiteral("select count(*) from BusinessInformation")), "2");
}

} // namespace
