// Plans stored in a business database, on a file and on a server: what is saved loads
// back, a save is all or nothing, a damaged value is named, and a database of the
// version before the plan gains its tables.
#include "plan/PlanStore.h"
#include "PlanGenerator.h"
#include "db/Backup.h"
#include "db/Connection.h"
#include "db/ConnectionString.h"
#include "db/Schema.h"
#include "db/Statement.h"
#include "db/schema/SchemaTables.h"
#include "plan/PlanError.h"
#include "support/ErrorOf.h"
#include "support/PostgresServer.h"
#include "support/ServerSql.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace plan;

namespace {

enum class Engine {
    File,
    Server
};

class PlanStorage : public testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Engine::Server) {
            address = testing_support::PostgresServer::shared().createDatabase();
        } else {
            ASSERT_TRUE(folder.isValid());
            address = folder.filePath(QStringLiteral("Tallowmere.db"));
        }
        db::Schema::createProgramDatabases(GetParam() == Engine::Server ? address : folder.path());
        open(connection);
        for (const char *name : {"Bakery", "Garage"})
            connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES (?)"),
                               {QString::fromLatin1(name)});
    }

    void open(db::Connection &c) const
    {
        if (GetParam() == Engine::Server)
            c.open(address);
        else
            c.openFile(address);
    }

    QString scalar(const QString &sql)
    {
        db::Statement statement(connection, sql);
        return statement.step() ? statement.value(0).toString() : QStringLiteral("<no row>");
    }

    QTemporaryDir folder;
    QString address;
    db::Connection connection;
};

TEST_P(PlanStorage, SavedPlanLoadsBackForItsBusinessOnly)
{
    PlanStore store(connection);
    EXPECT_FALSE(store.load(1));
    EXPECT_FALSE(store.hasPlan(1));
    Plan bakery = plan_testing::PlanGenerator(1).next(3);
    bakery.revenue[0].name = QStringLiteral("Brot & Brötchen, \"frisch\"; 'ofenwarm'");
    bakery.people[0].employeeId = 7;
    bakery.people[1].employeeId = std::nullopt;
    bakery.people[1].endMonth = std::nullopt;
    const Plan garage = plan_testing::PlanGenerator(2).next(2);
    store.save(1, bakery);
    store.save(2, garage);
    EXPECT_EQ(store.load(1), bakery);
    EXPECT_EQ(store.load(2), garage);

    // Another connection (another user) sees it all, and a second save replaces it whole.
    db::Connection other;
    open(other);
    Plan smaller = bakery;
    smaller.revenue.removeLast();
    smaller.assets.clear();
    PlanStore(other).save(1, smaller);
    EXPECT_EQ(store.load(1), smaller);
    EXPECT_EQ(store.load(2), garage);

    store.remove(1);
    EXPECT_FALSE(store.load(1));
    EXPECT_EQ(store.load(2), garage);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM PlanRevenue WHERE BusinessInformationId = 1")), "0");

    // A deleted business's plan goes with the next plan stored.
    connection.execute(QStringLiteral("DELETE FROM BusinessInformation WHERE BusinessInformationId = 2"));
    store.save(1, smaller);
    for (const char *table :
         {"PlanSettings", "PlanRevenue", "PlanPeople", "PlanExpenses", "PlanFinancing", "PlanAssets"})
        EXPECT_EQ(
            scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE BusinessInformationId = 2").arg(QLatin1String(table))),
            "0")
            << table;
    EXPECT_EQ(store.load(1), smaller);
}

