// tallowmere-db plan export, import and statements, run as a user runs them.
#include "support/TempFolder.h"
#include "tools/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testing_support::tool;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QString dataFile(const char *name)
{
    return QDir(QStringLiteral(TALLOWMERE_PLAN_TEST_DATA)).filePath(QString::fromLatin1(name));
}

class PlanTool : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(tool({QStringLiteral("init"), folder.path()}).exitCode, 0);
        database = folder.filePath(QStringLiteral("Tallowmere.db"));
        sql(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Bakery'), ('Garage')"));
        sql(QStringLiteral(
            "INSERT INTO BusinessEmployees (BusinessInformationId, EmployeeFirstName) VALUES (2, 'Kim')"));
    }

    void sql(const QString &statement) { ASSERT_EQ(tool({QStringLiteral("sql"), database, statement}).exitCode, 0); }

    testing_support::ToolRun plan(const QStringList &arguments)
    {
        return tool(QStringList{QStringLiteral("plan")} + arguments);
    }

    QTemporaryDir folder;
    QString database;
};

TEST_F(PlanTool, ImportExportAndStatements)
{
    // A name with spaces and ';' is a file name like any other.
    const QString file = folder.filePath(QStringLiteral("my plan; 2027.json"));
    ASSERT_TRUE(QFile::copy(dataFile("bakery/plan.json"), file));
    const auto imported = plan({QStringLiteral("import"), database, QStringLiteral("1"), file});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();

    const auto statements = plan({QStringLiteral("statements"), database, QStringLiteral("1")});
    EXPECT_EQ(statements.exitCode, 0);
    EXPECT_EQ(statements.out.toUtf8(), readFile(dataFile("bakery/statements.csv"))) << "no byte-order mark";

    const auto exported = plan({QStringLiteral("export"), database, QStringLiteral("1")});
    ASSERT_EQ(exported.exitCode, 0);
    const QString again = folder.filePath(QStringLiteral("again.json"));
    QFile out(again);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(exported.out.toUtf8());
    out.close();
    ASSERT_EQ(plan({QStringLiteral("import"), database, QStringLiteral("2"), again}).exitCode, 0);
    EXPECT_EQ(plan({QStringLiteral("export"), database, QStringLiteral("2")}).out, exported.out);
    EXPECT_EQ(tool({QStringLiteral("check"), database}).out, "ok\n");
}

TEST_F(PlanTool, RefusedImportChangesNothing)
{
    ASSERT_EQ(plan({QStringLiteral("import"), database, QStringLiteral("2"), dataFile("bakery/plan.json")}).exitCode,
              0);
    const QString before = plan({QStringLiteral("export"), database, QStringLiteral("2")}).out;

    QString text = QString::fromUtf8(readFile(dataFile("consultancy/plan.json")));
    const QString hostile = folder.filePath(QStringLiteral("hostile.json"));
    const auto write = [&](const QString &content) {
        QFile file(hostile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content.toUtf8());
    };
    const struct
    {
        QString content;
        const char *named;
    } cases[] = {
        {QString(text).replace(QStringLiteral("\"termMonths\": 60"), QStringLiteral("\"termMonths\": 0")),
         "financing[1].termMonths: Term (months) must be a whole number from 1 to 600"},
        {QString(text).replace(QStringLiteral("\"employeeId\": null"), QStringLiteral("\"employeeId\": 99")),
         "People line 1: business 2 has no employee with the key 99"},
        {text.left(text.size() / 2), "is not a plan"},
    };
    for (const auto &c : cases) {
        write(c.content);
        const auto refused = plan({QStringLiteral("import"), database, QStringLiteral("2"), hostile});
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_TRUE(refused.err.contains(QString::fromUtf8(c.named))) << refused.err.toStdString();
        EXPECT_EQ(plan({QStringLiteral("export"), database, QStringLiteral("2")}).out, before);
    }

    // A person may name one of the business's own employees.
    write(QString(text).replace(QStringLiteral("\"employeeId\": null"), QStringLiteral("\"employeeId\": 1")));
    EXPECT_EQ(plan({QStringLiteral("import"), database, QStringLiteral("2"), hostile}).exitCode, 0);

    const struct
    {
        QStringList arguments;
        int status;
        const char *named;
    } wrong[] = {
        {{QStringLiteral("export"), database, QStringLiteral("3")}, 1, "holds no business with the key 3"},
        {{QStringLiteral("export"), database, QStringLiteral("1")}, 1, "Business 1 has no financial plan"},
        {{QStringLiteral("export"), database, QStringLiteral("1x")}, 1, "1x is not a business key"},
        {{QStringLiteral("import"), database, QStringLiteral("1"), folder.filePath(QStringLiteral("none.json"))},
         1,
         "none.json cannot be read"},
        {{QStringLiteral("print"), database, QStringLiteral("1")}, 2, "Usage: tallowmere-db plan"},
    };
    for (const auto &w : wrong) {
        const auto run = plan(w.arguments);
        EXPECT_EQ(run.exitCode, w.status) << w.named;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(w.named))) << run.err.toStdString();
    }
}

} // namespace
