#include "db/Schema.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/DeliveredTemplates.h"
#include "db/Statement.h"

#include <QDir>
#include <QFileInfo>

namespace db {

namespace {

// Keys never come back after a delete (AUTOINCREMENT), dates added are the day of
// insertion, and text compares without regard to case (NOCASE, replaced on every
// connection by a collation that knows all letters). STRICT makes the engine refuse
// values of the wrong type instead of storing them silently.
const char *const BusinessSchema = R"sql(
CREATE TABLE BusinessInformation (
    BusinessInformationId INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessInformationDate TEXT DEFAULT (date('now', 'localtime')),
    BusninesName TEXT COLLATE NOCASE,
    BusinessAddressOne TEXT COLLATE NOCASE,
    BusinessAddressTwo TEXT COLLATE NOCASE,
    BusinessCity TEXT COLLATE NOCASE,
    BusinessState TEXT COLLATE NOCASE,
    BusinessZip TEXT COLLATE NOCASE,
    BusinessCounty TEXT COLLATE NOCASE,
    BusinessPhoneNumber TEXT COLLATE NOCASE,
    BusinessFaxNumber TEXT COLLATE NOCASE,
    BusinessWebSiteURL TEXT COLLATE NOCASE,
    BusinessEMailAddress TEXT COLLATE NOCASE
) STRICT;
CREATE TABLE BusinessPurpose (
    BusinessPurposeId INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessPurposeDate TEXT DEFAULT (date('now', 'localtime')),
    BusinessInformationId INTEGER,
    BusinessPurpose TEXT COLLATE NOCASE
) STRICT;
CREATE TABLE BusinessType (
    BusinessTypeId INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessTypeDate TEXT DEFAULT (date('now', 'localtime')),
    BusinessInformationId INTEGER,
    BusinessType TEXT COLLATE NOCASE
) STRICT;
CREATE TABLE BusinessPerspective (
    BusinessPerspectiveID INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessPerspectiveDate TEXT DEFAULT (date('now', 'localtime')),
    BusinessInformationId INTEGER,
    BusinessConcept TEXT COLLATE NOCASE,
    BusinessTypeOfCustomers TEXT COLLATE NOCASE,
    MethodToReachTarget TEXT COLLATE NOCASE,
    ReasonForBusinessMarket TEXT COLLATE NOCASE
) STRICT;
CREATE TABLE BusinessEmployees (
    EmpyoleeId INTEGER PRIMARY KEY AUTOINCREMENT,
    EmployeeDate TEXT DEFAULT (date('now', 'localtime')),
    BusinessInformationId INTEGER,
    EmployeeFirstName TEXT COLLATE NOCASE,
    EmployeeMiddleName TEXT COLLATE NOCASE,
    EmployeeLastName TEXT COLLATE NOCASE,
    EmployeePosition TEXT COLLATE NOCASE,
    EmployeeQualifications TEXT COLLATE NOCASE
) STRICT;
CREATE TABLE [Business Long Term Goal] (
    BusinessLongTermGoalID INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessLongTermGoalDate TEXT DEFAULT (date('now', 'localtime')),
    BusinessInformationId INTEGER,
    BusinessLongTermGoal TEXT COLLATE NOCASE
) STRICT;
CREATE TABLE [Business Short Term Goal] (
    BusinessShortTermGoalID INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessShortTermGoalDate TEXT DEFAULT (date('now', 'localtime')),
    BusinessInformationId INTEGER,
    BusinessShortTermGoal TEXT COLLATE NOCASE
) STRICT;
CREATE TABLE ARTICLESOFINCORPORATION (
    ReportId INTEGER PRIMARY KEY AUTOINCREMENT,
    ReportName TEXT COLLATE NOCASE,
    Info TEXT
) STRICT;
CREATE TABLE REGISTEREDAGENT (
    RegisteredAgentId INTEGER PRIMARY KEY AUTOINCREMENT,
    BusinessInformationId INTEGER,
    REGISTEREDAGENTFirstName TEXT COLLATE NOCASE,
    REGISTEREDAGENTMiddleName TEXT COLLATE NOCASE,
    REGISTEREDAGENTLastName TEXT COLLATE NOCASE,
    REGISTEREDAGENTAddressOne TEXT COLLATE NOCASE,
    REGISTEREDAGENTAddressTwo TEXT COLLATE NOCASE,
    REGISTEREDAGENTCity TEXT COLLATE NOCASE,
    REGISTEREDAGENTState TEXT COLLATE NOCASE,
    REGISTEREDAGENTZip TEXT COLLATE NOCASE,
    REGISTEREDAGENTPhoneNumber TEXT COLLATE NOCASE,
    REGISTEREDAGENTFaxNumber TEXT COLLATE NOCASE,
    REGISTEREDAGENTEMailAddress TEXT COLLATE NOCASE
) STRICT;
CREATE TABLE MasterField (
    MasterFieldId INTEGER PRIMARY KEY AUTOINCREMENT,
    MasterFieldName TEXT COLLATE NOCASE
) STRICT;
CREATE INDEX BusinessPurposeByBusiness ON BusinessPurpose (BusinessInformationId);
CREATE INDEX BusinessTypeByBusiness ON BusinessType (BusinessInformationId);
CREATE INDEX BusinessPerspectiveByBusiness ON BusinessPerspective (BusinessInformationId);
CREATE INDEX BusinessEmployeesByBusiness ON BusinessEmployees (BusinessInformationId);
CREATE INDEX LongTermGoalByBusiness ON [Business Long Term Goal] (BusinessInformationId);
CREATE INDEX ShortTermGoalByBusiness ON [Business Short Term Goal] (BusinessInformationId);
CREATE INDEX RegisteredAgentByBusiness ON REGISTEREDAGENT (BusinessInformationId);
)sql";

const char *const RssSchema = R"sql(
CREATE TABLE Tbl_Rss_Feed_Items (
    RssFeedItemId INTEGER PRIMARY KEY AUTOINCREMENT,
    RssFeedItemTitle TEXT COLLATE NOCASE,
    RssFeedItemLink TEXT COLLATE NOCASE,
    RssFeedDescription TEXT COLLATE NOCASE,
    Twittered INTEGER NOT NULL DEFAULT 0 CHECK (Twittered IN (0, 1))
) STRICT;
)sql";

