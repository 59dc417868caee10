// tallowmere-db as a user runs it: exit statuses, output format, and a file that
// survives a writer killed in the middle of its work.
#include "db/Connection.h"
#include "db/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

struct ToolRun
{
    int exitCode;
    QString out;
    QString err;
};

ToolRun tool(const QStringList &arguments, const QString &workingFolder = {})
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(TALLOWMERE_DB_TOOL), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

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

} // namespace
