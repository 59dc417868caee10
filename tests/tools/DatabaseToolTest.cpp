// tallowmere-db as a user runs it: exit statuses, output format, and a file that
// survives a writer killed in the middle of its work.
#include "ToolRun.h"
#include "db/Connection.h"
#include "db/ProgramFolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testing_support::tool;
using testing_support::ToolRun;

class DatabaseTool : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(tool({QStringLiteral("init"), folder()}).exitCode, 0); }
    QString folder() const { return dir.filePath(QStringLiteral("data")); }
    QString business() const { return folder() + QStringLiteral("/Tallowmere.db"); }
    QTemporaryDir dir;
};

TEST_F(DatabaseTool, InitRefusesToOverwriteAndNamesTheFile)
{
    EXPECT_TRUE(QFile::exists(folder() + QStringLiteral("/Rss.db")));
    const ToolRun again = tool({QStringLiteral("init"), folder()});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(business())) << again.err.toStdString();
    EXPECT_EQ(tool({QStringLiteral("check"), business()}).out, "ok\n");
}

TEST_F(DatabaseTool, SqlPrintsEscapedTabSeparatedRows)
{
    EXPECT_EQ(tool({QStringLiteral("sql"), business(),
                    QStringLiteral("INSERT INTO BusinessInformation (BusninesName, BusinessCity) "
                                   "VALUES ('Tab\tCR\rLF\nSlash\\', '')")})
                  .out,
              "");
    const ToolRun run = tool({QStringLiteral("sql"), business(),
                              QStringLiteral("select BusinessInformationId, BusninesName, BusinessCity, BusinessZip "
                                             "from [BusinessInformation]")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "BusinessInformationId\tBusninesName\tBusinessCity\tBusinessZip\n"
                       "1\tTab\\tCR\\rLF\\nSlash\\\\\t\t\\N\n");
}

TEST_F(DatabaseTool, ErrorsGoToStandardErrorWithStatusOne)
{
    const ToolRun run = tool({QStringLiteral("sql"), business(), QStringLiteral("select * from Nowhere")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.contains(QStringLiteral("No such table: Nowhere."))) << run.err.toStdString();
    // The engine quotes the whole unfinished text; what reaches a person is cut.
    const ToolRun huge = tool({QStringLiteral("sql"), business(), QStringLiteral("select '") + QString(100000, u'a')});
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_TRUE(huge.err.contains(QLatin1String("Unrecognized token"))) << huge.err.left(300).toStdString();
    EXPECT_LT(huge.err.size(), 1000);

    QFile junk(dir.filePath(QStringLiteral("junk.db")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a database at all, just some text that is long enough to have a header");
    junk.close();
    const ToolRun check = tool({QStringLiteral("check"), junk.fileName()});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.out.contains(QStringLiteral("not a database"))) << check.out.toStdString();
}

TEST_F(DatabaseTool, KilledWriterLeavesASoundFileWithEveryCommittedRow)
{
    QProcess writer;
    writer.start(QStringLiteral(TALLOWMERE_CRASH_WRITER), {business()});
    ASSERT_TRUE(writer.waitForStarted());
    QString lastCommitted;
    int commits = 0;
    while (commits < 20 && writer.waitForReadyRead(30000)) {
        while (writer.canReadLine()) {
            lastCommitted = QString::fromUtf8(writer.readLine()).trimmed();
            ++commits;
        }
    }
    ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
    writer.waitForFinished();
    // Lines that arrived between the last read and the kill are committed too.
    for (const QByteArray &line : writer.readAllStandardOutput().split('\n')) {
        if (!line.trimmed().isEmpty())
            lastCommitted = QString::fromUtf8(line).trimmed();
    }
    ASSERT_GE(commits, 20);

    EXPECT_EQ(tool({QStringLiteral("check"), business()}).out, "ok\n");
    const ToolRun count = tool(
        {QStringLiteral("sql"), business(),
         QStringLiteral("select count(*) from BusinessInformation where BusinessInformationId <= ") + lastCommitted});
    EXPECT_EQ(count.out, QStringLiteral("count(*)\n%1\n").arg(lastCommitted));
}

TEST_F(DatabaseTool, DeleteTakesOnlyATargetListBeforeFrom)
{
    const auto run = [this](const char *sql) {
        return tool({QStringLiteral("sql"), business(), QString::fromUtf8(sql)});
    };
    const auto fields = [&] {
        return tool({QStringLiteral("sql"), business(), QStringLiteral("select count(*) from MasterField")}).out;
    };
    for (const char *refused :
         {"DELETE WHERE MasterFieldId = 2 FROM MasterField", "DELETE; SELECT * FROM MasterField",
          "DELETE MasterFieldId FROM MasterField", "DELETE MasterField.* MasterField FROM MasterField"}) {
        const ToolRun result = run(refused);
        EXPECT_EQ(result.exitCode, 1) << refused;
        EXPECT_TRUE(result.err.contains(QStringLiteral("syntax error"))) << refused << ": " << result.err.toStdString();
    }
    EXPECT_EQ(fields(), "count(*)\n29\n") << "nothing deleted";

    EXPECT_EQ(run("DELETE MasterField.* FROM MasterField WHERE MasterFieldId = 2 -- the second field").exitCode, 0);
    EXPECT_EQ(run("DELETE * From [MasterField] WHERE (((MasterField.MasterFieldId)=3)); /* done */").exitCode, 0);
    EXPECT_EQ(
        run("delete MasterField.MasterFieldName, [MasterField].MasterFieldId from MasterField where MasterFieldId = 4")
            .exitCode,
        0);
    EXPECT_EQ(fields(), "count(*)\n26\n");
    EXPECT_EQ(run("DELETE FROM MasterField WHERE MasterFieldId = 5; -- one\nDELETE FROM MasterField").exitCode, 1)
        << "a second statement after a comment is still a second statement";
    EXPECT_EQ(fields(), "count(*)\n26\n");
}

TEST_F(DatabaseTool, FilePathsReachTheEngineExactlyAsGiven)
{
    // A database named "semi" beside a folder "semi;colon" catches a path cut at ';'.
    const QString odd = dir.filePath(QStringLiteral("semi;colon = \u00e9t\u00e9 'x' \"y\""));
    ASSERT_EQ(tool({QStringLiteral("init"), odd}).exitCode, 0);
    ASSERT_TRUE(QFile::copy(business(), dir.filePath(QStringLiteral("semi"))));
    const QString relative = QDir(odd).dirName() + QStringLiteral("/Tallowmere.db");
    EXPECT_EQ(tool({QStringLiteral("sql"), relative, QStringLiteral("DELETE FROM MasterField")}, dir.path()).exitCode,
              0);
    EXPECT_EQ(tool({QStringLiteral("sql"), odd + QStringLiteral("/Tallowmere.db"),
                    QStringLiteral("select count(*) from MasterField")})
                  .out,
              "count(*)\n0\n");
    EXPECT_EQ(tool({QStringLiteral("sql"), QStringLiteral("semi"), QStringLiteral("select count(*) from MasterField")},
                   dir.path())
                  .out,
              "count(*)\n29\n");

    const ToolRun spaced = tool({QStringLiteral("sql"), business() + u' ', QStringLiteral("DELETE FROM MasterField")});
    EXPECT_EQ(spaced.exitCode, 1);
    EXPECT_TRUE(spaced.err.contains(QStringLiteral("does not exist"))) << spaced.err.toStdString();
    for (const QString &name : {QStringLiteral(":memory:"), QStringLiteral("file:x.db")}) {
        const ToolRun engineName = tool({QStringLiteral("sql"), name, QStringLiteral("select 1")}, dir.path());
        EXPECT_EQ(engineName.exitCode, 1) << name.toStdString() << " is a file name like any other";
    }
    EXPECT_EQ(tool({QStringLiteral("sql"), business(), QStringLiteral("select count(*) from MasterField")}).out,
              "count(*)\n29\n");
}

TEST_F(DatabaseTool, CheckNamesEveryDifferenceFromTheSchemaTheProgramExpects)
{
    struct Case
    {
        const char *change;
        const char *expectedLine;
    };
    const Case cases[] = {
        {"ALTER TABLE BusinessInformation DROP COLUMN BusinessFaxNumber",
         "Table BusinessInformation has no column BusinessFaxNumber."},
        {"DROP TABLE MasterField; CREATE VIEW MasterField AS SELECT 1 AS MasterFieldId, 'x' AS MasterFieldName",
         "MasterField is a view, expected a table."},
        {"ALTER TABLE ARTICLESOFINCORPORATION RENAME TO Old; CREATE TABLE ARTICLESOFINCORPORATION (ReportId INTEGER "
         "PRIMARY KEY AUTOINCREMENT, ReportName TEXT COLLATE NOCASE, Info TEXT); DROP TABLE Old",
         "Table ARTICLESOFINCORPORATION is not STRICT."},
        {"PRAGMA user_version = 5", "Schema version 5, expected 4."},
        {"DROP INDEX BusinessTypeByBusiness", "Index BusinessTypeByBusiness is missing."},
        {"CREATE TABLE Notes (Note TEXT)", "The table Notes is not one of the program's."},
    };
    int n = 0;
    for (const Case &c : cases) {
        const QString copy = dir.filePath(QStringLiteral("case%1/Tallowmere.db").arg(++n));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(copy).path()));
        ASSERT_TRUE(QFile::copy(business(), copy));
        {
            db::Connection connection;
            connection.openFile(copy);
            connection.executeScript(QString::fromUtf8(c.change));
        }
        const ToolRun run = tool({QStringLiteral("check"), copy});
        EXPECT_EQ(run.exitCode, 1) << c.change;
        EXPECT_TRUE(run.out.split(u'\n').contains(QString::fromUtf8(c.expectedLine))) << c.change << "\n"
                                                                                      << run.out.toStdString();
    }

    // The RSS database copied over the business database.
    const QString swapped = dir.filePath(QStringLiteral("swapped/Tallowmere.db"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(swapped).path()));
    ASSERT_TRUE(QFile::copy(folder() + QStringLiteral("/Rss.db"), swapped));
    const ToolRun run = tool({QStringLiteral("check"), swapped});
    EXPECT_EQ(run.exitCode, 1);
    for (const char *line : {"Table BusinessInformation is missing.", "Table MasterField is missing.",
                             "The table Tbl_Rss_Feed_Items is not one of the program's."}) {
        EXPECT_TRUE(run.out.split(u'\n').contains(QString::fromUtf8(line))) << line << "\n" << run.out.toStdString();
    }
    EXPECT_EQ(tool({QStringLiteral("check"), folder() + QStringLiteral("/Rss.db")}).out, "ok\n");
}

TEST_F(DatabaseTool, DateAddedTakesOnlyDatesAndEmptyTextAsNoDate)
{
    const auto run = [this](const QString &sql) { return tool({QStringLiteral("sql"), business(), sql}); };
    EXPECT_EQ(run(QStringLiteral("INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurposeDate) "
                                 "VALUES (1, ''), (1, '2024-02-29')"))
                  .exitCode,
              0);
    EXPECT_EQ(run(QStringLiteral("INSERT INTO [Business Long Term Goal] (BusinessInformationId) VALUES (1)")).exitCode,
              0);
    EXPECT_EQ(run(QStringLiteral("UPDATE [Business Long Term Goal] SET BusinessLongTermGoalDate = ''")).exitCode, 0);
    EXPECT_EQ(run(QStringLiteral("select BusinessPurposeDate from BusinessPurpose")).out,
              "BusinessPurposeDate\n\\N\n2024-02-29\n");
    EXPECT_EQ(run(QStringLiteral("select BusinessLongTermGoalDate from [Business Long Term Goal]")).out,
              "BusinessLongTermGoalDate\n\\N\n");

    for (const char *notADate : {"tomorrow", "2023-02-29", "2024-1-5", "20240105"}) {
        const ToolRun refused = run(
            QStringLiteral("UPDATE BusinessPurpose SET BusinessPurposeDate = '%1'").arg(QString::fromUtf8(notADate)));
        EXPECT_EQ(refused.exitCode, 1) << notADate;
        EXPECT_TRUE(refused.err.contains(QStringLiteral("BusinessPurposeDate takes a date written YYYY-MM-DD")))
            << refused.err.toStdString();
    }
    EXPECT_EQ(run(QStringLiteral("INSERT INTO BusinessEmployees (EmployeeDate) VALUES ('soon')")).exitCode, 1);
    EXPECT_EQ(run(QStringLiteral("select BusinessPurposeDate from BusinessPurpose")).out,
              "BusinessPurposeDate\n\\N\n2024-02-29\n");
}

TEST_F(DatabaseTool, FailedOutputAndTextThatIsNotUtf8AreFailures)
{
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("check"), business()},
          QStringList{QStringLiteral("sql"), business(), QStringLiteral("select * from MasterField")},
          QStringList{QStringLiteral("--help")}}) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(TALLOWMERE_DB_TOOL), arguments);
        process.waitForFinished(60000);
        EXPECT_NE(process.exitCode(), 0) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(process.readAllStandardError().contains("could not be written"));
    }

    // Bytes that are not UTF-8 can only be passed through a shell.
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"),
                   QStringLiteral("exec \"$0\" sql \"$1\" \"$(printf 'INSERT INTO MasterField (MasterFieldName) "
                                  "VALUES (\\047\\377\\047)')\""),
                   QStringLiteral(TALLOWMERE_DB_TOOL), business()});
    process.waitForFinished(60000);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("Argument 3 is not valid UTF-8 text"));
    EXPECT_EQ(tool({QStringLiteral("sql"), business(), QStringLiteral("select count(*) from MasterField")}).out,
              "count(*)\n29\n");
}