TEST_P(PlanStorage, RefusedSaveLeavesTheStoredPlanAsItWas)
{
    PlanStore store(connection);
    const Plan before = plan_testing::PlanGenerator(4).next(2);
    store.save(1, before);

    // The database refuses the last line of the next plan.
    if (GetParam() == Engine::Server)
        connection.executeScript(QStringLiteral("ALTER TABLE PlanAssets ADD CONSTRAINT refused CHECK "
                                                "(PlanAssetName <> 'Refused')"));
    else
        connection.executeScript(QStringLiteral("CREATE TRIGGER refused BEFORE INSERT ON PlanAssets WHEN "
                                                "NEW.PlanAssetName = 'Refused' BEGIN SELECT RAISE(ABORT, 'no'); END"));
    Plan after = plan_testing::PlanGenerator(5).next(4);
    after.assets.last().name = QStringLiteral("Refused");
    EXPECT_THROW(store.save(1, after), PlanError);
    EXPECT_EQ(store.load(1), before);
    EXPECT_FALSE(connection.inTransaction());

    // A plan out of range never reaches the database.
    Plan faulty = before;
    faulty.settings.taxRatePercent = Decimal::fromInteger(101);
    EXPECT_THROW(store.save(1, faulty), PlanError);
    EXPECT_EQ(store.load(1), before);
}

TEST_P(PlanStorage, DamagedStoredValueIsNamed)
{
    PlanStore store(connection);
    store.save(1, plan_testing::PlanGenerator(6).next(2));
    connection.execute(QStringLiteral("UPDATE PlanRevenue SET PlanRevenuePrice = '12,50'"));
    try {
        store.load(1);
        FAIL() << "no error";
    } catch (const PlanError &error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("PlanRevenue, row 1")));
        EXPECT_TRUE(error.description().contains(QStringLiteral("Price must be a number")))
            << error.description().toStdString();
    }
    connection.execute(QStringLiteral("UPDATE PlanRevenue SET PlanRevenuePrice = '1'"));
    connection.execute(QStringLiteral("UPDATE PlanPeople SET PlanPersonStartMonth = 40"));
    EXPECT_THROW(store.load(1), PlanError);
}

TEST_P(PlanStorage, DatabaseOfTheVersionBeforeGainsThePlanTables)
{
    connection.close();
    if (GetParam() == Engine::Server) {
        testing_support::ServerSql session(address);
        for (const db::SchemaTables::Table &table : db::SchemaTables::planTables())
            session.runScript(QStringLiteral("DROP TABLE \"%1\"").arg(table.name));
        session.runScript(QStringLiteral("UPDATE tallowmere_schema SET version = 2 WHERE part = 'business'"));
        EXPECT_FALSE(db::Schema::check(address).isEmpty());
        db::Schema::upgrade(address);
        EXPECT_EQ(db::Schema::check(address), QStringList());
    } else {
        {
            db::Connection old;
            old.openFile(address);
            for (const db::SchemaTables::Table &table : db::SchemaTables::planTables())
                old.executeScript(QStringLiteral("DROP TABLE %1").arg(table.name));
            old.executeScript(QStringLiteral("PRAGMA user_version = 3"));
        }
        EXPECT_FALSE(db::Schema::check(address).isEmpty());
        db::Connection reopened;
        reopened.openFile(address);
        db::Schema::requireBusinessDatabase(reopened); // as the program does on start
        EXPECT_EQ(db::Schema::check(address), QStringList());
    }
    open(connection);
    db::Schema::requireBusinessDatabase(connection);
    const Plan plan = plan_testing::PlanGenerator(8).next(1);
    PlanStore(connection).save(2, plan);
    EXPECT_EQ(PlanStore(connection).load(2), plan);
}

