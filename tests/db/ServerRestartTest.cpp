// A server that restarts under open windows: the next action carries on with a new
// session, a store it refuses keeps what was typed, and a transaction cut short never
// goes on without its first part.
#include "db/Connection.h"
#include "db/Recordset.h"
#include "db/postgres/PostgresSchema.h"
#include "db/postgres/PostgresSession.h"
#include "support/ErrorOf.h"
#include "support/PostgresServer.h"
#include "support/QStringPrinter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using testing_support::errorOf;
using testing_support::PostgresServer;
using testing_support::rowsOf;

namespace {

class ServerRestart : public ::testing::Test
{
protected:
    void SetUp() override
    {
        address = PostgresServer::shared().createDatabase();
        db::PostgresSession owner(address);
        db::PostgresSchema::create(owner);
        owner.runJet(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme')"));
    }

    void TearDown() override
    {
        if (stopped)
            PostgresServer::shared().resume();
    }

    QString address;
    bool stopped = false;
};

TEST_F(ServerRestart, TheNextActionReconnectsAndARefusedStoreKeepsTheTypedText)
{
    db::Connection connection;
    connection.open(address);
    db::Recordset businesses;
    businesses.open(QStringLiteral("SELECT * FROM BusinessInformation"), connection, db::CursorType::Static,
                    db::LockType::Optimistic);
    {
        db::Connection kept; // its session is kept for the next connection
        kept.open(address);
        kept.execute(QStringLiteral("SELECT count(*) FROM MasterField"));
    }

    PostgresServer::shared().restart();
    businesses.setValue(QStringLiteral("BusninesName"), QStringLiteral("Acme after the restart"));
    businesses.update();
    EXPECT_EQ(rowsOf(address, QStringLiteral("SELECT BusninesName FROM BusinessInformation")),
              QStringList{QStringLiteral("Acme after the restart")});

    PostgresServer::shared().stop();
    stopped = true;
    businesses.setValue(QStringLiteral("BusinessCity"), QStringLiteral("Typed while the server was down"));
    EXPECT_TRUE(errorOf([&] { businesses.update(); }).contains(QLatin1String("cannot be reached")));
    EXPECT_TRUE(businesses.hasPendingChanges());
    EXPECT_EQ(businesses.value(QStringLiteral("BusinessCity")).toString(),
              QStringLiteral("Typed while the server was down"));

    PostgresServer::shared().resume();
    stopped = false;
    businesses.update();
    EXPECT_EQ(rowsOf(address, QStringLiteral("SELECT BusninesName, BusinessCity FROM BusinessInformation")),
              QStringList{QStringLiteral("Acme after the restart|Typed while the server was down")});
    businesses.requery();
    EXPECT_EQ(businesses.recordCount(), 1);

    // A connection opened after a restart takes no dead session that was kept.
    PostgresServer::shared().restart();
    db::Connection later;
    later.open(address);
    EXPECT_EQ(later.execute(QStringLiteral("UPDATE BusinessInformation SET BusinessCity = 'Shelbyville'")), 1);
}

TEST_F(ServerRestart, ATransactionCutShortIsNeverFinishedOnANewSession)
{
    db::Connection connection;
    connection.open(address);
    connection.beginTransaction();
    connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('First half')"));

    PostgresServer::shared().restart();
    const QString first = errorOf([&] {
        connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Second half')"));
    });
    EXPECT_TRUE(first.contains(QLatin1String("administrator command"))) << first.toStdString();
    EXPECT_TRUE(errorOf([&] {
                    connection.execute(
                        QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Second half')"));
                }).contains(QLatin1String("was lost")));
    EXPECT_TRUE(errorOf([&] { connection.commit(); }).contains(QLatin1String("nothing was stored")));

    // The transaction is over; the next action is a new one.
    connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Next')"));
    EXPECT_EQ(rowsOf(address, QStringLiteral("SELECT BusninesName FROM BusinessInformation ORDER BY 1")),
              (QStringList{QStringLiteral("Acme"), QStringLiteral("Next")}));

    connection.beginTransaction();
    connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('Dropped')"));
    PostgresServer::shared().restart();
    connection.rollback();
    connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName) VALUES ('After')"));
    EXPECT_EQ(rowsOf(address, QStringLiteral("SELECT BusninesName FROM BusinessInformation ORDER BY 1")),
              (QStringList{QStringLiteral("Acme"), QStringLiteral("After"), QStringLiteral("Next")}));
}

} // namespace
