// A shared office on a PostgreSQL server, set up as the README says: the tables belong
// to an owner role that no user is, and users are granted only what the program needs.
// No user can plant code that another user's statements would run, and `check` names
// whatever the owner or an administrator put there beyond the program's own tables.
#include "ToolRun.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "support/ErrorOf.h"
#include "support/PostgresServer.h"
#include "support/ServerSql.h"

#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <vector>

using testing_support::PostgresServer;
using testing_support::tool;
using testing_support::ToolRun;

namespace {

// What the README has the owner grant each user (%1: the users).
constexpr auto UserGrants = "GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO %1; "
                            "GRANT USAGE, SELECT ON ALL SEQUENCES IN SCHEMA public TO %1";

struct Office
{
    QString database, owner, ann, bob;

    QString as(const QString &role) const { return PostgresServer::shared().uri(database, role); }
    // A fresh database that is a copy of this one: its tables, rights and rows.
    Office copy(int number) const
    {
        Office copied = *this;
        copied.database = database + QStringLiteral("_copy%1").arg(number);
        PostgresServer::shared().admin(
            QStringLiteral("CREATE DATABASE %1 TEMPLATE %2 OWNER %3").arg(copied.database, database, owner));
        return copied;
    }
    // Fills in %1 owner, %2 ann, %3 bob and %4 the database.
    QString named(const char *text) const
    {
        return QString::fromUtf8(text)
            .replace(QLatin1String("%1"), owner)
            .replace(QLatin1String("%2"), ann)
            .replace(QLatin1String("%3"), bob)
            .replace(QLatin1String("%4"), database);
    }
};

Office makeOffice()
{
    PostgresServer &server = PostgresServer::shared();
    Office office;
    office.database = QUrl(server.createDatabase()).path().mid(1);
    office.owner = office.database + QStringLiteral("_owner");
    office.ann = office.database + QStringLiteral("_ann");
    office.bob = office.database + QStringLiteral("_bob");
    server.admin(office.named("CREATE ROLE %1 LOGIN; CREATE ROLE %2 LOGIN; CREATE ROLE %3 LOGIN; "
                              "ALTER DATABASE %4 OWNER TO %1"));
    const ToolRun init = tool({QStringLiteral("init"), office.as(office.owner)});
    EXPECT_EQ(init.exitCode, 0) << init.err.toStdString();
    testing_support::ServerSql(office.as(office.owner))
        .runScript(QString::fromUtf8(UserGrants).arg(office.ann + QStringLiteral(", ") + office.bob));
    return office;
}

TEST(ServerAccess, AUserCanNeitherPlantCodeNorTakeOverTheTablesYetDoesAllTheWorkTheProgramDoes)
{
    const Office office = makeOffice();
    testing_support::ServerSql bob(office.as(office.bob));
    const char *attacks[] = {
        // The attack that ran ALTER ROLE as the next user to store a business.
        "CREATE FUNCTION pg_temp.plant() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN "
        "EXECUTE 'ALTER ROLE CURRENT_USER PASSWORD ''taken'''; RETURN NEW; END$$; "
        "CREATE TRIGGER plant BEFORE UPDATE ON \"BusinessInformation\" FOR EACH ROW EXECUTE FUNCTION pg_temp.plant()",
        "CREATE RULE plant AS ON UPDATE TO \"BusinessInformation\" DO ALSO SELECT 1",
        "ALTER TABLE \"BusinessInformation\" ENABLE ROW LEVEL SECURITY",
        "CREATE POLICY plant ON \"BusinessInformation\" USING (true)",
        "CREATE FUNCTION public.lower(text) RETURNS text LANGUAGE sql AS 'SELECT $1'",
        "ALTER TABLE \"BusinessInformation\" ALTER COLUMN \"BusinessCity\" SET DEFAULT 'x'",
        "CREATE INDEX plant ON \"BusinessInformation\" (\"BusinessCity\")",
        "TRUNCATE \"BusinessInformation\"",
        "DROP TABLE \"MasterField\"",
        "SELECT setval('\"BusinessInformation_BusinessInformationId_seq\"', 1)",
        "CREATE SCHEMA %2",
    };
    for (const char *attack : attacks) {
        const QString error = testing_support::errorOf([&] { bob.runScript(office.named(attack)); });
        EXPECT_TRUE(error.contains(QLatin1String("permission denied"), Qt::CaseInsensitive)
                    || error.contains(QLatin1String("must be owner"), Qt::CaseInsensitive))
            << attack << "\n"
            << error.toStdString();
    }

    // The program's own work as a user: a new business with the key the server gave
    // it, a change, a count, and the rows gone again.
    {
        db::Connection connection;
        connection.open(office.as(office.bob));
        db::Recordset business;
        business.open(QStringLiteral("select * from BusinessInformation"), connection, db::CursorType::Static,
                      db::LockType::Optimistic);
        business.addNew();
        business.setValue(QStringLiteral("BusninesName"), QStringLiteral("Bob's Bakery"));
        business.update();
        EXPECT_EQ(business.value(QStringLiteral("BusinessInformationId")).toLongLong(), 1);
        business.setValue(QStringLiteral("BusinessCity"), QStringLiteral("Springfield"));
        business.update();
    }
    const QString ann = office.as(office.ann);
    EXPECT_EQ(
        tool({QStringLiteral("sql"), ann, QStringLiteral("select BusninesName, BusinessCity from BusinessInformation")})
            .out,
        QStringLiteral("BusninesName\tBusinessCity\nBob's Bakery\tSpringfield\n"));
    EXPECT_EQ(tool({QStringLiteral("sql"), ann,
                    QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES ('News')")})
                  .exitCode,
              0);
    QTemporaryDir backups;
    const ToolRun backup = tool({QStringLiteral("backup"), ann, backups.filePath(QStringLiteral("office"))});
    EXPECT_EQ(backup.exitCode, 0) << backup.err.toStdString();
    EXPECT_EQ(tool({QStringLiteral("sql"), ann, QStringLiteral("DELETE FROM BusinessInformation")}).exitCode, 0);

    // The check finds nothing to say, whoever runs it.
    EXPECT_EQ(tool({QStringLiteral("check"), ann}).out, QStringLiteral("ok\n"));
    EXPECT_EQ(tool({QStringLiteral("check"), office.as(office.owner)}).out, QStringLiteral("ok\n"));
}

struct Planted
{
    const char *what;
    bool byAdministrator; // else by the tables' owner
    const char *sql;
    std::vector<const char *> named; // in what check prints
    const char *undo = "";           // for what reaches beyond the database: roles
};

TEST(ServerAccess, CheckNamesWhatTheOwnerPlantedAndEveryRightBeyondWhatUsersNeed)
{
    const Office office = makeOffice();
    const std::vector<Planted> cases = {
        {"a trigger",
         false,
         "CREATE FUNCTION public.audit() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN RETURN NEW; END$$; "
         "CREATE TRIGGER audit BEFORE UPDATE ON \"BusinessInformation\" FOR EACH ROW EXECUTE FUNCTION public.audit()",
         {"Table BusinessInformation has trigger \"audit\" (it runs public.audit)",
          "Function public.audit() of role %1 is in a schema the program's statements search"}},
        {"a trigger whose function is elsewhere",
         false,
         "CREATE SCHEMA tools; CREATE FUNCTION tools.stamp() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN RETURN NEW; "
         "END$$; CREATE TRIGGER stamp AFTER INSERT ON \"Tbl_Rss_Feed_Items\" FOR EACH ROW EXECUTE FUNCTION "
         "tools.stamp()",
         {"Table Tbl_Rss_Feed_Items has trigger \"stamp\" (it runs tools.stamp)"}},
        {"a trigger of a built-in function, named to break the line",
         false,
         "CREATE TRIGGER \"x\nok\n\" BEFORE UPDATE ON \"MasterField\" FOR EACH ROW "
         "EXECUTE FUNCTION suppress_redundant_updates_trigger()",
         {"Table MasterField has trigger \"x\xEF\xBF\xBDok\xEF\xBF\xBD\" (it runs "
          "pg_catalog.suppress_redundant_updates_trigger)"}},
        {"a rule",
         false,
         "CREATE RULE keep AS ON DELETE TO \"BusinessEmployees\" DO INSTEAD NOTHING",
         {"Table BusinessEmployees has rule \"keep\", which Tallowmere does not make."}},
        {"a policy",
         false,
         "ALTER TABLE \"ARTICLESOFINCORPORATION\" ENABLE ROW LEVEL SECURITY; "
         "CREATE POLICY mine ON \"ARTICLESOFINCORPORATION\" USING (true)",
         {"Table ARTICLESOFINCORPORATION has row security turned on",
          "Table ARTICLESOFINCORPORATION has row-security policy \"mine\""}},
        {"a default that calls a function",
         false,
         "CREATE SCHEMA tools; CREATE FUNCTION tools.city() RETURNS text LANGUAGE sql AS $$SELECT 'x'$$; "
         "ALTER TABLE \"BusinessInformation\" ALTER COLUMN \"BusinessCity\" SET DEFAULT tools.city()",
         {"Table BusinessInformation: column BusinessCity has the default tools.city(), expected none."}},
        {"a constraint",
         false,
         "ALTER TABLE \"REGISTEREDAGENT\" ADD CONSTRAINT short CHECK (length(\"REGISTEREDAGENTCity\") < 40)",
         {"Table REGISTEREDAGENT has constraint \"short\" (CHECK"}},
        {"an index on an expression",
         false,
         "CREATE INDEX folded ON \"MasterField\" (upper(\"MasterFieldName\"))",
         {"Table MasterField has index \"folded\" (CREATE INDEX folded ON public.\"MasterField\""}},
        {"a view in a table's place",
         false,
         "DROP TABLE \"Tbl_Rss_Feed_Items\"; CREATE VIEW \"Tbl_Rss_Feed_Items\" AS SELECT 1::bigint AS "
         "\"RssFeedItemId\"",
         {"Table Tbl_Rss_Feed_Items is a view"}},
        {"a child table whose rows are read with the program's",
         false,
         "CREATE TABLE extra (note text) INHERITS (\"BusinessPurpose\")",
         {"Table BusinessPurpose has the child table public.extra, which Tallowmere does not make."}},
        {"every right on the tables",
         false,
         "GRANT ALL ON ALL TABLES IN SCHEMA public TO %2",
         {"Role %2 is granted REFERENCES, TRIGGER, TRUNCATE on tables ARTICLESOFINCORPORATION, Business Long Term "
          "Goal,"}},
        {"every right on the key generators",
         false,
         "GRANT ALL ON ALL SEQUENCES IN SCHEMA public TO %3",
         {"Role %3 is granted UPDATE on key generators ARTICLESOFINCORPORATION_ReportId_seq,"}},
        {"a right to pass rights on",
         false,
         "GRANT SELECT ON \"BusinessInformation\" TO %2 WITH GRANT OPTION",
         {"Role %2 is granted SELECT WITH GRANT OPTION on table BusinessInformation; users need only SELECT, INSERT, "
          "UPDATE and DELETE."}},
        {"a right on a column",
         false,
         "GRANT REFERENCES (\"BusninesName\") ON \"BusinessInformation\" TO %3",
         {"Role %3 is granted REFERENCES on column BusinessInformation.BusninesName"}},
        {"making objects in the tables' schema",
         false,
         "GRANT CREATE ON SCHEMA public TO %3",
         {"Role %3 is granted CREATE on schema public; users need only USAGE."}},
        {"making schemas in the database",
         false,
         "GRANT CREATE ON DATABASE %4 TO PUBLIC",
         {"Role PUBLIC (everyone) is granted CREATE on database %4"}},
        {"a user who is a member of the owner",
         true,
         "GRANT %1 TO %2",
         {"Role %2 is a member of %1, which owns the tables"},
         "REVOKE %1 FROM %2"},
        {"a table of another owner",
         true,
         "ALTER TABLE \"MasterField\" OWNER TO %3",
         {"Table MasterField belongs to %3, the others to %1"}},
        {"a user who owns the database and so its public schema",
         true,
         "ALTER DATABASE %4 OWNER TO %3",
         {"Schema public, which holds the tables, belongs to %3 rather than to their owner %1"}},
        {"a schema named for a user",
         true,
         "CREATE SCHEMA %2 AUTHORIZATION %3",
         {"Schema %2 comes first on role %2's search path"}},
    };
    int number = 0;
    for (const Planted &planted : cases) {
        const Office copy = office.copy(++number);
        const QString planter
            = planted.byAdministrator ? PostgresServer::shared().uri(copy.database) : copy.as(copy.owner);
        testing_support::ServerSql(planter).runScript(copy.named(planted.sql));
        const ToolRun check = tool({QStringLiteral("check"), copy.as(copy.ann)});
        EXPECT_EQ(check.exitCode, 1) << planted.what;
        EXPECT_FALSE(check.out.split(u'\n').contains(QStringLiteral("ok"))) << planted.what;
        for (const char *named : planted.named)
            EXPECT_TRUE(check.out.contains(copy.named(named))) << planted.what << ":\n" << check.out.toStdString();
        if (*planted.undo)
            PostgresServer::shared().admin(copy.named(planted.undo));
    }
    EXPECT_EQ(tool({QStringLiteral("check"), office.as(office.ann)}).out, QStringLiteral("ok\n"));
}

} // namespace
