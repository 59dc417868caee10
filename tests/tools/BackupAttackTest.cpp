// Backups and restores where others can write, backups changed under a restore,
// restores stopped half-way, and servers whose tables do not fit in memory.
#include "ToolRun.h"
#include "db/Backup.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "support/PostgresServer.h"
#include "support/ServerSql.h"
#include "support/StoppedRestore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using testing_support::PostgresServer;
using testing_support::tool;
using testing_support::ToolRun;

namespace {

QString business(const QString &folder)
{
    return folder + QStringLiteral("/Tallowmere.db");
}

QString rss(const QString &folder)
{
    return folder + QStringLiteral("/Rss.db");
}

QString scalar(const QString &database, const QString &sql)
{
    return tool({QStringLiteral("sql"), database, sql}).out.section(u'\n', 1, 1);
}

struct stat statOf(const QString &path)
{
    struct stat info = {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void writeFile(const QString &path, const QByteArray &content, mode_t mode)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
    file.close();
    ::chmod(QFile::encodeName(path).constData(), mode);
}

void link(const QString &target, const QString &name)
{
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(name).constData()), 0)
        << name.toStdString();
}

// A program folder holding one business and one RSS item, both named `name`.
void makeProgramFolder(const QString &folder, const QString &name)
{
    ASSERT_EQ(tool({QStringLiteral("init"), folder}).exitCode, 0);
    db::Connection connection;
    connection.openFile(business(folder));
    connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES (?)"), {name});
    db::Connection items;
    items.openFile(rss(folder));
    items.execute(QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES (?)"), {name});
}

// What the program folder holds: the business and the item, or what went wrong.
QString heldBy(const QString &folder)
{
    return scalar(business(folder), QStringLiteral("select group_concat(BusninesName) from BusinessInformation")) + u'/'
           + scalar(rss(folder), QStringLiteral("select group_concat(RssFeedItemTitle) from Tbl_Rss_Feed_Items"));
}

class BackupAttack : public ::testing::Test
{
protected:
    void SetUp() override
    {
        makeProgramFolder(program(), QStringLiteral("Before"));
        makeProgramFolder(path("source"), QStringLiteral("After"));
        ASSERT_EQ(tool({QStringLiteral("backup"), path("source"), backup()}).exitCode, 0);
    }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    QString program() const { return path("program"); }
    QString backup() const { return path("backup"); }

    QTemporaryDir dir;
};

TEST_F(BackupAttack, FilesAndLinksPlantedInASharedFolderGetNoneOfTheData)
{
    const QString shared = path("shared");
    const QString outside = path("outside"); // another user's folder
    ASSERT_TRUE(QDir().mkpath(shared) && QDir().mkpath(outside));
    ::chmod(QFile::encodeName(shared).constData(), 01777);
    ::chmod(QFile::encodeName(outside).constData(), 0777);

    // Under the names of earlier versions' working files, and under the final ones.
    link(outside + QStringLiteral("/staging"), shared + QStringLiteral("/.fresh.tallowmere-backup"));
    ASSERT_TRUE(QDir().mkpath(shared + QStringLiteral("/.premade.tallowmere-backup")));
    ::chmod(QFile::encodeName(shared + QStringLiteral("/.premade.tallowmere-backup")).constData(), 0777);
    writeFile(business(shared + QStringLiteral("/.premade.tallowmere-backup")), "planted", 0666);
    writeFile(rss(shared + QStringLiteral("/.premade.tallowmere-backup")), "planted", 0666);
    const QString existing = shared + QStringLiteral("/existing");
    ASSERT_TRUE(QDir().mkpath(existing));
    ::chmod(QFile::encodeName(existing).constData(), 01777);
    link(outside + QStringLiteral("/partial.db"), existing + QStringLiteral("/.Tallowmere.db.backup-partial"));
    writeFile(existing + QStringLiteral("/.Rss.db.backup-partial"), "planted", 0666);
    const QString taken = shared + QStringLiteral("/taken");
    ASSERT_TRUE(QDir().mkpath(taken));
    link(outside + QStringLiteral("/taken.db"), business(taken));

    const mode_t previous = ::umask(0);
    const ToolRun fresh = tool({QStringLiteral("backup"), program(), shared + QStringLiteral("/fresh")});
    const ToolRun premade = tool({QStringLiteral("backup"), program(), shared + QStringLiteral("/premade")});
    const ToolRun intoExisting = tool({QStringLiteral("backup"), program(), existing});
    const ToolRun intoTaken = tool({QStringLiteral("backup"), program(), taken});
    ::umask(previous);

    EXPECT_EQ(fresh.exitCode, 0) << fresh.err.toStdString();
    EXPECT_EQ(premade.exitCode, 0) << premade.err.toStdString();
    EXPECT_EQ(intoExisting.exitCode, 0) << intoExisting.err.toStdString();
    EXPECT_EQ(intoTaken.exitCode, 1);
    EXPECT_TRUE(intoTaken.err.contains(business(taken) + QStringLiteral(" exists already")))
        << intoTaken.err.toStdString();

    EXPECT_EQ(entries(outside), QStringList()) << "nothing went through a link";
    EXPECT_EQ(entries(taken), QStringList{"Tallowmere.db"});
    for (const QString &planted : QStringList{business(shared + QStringLiteral("/.premade.tallowmere-backup")),
                                              rss(shared + QStringLiteral("/.premade.tallowmere-backup")),
                                              existing + QStringLiteral("/.Rss.db.backup-partial")}) {
        QFile file(planted);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << planted.toStdString();
        EXPECT_EQ(file.readAll(), "planted") << planted.toStdString();
    }
    for (const QString &made :
         QStringList{shared + QStringLiteral("/fresh"), shared + QStringLiteral("/premade"), existing}) {
        if (made != existing) {
            EXPECT_EQ(statOf(made).st_mode & 07777, 0700u) << made.toStdString();
        }
        for (const QString &file : {business(made), rss(made)}) {
            EXPECT_TRUE(S_ISREG(statOf(file).st_mode)) << file.toStdString();
            EXPECT_EQ(statOf(file).st_mode & 07777, 0600u) << file.toStdString();
            EXPECT_EQ(tool({QStringLiteral("check"), file}).out, "ok\n") << file.toStdString();
        }
    }
    // No working folder stays behind.
    QStringList left;
    for (QDirIterator it(shared, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString name = QFileInfo(it.next()).fileName();
        if (name.startsWith(QLatin1String(".tallowmere-")))
            left << name;
    }
    EXPECT_EQ(left, QStringList());
}

// Adds to the backup's business database what the program never makes.
struct Deviation
{
    const char *name;
    const char *sql;
};

const Deviation Deviations[] = {
    {"check constraint",
     "PRAGMA writable_schema = ON; UPDATE sqlite_master SET sql = replace(sql, ') STRICT', ', CHECK (length("
     "BusninesName) < 3)) STRICT') WHERE name = 'BusinessInformation'; PRAGMA writable_schema = OFF;"},
    {"unique index",
     "DROP INDEX BusinessPurposeByBusiness; CREATE UNIQUE INDEX BusinessPurposeByBusiness ON BusinessPurpose "
     "(BusinessInformationId);"},
    {"partial index",
     "DROP INDEX BusinessTypeByBusiness; CREATE INDEX BusinessTypeByBusiness ON BusinessType (BusinessInformationId) "
     "WHERE BusinessInformationId > 5;"},
    {"trigger body",
     "DROP TRIGGER [BusinessType empty date on insert]; CREATE TRIGGER [BusinessType empty date on insert] AFTER "
     "INSERT ON [BusinessType] WHEN NEW.BusinessTypeDate = '' BEGIN DELETE FROM MasterField; END;"},
};

TEST_F(BackupAttack, ABackupWhoseSchemaDiffersInAnyConstraintIndexOrTriggerIsRefused)
{
    const QString before = heldBy(program());
    for (const Deviation &deviation : Deviations) {
        const QString spoilt = path("spoilt");
        QDir(spoilt).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(spoilt));
        ASSERT_TRUE(QFile::copy(business(backup()), business(spoilt)));
        ASSERT_TRUE(QFile::copy(rss(backup()), rss(spoilt)));
        {
            db::Connection connection;
            connection.openFile(business(spoilt));
            connection.executeScript(QLatin1String(deviation.sql));
        }
        const ToolRun check = tool({QStringLiteral("check"), business(spoilt)});
        EXPECT_EQ(check.exitCode, 1) << deviation.name;
        EXPECT_TRUE(check.out.contains(QLatin1String("differs from the program's")))
            << deviation.name << ": " << check.out.toStdString();
        const ToolRun run = tool({QStringLiteral("restore"), spoilt, program()});
        EXPECT_EQ(run.exitCode, 1) << deviation.name;
        EXPECT_TRUE(run.err.contains(business(spoilt) + QStringLiteral(" is not restored")))
            << deviation.name << ": " << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(QLatin1String(".tallowmere-")))
            << "names the working copy: " << run.err.toStdString();
        EXPECT_EQ(heldBy(program()), before) << deviation.name;
        EXPECT_EQ(entries(program()), (QStringList{"Rss.db", "Tallowmere.db"})) << deviation.name;
    }
}