TEST_F(DatabaseTool, DatabaseInAFolderThatCannotBeWrittenCanStillBeRead)
{
    // Permissions do not bind root: the tool then runs as the unprivileged user "nobody",
    // from a copy beside the databases, as the build tree may lie where nobody can enter.
    const bool asRoot = ::geteuid() == 0;
    const QString tool = dir.filePath(QStringLiteral("tallowmere-db"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TALLOWMERE_DB_TOOL), tool));
    ASSERT_TRUE(QFile::setPermissions(tool, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                                | QFileDevice::ReadOther | QFileDevice::ExeOther));
    // The sanitizers' suppressions file lies in the checkout, which that user cannot read either.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QStringList sanitizerOptions = environment.value(QStringLiteral("ASAN_OPTIONS")).split(u':', Qt::SkipEmptyParts);
    sanitizerOptions.removeIf([](const QString &option) { return option.startsWith(u"suppressions="); });
    environment.insert(QStringLiteral("ASAN_OPTIONS"), sanitizerOptions.join(u':'));
    const auto runAsUser = [asRoot, tool, environment](const QStringList &arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setChildProcessModifier([asRoot] {
            if (asRoot && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(77);
        });
        process.start(tool, arguments);
        process.waitForFinished(60000);
        return ToolRun{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                       QString::fromUtf8(process.readAllStandardError())};
    };
    const QFileDevice::Permissions readAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                  | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                                  | QFileDevice::ReadOther | QFileDevice::ExeOther;
    QFile::setPermissions(dir.path(), readAndEnter | QFileDevice::WriteOwner);
    QFile::setPermissions(folder(), readAndEnter);
    QFile::setPermissions(business(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                          | QFileDevice::ReadOther);

    const ToolRun check = runAsUser({QStringLiteral("check"), business()});
    if (check.exitCode == 77)
        GTEST_SKIP() << "cannot run as another user here";
    EXPECT_EQ(check.out, "ok\n") << check.err.toStdString();
    EXPECT_EQ(runAsUser({QStringLiteral("sql"), business(), QStringLiteral("select count(*) from MasterField")}).out,
              "count(*)\n29\n");
    const ToolRun write = runAsUser({QStringLiteral("sql"), business(), QStringLiteral("DELETE FROM MasterField")});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_TRUE(write.err.contains(QStringLiteral("its folder %1 cannot be written").arg(folder())))
        << write.err.toStdString();
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), (QStringList{"Rss.db", "Tallowmere.db"}));
    QFile::setPermissions(folder(), readAndEnter | QFileDevice::WriteOwner);
}

