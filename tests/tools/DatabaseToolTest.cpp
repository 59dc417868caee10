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

ToolRun tool(const QStringList &arguments)
{
    QProcess process;
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
    const ToolRun count = tool({QStringLiteral("sql"), business(),
                            QStringLiteral("select count(*) from BusinessInformation where BusinessInformationId <= ")
                                + lastCommitted});
    EXPECT_EQ(count.out, QStringLiteral("count(*)\n%1\n").arg(lastCommitted));
}

} // namespace