TEST_F(BackupAttack, WhatIsPutInPlaceIsTheCopyThatWasChecked)
{
    // The backup gains a trigger once the restore has checked it.
    int moves = 0;
    db::Backup::restore(backup(), program(), [&] {
        if (++moves == 1) {
            db::Connection connection;
            connection.openFile(business(backup()));
            connection.executeScript(QStringLiteral(
                "CREATE TRIGGER Sneaky AFTER UPDATE ON BusinessInformation BEGIN DELETE FROM MasterField; END;"));
        } else if (moves == 2) {
            // A running restore is not taken for a stopped one, by another run or a start.
            for (const char *settle : {"--finish", "--undo"}) {
                const ToolRun run = tool({QStringLiteral("restore"), QLatin1String(settle), program()});
                EXPECT_EQ(run.exitCode, 1) << settle;
                EXPECT_TRUE(run.err.contains(QStringLiteral("A restore into %1 is running now").arg(program())))
                    << run.err.toStdString();
            }
            EXPECT_THROW(db::Backup::interruptedRestore(program()), db::DbError);
        }
    });
    EXPECT_EQ(moves, 4);
    EXPECT_EQ(heldBy(program()), "After/After");
    EXPECT_EQ(tool({QStringLiteral("check"), business(program())}).out, "ok\n");
    EXPECT_EQ(scalar(business(program()), QStringLiteral("select count(*) from sqlite_master where name = 'Sneaky'")),
              "0");
    EXPECT_EQ(entries(program()), (QStringList{"Rss.db", "Tallowmere.db"}));
}

