// A database of an earlier schema version is brought up to date when the program
// opens it, and left as it is when it cannot be written.
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Schema.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace db;
using testing_support::TempProgramFolder;

namespace {

// Turns a fresh database back into the first schema version, which had no rules for
// date-added columns nor the index of business keys, with an empty date stored the way
// that version allowed.
void makeFirstVersion(const TempProgramFolder &folder)
{
    QString script;
    for (const QString &trigger : folder.rows(QStringLiteral("select name from sqlite_master where type = 'trigger'")))
        script += QStringLiteral("DROP TRIGGER [%1];").arg(trigger);
    folder.exec(script
                + QStringLiteral("DROP INDEX BusinessInformationKeys;"
                                 "INSERT INTO BusinessType (BusinessInformationId, BusinessTypeDate) VALUES (1, '');"
                                 "PRAGMA user_version = 1;"));
}

TEST(SchemaUpgrade, FirstVersionGainsTheDateRulesAndLosesEmptyDates)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "upgrades a database file";
    TempProgramFolder folder;
    makeFirstVersion(folder);
    ASSERT_FALSE(Schema::check(folder.businessDatabase()).isEmpty());

    {
        Connection readOnly;
        readOnly.open(ConnectionStrings::recordForm() + QStringLiteral("Mode=Read;"));
        EXPECT_NO_THROW(Schema::requireBusinessDatabase(readOnly))
            << "a database that cannot be written is used as it is";
    }
    EXPECT_EQ(folder.scalar(QStringLiteral("PRAGMA user_version")), "1");

    Connection connection;
    connection.open(ConnectionStrings::recordForm());
    Schema::requireBusinessDatabase(connection);
    EXPECT_EQ(Schema::check(folder.businessDatabase()), QStringList{});
    EXPECT_EQ(folder.rows(QStringLiteral("select BusinessTypeDate is null from BusinessType")), QStringList{"1"});
    EXPECT_THROW(connection.execute(QStringLiteral("UPDATE BusinessType SET BusinessTypeDate = 'later'")), DbError);
}

TEST(SchemaUpgrade, SecondVersionGainsTheIndexBusinessesAreCountedFrom)
{
    if (testing_support::onServerEngine())
        GTEST_SKIP() << "upgrades a database file";
    TempProgramFolder folder;
    folder.exec(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme'), ('Birch');"
                               "DROP INDEX BusinessInformationKeys; PRAGMA user_version = 2;"));
    ASSERT_FALSE(Schema::check(folder.businessDatabase()).isEmpty());

    Connection connection;
    connection.open(ConnectionStrings::recordForm());
    Schema::requireBusinessDatabase(connection);
    EXPECT_EQ(Schema::check(folder.businessDatabase()), QStringList{});
    EXPECT_EQ(folder.rows(QStringLiteral("select BusninesName from BusinessInformation order by 1")),
              (QStringList{"Acme", "Birch"}));
}

} // namespace