TEST(DatabaseToolInit, StoppedOrFailedInitLeavesNeitherDatabaseAndTheNextRunWorks)
{
    QTemporaryDir dir;
    for (const bool folderExists : {false, true}) {
        const QString folder = dir.filePath(folderExists ? QStringLiteral("existing") : QStringLiteral("new"));
        if (folderExists) {
            ASSERT_TRUE(QDir().mkpath(folder));
        }
        for (const bool killed : {true, false}) {
            QProcess process;
            if (killed) {
                // Killed the moment its first file appears, as a kill or a crash would stop it.
                // A run too quick to be caught is tried again.
                for (int attempt = 0; attempt < 20 && process.exitStatus() != QProcess::CrashExit; ++attempt) {
                    QDir(folder).removeRecursively();
                    if (folderExists)
                        QDir().mkpath(folder);
                    // A new folder is built beside its place and renamed into it.
                    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
                    const QStringList before = QDir(dir.path()).entryList(all);
                    process.start(QStringLiteral(TALLOWMERE_DB_TOOL), {QStringLiteral("init"), folder});
                    ASSERT_TRUE(process.waitForStarted());
                    const QDeadlineTimer deadline(30000);
                    while (!deadline.hasExpired() && QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty()
                           && QDir(dir.path()).entryList(all) == before) { }
                    ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
                    process.waitForFinished(60000);
                }
                EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
            } else {
                // Far smaller than the business database: writing it fails part-way, as on a full disk.
                process.setChildProcessModifier([] {
                    const rlimit limit{32768, 32768};
                    ::setrlimit(RLIMIT_FSIZE, &limit);
                });
                process.start(QStringLiteral(TALLOWMERE_DB_TOOL), {QStringLiteral("init"), folder});
                process.waitForFinished(60000);
                EXPECT_EQ(process.exitCode(), 1) << process.readAllStandardError().toStdString();
            }
            const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
            EXPECT_FALSE(left.contains(QStringLiteral("Tallowmere.db"))) << left.join(u' ').toStdString();
            EXPECT_FALSE(left.contains(QStringLiteral("Rss.db"))) << left.join(u' ').toStdString();
            if (!killed) {
                EXPECT_TRUE(left.isEmpty()) << "a failed run cleans up: " << left.join(u' ').toStdString();
                EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                          (folderExists ? QStringList{"existing", "new"} : QStringList{}))
                    << "nothing left beside the folder either";
            }
        }
        EXPECT_EQ(tool({QStringLiteral("init"), folder}).exitCode, 0);
        EXPECT_EQ(tool({QStringLiteral("check"), folder + QStringLiteral("/Tallowmere.db")}).out, "ok\n");
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), (QStringList{"Rss.db", "Tallowmere.db"}));
    }
}