TEST_F(BackupAttack, ARestoreStoppedBetweenItsMovesIsReportedAndCanBeFinishedOrUndone)
{
    const QString pristine = path("pristine");
    ASSERT_TRUE(QDir().mkpath(pristine));
    ASSERT_TRUE(QFile::copy(business(program()), business(pristine)));
    ASSERT_TRUE(QFile::copy(rss(program()), rss(pristine)));
    for (const bool finish : {true, false}) {
        for (int stopAfter = 1; stopAfter <= 4; ++stopAfter) {
            const std::string label = (finish ? "finish after move " : "undo after move ") + std::to_string(stopAfter);
            const QString target = path("target");
            QDir(target).removeRecursively();
            ASSERT_TRUE(QDir().mkpath(target));
            ASSERT_TRUE(QFile::copy(business(pristine), business(target)));
            ASSERT_TRUE(QFile::copy(rss(pristine), rss(target)));

            ASSERT_TRUE(restoreStoppedAfterMove(backup(), target, stopAfter)) << label;

            EXPECT_TRUE(db::Backup::interruptedRestore(target).startsWith(
                QStringLiteral("A restore into %1 was stopped before it was complete").arg(target)))
                << label;
            const QStringList left = entries(target);
            const ToolRun again = tool({QStringLiteral("restore"), backup(), target});
            EXPECT_EQ(again.exitCode, 1) << label;
            EXPECT_TRUE(again.err.contains(QStringLiteral("restore --finish %1").arg(target)))
                << again.err.toStdString();
            EXPECT_EQ(entries(target), left) << label;

            const ToolRun settled = tool(
                {QStringLiteral("restore"), finish ? QStringLiteral("--finish") : QStringLiteral("--undo"), target});
            ASSERT_EQ(settled.exitCode, 0) << label << ": " << settled.err.toStdString();
            EXPECT_EQ(heldBy(target), finish ? "After/After" : "Before/Before") << label;
            EXPECT_EQ(entries(target), (QStringList{"Rss.db", "Tallowmere.db"})) << label;
            EXPECT_EQ(db::Backup::interruptedRestore(target), QString()) << label;
            EXPECT_EQ(tool({QStringLiteral("check"), business(target)}).out, "ok\n") << label;
        }
    }
}

