// Bad files and bad statements give a readable error and leave the file as it was.
#include "db/Connection.h"
#include "db/ConnectionString.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/Schema.h"
#include "db/Statement.h"
#include "db/sql/SqlDialect.h"
#include "support/ErrorOf.h"
#include "support/TempFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace db;
using testing_support::TempProgramFolder;

using testing_support::errorOf;

namespace {

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

TEST(BadFiles, MissingForeignAndTextFilesAreNamedAndNotCreated)
{
    TempProgramFolder folder(false);
    Connection connection;
    const QString missing = errorOf([&] { connection.open(ConnectionStrings::recordForm()); });
    EXPECT_TRUE(missing.contains(QStringLiteral("Tallowmere.db"))) << missing.toStdString();
    EXPECT_TRUE(missing.contains(QStringLiteral("does not exist")));
    EXPECT_FALSE(QFile::exists(folder.businessDatabase())) << "opening never creates a database";

    QFile text(folder.businessDatabase());
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(4096, 'x'));
    text.close();
    const QByteArray before = fileHash(folder.businessDatabase());
    const QString notDb = errorOf([&] { connection.open(ConnectionStrings::recordForm()); });
    EXPECT_TRUE(notDb.contains(QStringLiteral("is not a database file"))) << notDb.toStdString();
    EXPECT_EQ(fileHash(folder.businessDatabase()), before);

    QFile::remove(folder.businessDatabase());
    Schema::createRssDatabase(folder.businessDatabase()); // a database, but not ours
    connection.open(ConnectionStrings::recordForm());
    const QString foreign = errorOf([&] { Schema::requireBusinessDatabase(connection); });
    EXPECT_TRUE(foreign.contains(QStringLiteral("not a Tallowmere business database"))) << foreign.toStdString();
}

TEST(FilePaths, ProgramFolderHoldingSemicolonsQuotesAndLettersOpensItsOwnDatabases)
{
    TempProgramFolder base(false);
    // "a" beside "a;b..." catches a path cut at ';', " x " a path trimmed of its spaces.
    const QString odd = base.filePath(QStringLiteral("a;b=c \"q\" 'r' \u00e9t\u00e9 "));
    ASSERT_TRUE(QDir().mkpath(odd));
    Schema::createBusinessDatabase(odd + QStringLiteral("/Tallowmere.db"));
    Schema::createRssDatabase(odd + QStringLiteral("/Rss.db"));
    Schema::createBusinessDatabase(base.filePath(QStringLiteral("a")));
    ProgramFolder::setOverride(odd);
    EXPECT_TRUE(ConnectionStrings::recordForm().startsWith(QStringLiteral("PROVIDER=SQLite;Data Source=\"")));
    for (const QString &connectionString :
         {ConnectionStrings::recordForm(), ConnectionStrings::document(), ConnectionStrings::rss()}) {
        Connection connection;
        connection.open(connectionString);
        EXPECT_TRUE(connection.filePath().startsWith(odd)) << connection.filePath().toStdString();
        connection.execute(QStringLiteral("PRAGMA user_version = 7"));
    }
    Connection plain;
    plain.open(QStringLiteral("Provider=SQLite;Data Source=") + base.filePath(QStringLiteral("a")));
    Statement version(plain, QStringLiteral("PRAGMA user_version"));
    ASSERT_TRUE(version.step());
    EXPECT_EQ(version.value(0).toInt(), Schema::BusinessVersion) << "the file named \"a\" was not touched";
    EXPECT_EQ(ConnectionString(QStringLiteral("Data Source=  plain.db ;Mode = Read")).value(QStringLiteral("mode")),
              "Read");
}

void expectReadOnly(const TempProgramFolder &folder, const QString &connectionString)
{
    const QByteArray before = fileHash(folder.businessDatabase());
    Connection connection;
    connection.open(connectionString);
    Recordset rs;
    rs.open(QStringLiteral("select BusninesName from BusinessInformation"), connection, CursorType::Static,
            LockType::Optimistic);
    EXPECT_EQ(rs.value(QStringLiteral("BusninesName")).toString(), "Kept");
    rs.setValue(QStringLiteral("BusninesName"), QStringLiteral("Lost?"));
    const QString refused = errorOf([&] { rs.update(); });
    EXPECT_TRUE(refused.contains(QStringLiteral("read-only"))) << refused.toStdString();
    EXPECT_EQ(fileHash(folder.businessDatabase()), before);
}