// Another user of the machine reads none of it, whatever the umask: the databases init
// makes, the folder it makes for them, and the files the engine adds beside a database.
TEST(DatabaseToolInit, MakesFilesAndFoldersForTheirOwnerAlone)
{
    QTemporaryDir dir;
    const mode_t previous = ::umask(0);
    const auto modeOf = [](const QString &path) {
        struct stat info = {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0u;
    };
    const QString made = dir.filePath(QStringLiteral("made"));
    const QString existing = dir.filePath(QStringLiteral("existing"));
    QDir().mkpath(existing);
    EXPECT_EQ(tool({QStringLiteral("init"), made}).exitCode, 0);
    EXPECT_EQ(tool({QStringLiteral("init"), existing}).exitCode, 0);
    EXPECT_EQ(modeOf(made), 0700u);
    for (const QString &folder : {made, existing}) {
        for (const char *name : {"/Tallowmere.db", "/Rss.db"})
            EXPECT_EQ(modeOf(folder + QLatin1String(name)), 0600u) << folder.toStdString() << name;
    }

    {
        db::Connection connection;
        connection.openFile(made + QStringLiteral("/Tallowmere.db"));
        connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme')"));
        for (const char *name : {"/Tallowmere.db-wal", "/Tallowmere.db-shm"})
            EXPECT_EQ(modeOf(made + QLatin1String(name)), 0600u) << name;
    }
    ::umask(previous);
}

} // namespace