const QStringList BusinessTables = {
    QStringLiteral("BusinessInformation"),
    QStringLiteral("BusinessPurpose"),
    QStringLiteral("BusinessType"),
    QStringLiteral("BusinessPerspective"),
    QStringLiteral("BusinessEmployees"),
    QStringLiteral("Business Long Term Goal"),
    QStringLiteral("Business Short Term Goal"),
    QStringLiteral("ARTICLESOFINCORPORATION"),
    QStringLiteral("REGISTEREDAGENT"),
    QStringLiteral("MasterField"),
};

void refuseExisting(const QString &filePath)
{
    if (QFileInfo::exists(filePath)) {
        throw DbError(QStringLiteral("The database %1 exists already; it was left as it is.")
                          .arg(QDir::toNativeSeparators(filePath)));
    }
}

void createDatabase(const QString &filePath, const char *schema, int version, void (*deliver)(Connection &))
{
    refuseExisting(filePath);
    {
        Connection connection;
        connection.create(filePath);
        try {
            connection.executeScript(QStringLiteral("PRAGMA journal_mode = WAL;"));
            connection.beginTransaction();
            connection.executeScript(QString::fromUtf8(schema));
            if (deliver)
                deliver(connection);
            connection.executeScript(QStringLiteral("PRAGMA user_version = %1;").arg(version));
            connection.commit();
        } catch (...) {
            connection.close();
            QFile::remove(filePath);
            throw;
        }
    }
}

void deliverBusinessContent(Connection &connection)
{
    for (const QString &name : Schema::mergeFieldNames())
        connection.execute(QStringLiteral("INSERT INTO MasterField (MasterFieldName) VALUES (?)"), {name});
    for (const DeliveredTemplate &item : deliveredTemplates())
        connection.execute(QStringLiteral("INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES (?, ?)"),
                           {item.name, item.text});
}

QStringList tableColumns(Connection &connection, const QString &table)
{
    QStringList columns;
    Statement statement(connection, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
    while (statement.step())
        columns << statement.value(0).toString();
    return columns;
}

} // namespace