TEST_F(BackupAttack, ADatabaseOpenInAnyJournalModeIsNotReplaced)
{
    for (const char *mode : {"DELETE", "TRUNCATE", "WAL"}) {
        {
            db::Connection connection;
            connection.openFile(business(program()));
            connection.executeScript(QStringLiteral("PRAGMA journal_mode = %1").arg(QLatin1String(mode)));
        }
        db::Connection open; // idle: in rollback-journal modes it holds no lock
        open.openFile(business(program()));
        const QStringList before = entries(program());
        const ToolRun run = tool({QStringLiteral("restore"), backup(), program()});
        EXPECT_EQ(run.exitCode, 1) << mode;
        EXPECT_TRUE(run.err.contains(business(program()) + QStringLiteral(" is open in a program")))
            << mode << ": " << run.err.toStdString();
        EXPECT_EQ(heldBy(program()), "Before/Before") << mode;
        EXPECT_EQ(entries(program()), before) << mode;
    }
    const ToolRun closed = tool({QStringLiteral("restore"), backup(), program()});
    EXPECT_EQ(closed.exitCode, 0) << closed.err.toStdString();
    EXPECT_EQ(heldBy(program()), "After/After");
}

TEST_F(BackupAttack, RootRestoringIntoAUsersFolderLeavesEverythingTheUsers)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root";
    constexpr uid_t User = 65534; // nobody
    constexpr gid_t Group = 65534;
    const QString home = path("home");
    ASSERT_TRUE(QDir().mkpath(home));
    ASSERT_TRUE(QFile::rename(program(), home + QStringLiteral("/program")));
    for (const QString &owned :
         QStringList{home, home + QStringLiteral("/program"), business(home + QStringLiteral("/program")),
                     rss(home + QStringLiteral("/program"))})
        ASSERT_EQ(::chown(QFile::encodeName(owned).constData(), User, Group), 0);

    for (const char *target : {"/program", "/new/deeper"}) {
        const QString folder = home + QLatin1String(target);
        const ToolRun run = tool({QStringLiteral("restore"), backup(), folder});
        ASSERT_EQ(run.exitCode, 0) << target << ": " << run.err.toStdString();
        EXPECT_EQ(heldBy(folder), "After/After");
        for (QDirIterator it(home, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString name = it.next();
            EXPECT_EQ(statOf(name).st_uid, User) << name.toStdString();
            EXPECT_EQ(statOf(name).st_gid, Group) << name.toStdString();
        }
    }
}