namespace {

TEST_F(DatabaseTool, SqlCsvQuotesOnlyWhatMustBeQuotedAndKeepsNullApartFromEmptyText)
{
    struct Case
    {
        const char *value; // an SQL expression
        const char *field; // as the CSV line holds it
    };
    const Case cases[] = {
        {"'plain words'", "plain words"},
        {"'a,b'", "\"a,b\""},
        {"'say \"hi\"'", "\"say \"\"hi\"\"\""},
        {"'line' || char(13) || char(10) || 'next'", "\"line\r\nnext\""},
        {"'lf' || char(10)", "\"lf\n\""},
        {"'  spaced  '", "  spaced  "},
        {"'caf\u00e9 \u00e0 K\u00f6ln'", "caf\u00e9 \u00e0 K\u00f6ln"},
        {"''", "\"\""},
        {"NULL", ""},
        {"12", "12"},
        // Exact for programs: what a spreadsheet would run as a formula stays as stored.
        {"'=HYPERLINK(1)'", "=HYPERLINK(1)"},
        {"'@SUM(A1)'", "@SUM(A1)"},
    };
    for (const Case &c : cases) {
        const ToolRun run
            = tool({QStringLiteral("sql"), QStringLiteral("--csv"), business(),
                    QStringLiteral("select %1 AS [Value, \"quoted\"], 'x' AS Second").arg(QString::fromUtf8(c.value))});
        EXPECT_EQ(run.exitCode, 0) << c.value << run.err.toStdString();
        EXPECT_EQ(run.out.toUtf8(), "\"Value, \"\"quoted\"\"\",Second\r\n" + QByteArray(c.field) + ",x\r\n") << c.value;
    }
    // No rows: the header alone; a statement without rows: nothing.
    EXPECT_EQ(tool({QStringLiteral("sql"), QStringLiteral("--csv"), business(),
                    QStringLiteral("select MasterFieldId, MasterFieldName from MasterField where 0")})
                  .out,
              "MasterFieldId,MasterFieldName\r\n");
    EXPECT_EQ(tool({QStringLiteral("sql"), QStringLiteral("--csv"), business(),
                    QStringLiteral("DELETE FROM MasterField WHERE MasterFieldId = 1")})
                  .out,
              "");
    const ToolRun misplaced = tool({QStringLiteral("sql"), business(), QStringLiteral("--csv"), QStringLiteral("x")});
    EXPECT_EQ(misplaced.exitCode, 2) << "--csv comes before the file";
}

} // namespace