namespace Schema {

void createBusinessDatabase(const QString &filePath)
{
    createDatabase(filePath, BusinessSchema, BusinessVersion, deliverBusinessContent);
}

void createRssDatabase(const QString &filePath)
{
    createDatabase(filePath, RssSchema, RssVersion, nullptr);
}

void migrate(Connection &connection)
{
    Statement statement(connection, QStringLiteral("PRAGMA user_version"));
    const int version = statement.step() ? statement.value(0).toInt() : 0;
    if (version > BusinessVersion) {
        throw DbError(QStringLiteral("The database %1 was made by a newer version of Tallowmere (schema %2).")
                          .arg(QDir::toNativeSeparators(connection.filePath()))
                          .arg(version));
    }
    // Version 1 is the first schema: there is nothing to upgrade yet.
}

void requireBusinessDatabase(Connection &connection)
{
    for (const QString &table : BusinessTables) {
        if (tableColumns(connection, table).isEmpty()) {
            throw DbError(QStringLiteral("%1 is not a Tallowmere business database: table %2 is missing.")
                              .arg(QDir::toNativeSeparators(connection.filePath()), table));
        }
    }
    migrate(connection);
}

QStringList check(const QString &filePath)
{
    QStringList problems;
    Connection connection;
    try {
        connection.openFile(filePath);
        Statement integrity(connection, QStringLiteral("PRAGMA integrity_check"));
        while (integrity.step()) {
            const QString line = integrity.value(0).toString();
            if (line != QLatin1String("ok"))
                problems << QStringLiteral("Integrity: ") % line;
        }
        const bool isRss = !tableColumns(connection, QStringLiteral("Tbl_Rss_Feed_Items")).isEmpty();
        const QStringList expected = isRss ? QStringList{QStringLiteral("Tbl_Rss_Feed_Items")} : BusinessTables;
        for (const QString &table : expected) {
            if (tableColumns(connection, table).isEmpty())
                problems << QStringLiteral("Table %1 is missing.").arg(table);
        }
        Statement version(connection, QStringLiteral("PRAGMA user_version"));
        const int found = version.step() ? version.value(0).toInt() : 0;
        const int wanted = isRss ? RssVersion : BusinessVersion;
        if (found != wanted)
            problems << QStringLiteral("Schema version %1, expected %2.").arg(found).arg(wanted);
    } catch (const DbError &error) {
        problems << error.description();
    }
    return problems;
}

QStringList mergeFieldNames()
{
    return {
        QStringLiteral("businessName"),
        QStringLiteral("BusninesName"),
        QStringLiteral("BusinessAddressOne"),
        QStringLiteral("BusinessAddressTwo"),
        QStringLiteral("BusinessCity"),
        QStringLiteral("BusinessState"),
        QStringLiteral("BusinessZip"),
        QStringLiteral("BusinessPhoneNumber"),
        QStringLiteral("BusinessFaxNumber"),
        QStringLiteral("BusinessEMailAddress"),
        QStringLiteral("BusinessWebSiteURL"),
        QStringLiteral("BusinessCounty"),
        QStringLiteral("REGISTEREDAGENTFirstName"),
        QStringLiteral("REGISTEREDAGENTMiddleName"),
        QStringLiteral("REGISTEREDAGENTLastName"),
        QStringLiteral("REGISTEREDAGENTAddressOne"),
        QStringLiteral("REGISTEREDAGENTAddressTwo"),
        QStringLiteral("REGISTEREDAGENTCity"),
        QStringLiteral("REGISTEREDAGENTState"),
        QStringLiteral("REGISTEREDAGENTZip"),
        QStringLiteral("REGISTEREDAGENTPhoneNumber"),
        QStringLiteral("REGISTEREDAGENTFaxNumber"),
        QStringLiteral("REGISTEREDAGENTEMailAddress"),
        QStringLiteral("RegisteredAgent"),
        QStringLiteral("registeredagentstate"),
        QStringLiteral("list specific functions"),
        QStringLiteral("county"),
        QStringLiteral("state"),
        QStringLiteral("insert type of business"),
    };
}

} // namespace Schema
} // namespace db