// The peak memory of one run of the tool, in kilobytes.
long peakMemoryOfTool(const QStringList &arguments)
{
    QList<QByteArray> encoded;
    for (const QString &argument : arguments)
        encoded << argument.toUtf8();
    std::vector<char *> argv{const_cast<char *>(TALLOWMERE_DB_TOOL)};
    for (QByteArray &argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(TALLOWMERE_DB_TOOL, argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage = {};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

TEST(BackupAttackOnServer, ATableOfLargeTemplatesIsStreamedNotHeldWhole)
{
    QTemporaryDir dir;
    const QString uri = PostgresServer::shared().createDatabase();
    ASSERT_EQ(tool({QStringLiteral("init"), uri}).exitCode, 0);
    const long small = peakMemoryOfTool({QStringLiteral("backup"), uri, dir.filePath(QStringLiteral("small"))});
    ASSERT_GT(small, 0);
    {
        // 40 templates of 2 MB: 80 MB in one table.
        testing_support::ServerSql session(uri);
        session.runScript(
            QStringLiteral("INSERT INTO \"ARTICLESOFINCORPORATION\" (\"ReportName\", \"Info\") "
                           "SELECT 'Template ' || i, repeat(md5(i::text), 65536) FROM generate_series(1, 40) i"));
    }
    const long large = peakMemoryOfTool({QStringLiteral("backup"), uri, dir.filePath(QStringLiteral("large"))});
    ASSERT_GT(large, 0);
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer keeps freed memory aside to catch late uses: peaks say nothing there.
    static_cast<void>(small);
#else
    EXPECT_LT(large - small, 40 * 1024) << "kilobytes more for 80 MB of templates";
#endif
    EXPECT_EQ(tool({QStringLiteral("check"), dir.filePath(QStringLiteral("large/Tallowmere.db"))}).out, "ok\n");
    EXPECT_EQ(scalar(dir.filePath(QStringLiteral("large/Tallowmere.db")),
                     QStringLiteral("select sum(length(Info)) from ARTICLESOFINCORPORATION where ReportName like "
                                    "'Template %'")),
              QString::number(40 * 32 * 65536));
}

TEST(BackupAttackOnServer, ABackupWithAForeignConstraintIsNotRestoredIntoAServer)
{
    QTemporaryDir dir;
    const QString backup = dir.filePath(QStringLiteral("backup"));
    ASSERT_EQ(tool({QStringLiteral("init"), backup}).exitCode, 0);
    {
        db::Connection connection;
        connection.openFile(business(backup));
        connection.executeScript(QLatin1String(Deviations[0].sql));
    }
    const QString uri = PostgresServer::shared().createDatabase();
    const ToolRun run = tool({QStringLiteral("restore"), backup, uri});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(business(backup) + QStringLiteral(" is not restored"))) << run.err.toStdString();
    testing_support::ServerSql session(uri);
    EXPECT_EQ(
        session.value(QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE table_schema = 'public'"))
            .toInt(),
        0);
}

TEST_F(BackupAttack, AFolderOfAnotherUserIsNotWrittenInto)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to act as two other users";
    constexpr uid_t User = 65534;  // the one who backs up
    constexpr uid_t Other = 65533; // the one who made the folder first
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    for (const QString &owned : QStringList{program(), business(program()), rss(program())})
        ASSERT_EQ(::chown(QFile::encodeName(owned).constData(), User, User), 0);
    const QString shared = path("shared");
    ASSERT_TRUE(QDir().mkpath(shared + QStringLiteral("/premade")));
    ::chmod(QFile::encodeName(shared).constData(), 01777);
    ::chmod(QFile::encodeName(shared + QStringLiteral("/premade")).constData(), 0777);
    ASSERT_EQ(::chown(QFile::encodeName(shared + QStringLiteral("/premade")).constData(), Other, Other), 0);
    link(shared + QStringLiteral("/premade"), shared + QStringLiteral("/linked"));
    ASSERT_EQ(::lchown(QFile::encodeName(shared + QStringLiteral("/linked")).constData(), Other, Other), 0);

    // What the user's run said about each folder, or "made".
    const auto backUpAsUser = [&](const QString &folder) {
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0)
            return QString();
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipeEnds[0]);
            QByteArray said = "made";
            if (::setgid(User) != 0 || ::setuid(User) != 0)
                ::_exit(2);
            try {
                db::Backup::write(program(), folder);
            } catch (const db::DbError &error) {
                said = error.description().toUtf8();
            }
            const bool written
                = ::write(pipeEnds[1], said.constData(), static_cast<size_t>(said.size())) == said.size();
            ::_exit(written ? 0 : 3);
        }
        ::close(pipeEnds[1]);
        QByteArray said;
        char buffer[512];
        for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
            said.append(buffer, n);
        ::close(pipeEnds[0]);
        ::waitpid(child, nullptr, 0);
        return QString::fromUtf8(said);
    };
    for (const char *name : {"/premade", "/linked"}) {
        const QString folder = shared + QLatin1String(name);
        EXPECT_EQ(backUpAsUser(folder),
                  QStringLiteral("The folder %1 belongs to another user; a backup goes only into a folder of your own "
                                 "(or a new one). Nothing was written.")
                      .arg(folder));
    }
    EXPECT_EQ(entries(shared + QStringLiteral("/premade")), QStringList());
    EXPECT_EQ(backUpAsUser(shared + QStringLiteral("/fresh")), "made");
    EXPECT_EQ(statOf(business(shared + QStringLiteral("/fresh"))).st_uid, User);
}

} // namespace