// Plans travel with the databases: a file's backup restored onto a server, and a
// server's backup restored into a program folder, hold the same plans; a backup made
// before plans existed is restored with their tables.
TEST(PlanBackup, PlansTravelBetweenEnginesAndOldBackupsRestore)
{
    QTemporaryDir temporary;
    const QString office = temporary.filePath(QStringLiteral("office"));
    db::Schema::createProgramDatabases(office);
    const Plan plan = plan_testing::PlanGenerator(9).next(3);
    {
        db::Connection connection;
        connection.openFile(QDir(office).filePath(QStringLiteral("Tallowmere.db")));
        connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Bakery')"));
        PlanStore(connection).save(1, plan);
    }
    const QString fileBackup = temporary.filePath(QStringLiteral("from file"));
    db::Backup::write(office, fileBackup);
    const QString server = testing_support::PostgresServer::shared().createDatabase();
    db::Backup::restore(fileBackup, server);
    {
        db::Connection connection;
        connection.open(server);
        EXPECT_EQ(PlanStore(connection).load(1), plan);
    }
    const QString serverBackup = temporary.filePath(QStringLiteral("from server"));
    db::Backup::write(server, serverBackup);
    const QString restored = temporary.filePath(QStringLiteral("restored"));
    db::Schema::createProgramDatabases(restored);
    db::Backup::restore(serverBackup, restored);
    {
        db::Connection connection;
        connection.openFile(QDir(restored).filePath(QStringLiteral("Tallowmere.db")));
        EXPECT_EQ(PlanStore(connection).load(1), plan);
    }

    // A backup of the version before plans.
    {
        db::Connection old;
        old.openFile(QDir(fileBackup).filePath(QStringLiteral("Tallowmere.db")));
        for (const db::SchemaTables::Table &table : db::SchemaTables::planTables())
            old.executeScript(QStringLiteral("DROP TABLE %1").arg(table.name));
        old.executeScript(QStringLiteral("PRAGMA user_version = 3"));
    }
    db::Backup::restore(fileBackup, restored);
    EXPECT_EQ(db::Schema::check(QDir(restored).filePath(QStringLiteral("Tallowmere.db"))), QStringList());
}

// An office server of the version before plans: a user cannot make the tables and is
// told who can and how; once its owner has upgraded and granted, the user keeps plans.
TEST(PlanServerUpgrade, OwnerUpgradesUsersAreToldHow)
{
    testing_support::PostgresServer &server = testing_support::PostgresServer::shared();
    const QString database = QUrl(server.createDatabase()).path().mid(1);
    const QString owner = database + QStringLiteral("_owner"), user = database + QStringLiteral("_user");
    server.admin(QStringLiteral("CREATE ROLE %1 LOGIN; CREATE ROLE %2 LOGIN; ALTER DATABASE %3 OWNER TO %1")
                     .arg(owner, user, database));
    const QString asOwner = server.uri(database, owner), asUser = server.uri(database, user);
    const QString grants = QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO %1; "
                                          "GRANT USAGE, SELECT ON ALL SEQUENCES IN SCHEMA public TO %1")
                               .arg(user);
    db::Schema::createProgramDatabases(asOwner);
    {
        testing_support::ServerSql session(asOwner);
        for (const db::SchemaTables::Table &table : db::SchemaTables::planTables())
            session.runScript(QStringLiteral("DROP TABLE \"%1\"").arg(table.name));
        session.runScript(QStringLiteral("UPDATE tallowmere_schema SET version = 2 WHERE part = 'business'; ")
                          + grants);
        session.runScript(QStringLiteral("INSERT INTO \"BusinessInformation\" (\"BusninesName\") VALUES ('Bakery')"));
    }
    const auto openAsUser = [&](db::Connection &connection) {
        connection.open(asUser);
        db::Schema::requireBusinessDatabase(connection);
    };
    {
        db::Connection connection;
        const QString refused = testing_support::errorOf([&] { openAsUser(connection); });
        EXPECT_TRUE(refused.contains(QStringLiteral("tallowmere-db upgrade"))) << refused.toStdString();
    }

    db::Schema::upgrade(asOwner);
    testing_support::ServerSql(asOwner).runScript(grants);
    EXPECT_EQ(db::Schema::check(asOwner), QStringList());
    db::Connection connection;
    openAsUser(connection);
    const Plan plan = plan_testing::PlanGenerator(10).next(2);
    PlanStore(connection).save(1, plan);
    EXPECT_EQ(PlanStore(connection).load(1), plan);
}

INSTANTIATE_TEST_SUITE_P(Engines, PlanStorage, testing::Values(Engine::File, Engine::Server),
                         [](const testing::TestParamInfo<Engine> &engine) {
                             return engine.param == Engine::File ? "File" : "Server";
                         });

} // namespace