TEST(BadFiles, ReadOnlyDatabaseCanBeReadButRefusesChanges)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "the files' own engine and its messages";
    TempProgramFolder folder;
    folder.exec(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Kept');"));
    expectReadOnly(folder, ConnectionStrings::recordForm() + QStringLiteral("Mode=Read;"));

    QFile::setPermissions(folder.businessDatabase(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (QFileInfo(folder.businessDatabase()).isWritable())
        GTEST_SKIP() << "running with rights that ignore file permissions";
    expectReadOnly(folder, ConnectionStrings::recordForm());
}

TEST(BadFiles, LockedDatabaseFailsAfterTheBusyTimeoutInsteadOfHanging)
{
    TempProgramFolder folder;
    folder.exec(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Held');"));
    Connection holder;
    holder.open(ConnectionStrings::recordForm());
    holder.beginTransaction();
    holder.execute(QStringLiteral("UPDATE BusinessInformation SET BusinessCity = 'Pending'"));

    Connection writer;
    writer.open(ConnectionStrings::recordForm());
    writer.setBusyTimeout(200);
    const QString locked
        = errorOf([&] { writer.execute(QStringLiteral("UPDATE BusinessInformation SET BusinessCity = 'x'")); });
    EXPECT_TRUE(locked.contains(QStringLiteral("locked"))) << locked.toStdString();
    EXPECT_TRUE(locked.contains(writer.filePath())) << "names the file or the server: " << locked.toStdString();

    Recordset reader;
    reader.open(QStringLiteral("select * from BusinessInformation where BusinessCity = 'Pending'"), writer);
    EXPECT_EQ(reader.recordCount(), 0) << "readers still work beside a writer";
    holder.rollback();

    // A server session outlives its connection: the next one starts with the usual wait.
    writer.close();
    if (testing_support::onServerEngine()) {
        EXPECT_EQ(folder.scalar(QStringLiteral("select current_setting('lock_timeout')")), QStringLiteral("5s"));
    }
}

TEST(BadStatements, DescribeTheFaultAndChangeNothing)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "the files' own engine and its messages";
    TempProgramFolder folder;
    Connection connection;
    connection.open(ConnectionStrings::recordForm());
    const QByteArray before = fileHash(folder.businessDatabase());
    Recordset rs;
    EXPECT_EQ(errorOf([&] { rs.open(QStringLiteral("selec * from BusinessInformation"), connection); }),
              "Near \"selec\": syntax error.");
    EXPECT_EQ(errorOf([&] { rs.open(QStringLiteral("select * from [No Such Table]"), connection); }),
              "No such table: No Such Table.");
    EXPECT_EQ(errorOf([&] { rs.open(QStringLiteral("select Nope from BusinessInformation"), connection); }),
              "No such column: Nope.");
    EXPECT_EQ(
        errorOf([&] {
            connection.execute(QStringLiteral("insert into BusinessPurpose (BusinessInformationId) values ('x')"));
        }),
        "The row was not stored: cannot store TEXT value in INTEGER column BusinessPurpose.BusinessInformationId.");
    EXPECT_EQ(errorOf([&] { connection.execute(QStringLiteral("delete from MasterField; drop table MasterField")); }),
              "Only one statement can be run at a time.");
    EXPECT_FALSE(rs.isOpen());
    EXPECT_EQ(fileHash(folder.businessDatabase()), before);
    EXPECT_EQ(folder.scalar(QStringLiteral("select count(*) from MasterField")), "29");
}

TEST(Dialect, RewritesOnlyWhatSqliteDoesNotTake)
{
    EXPECT_EQ(translateToSqlite(QStringLiteral("UPDATE t SET t.Flag = Yes, t.Note = 'Yes t.x' WHERE (((t.id)=5));")),
              "UPDATE t SET Flag = 1, Note = 'Yes t.x' WHERE (((t.id)=5));");
    EXPECT_EQ(translateToSqlite(QStringLiteral("UPDATE [Business Type] SET [Business Type].BusinessType = 'No'")),
              "UPDATE [Business Type] SET BusinessType = 'No'");
    EXPECT_EQ(translateToSqlite(QStringLiteral("DELETE t.c From t WHERE (((t.id)=5));")),
              "DELETE From t WHERE (((t.id)=5));");
    EXPECT_EQ(translateToSqlite(QStringLiteral("select [No], t.No, No() from t where x =No")),
              "select [No], t.No, No() from t where x =0");
}

} // namespace
