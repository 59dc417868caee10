#include "db/schema/Schema.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/ServerAddress.h"
#include "db/Statement.h"
#include "db/postgres/PostgresAccess.h"
#include "db/postgres/PostgresEngine.h"
#include "db/postgres/PostgresSchema.h"
#include "db/postgres/PostgresSession.h"
#include "db/schema/DeliveredTemplates.h"
#include "db/schema/MergeFieldList.h"
#include "db/sqlite/FileSchemaCheck.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <memory>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db {

namespace {

using SchemaTables::ColumnKind;
using SchemaTables::Table;

// A file names a table with spaces in brackets, as the windows' statements do.
QString fileName(const QString &name)
{
    return name.contains(u' ') ? u'[' + name + u']' : name;
}

// Keys never come back after a delete (AUTOINCREMENT), dates added are the day of
// insertion, and text compares without regard to case (NOCASE, replaced on every
// connection by a collation that knows all letters).
QString fileColumnType(const SchemaTables::Column &column)
{
    switch (column.kind) {
    case ColumnKind::Key: return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case ColumnKind::DateAdded: return QStringLiteral("TEXT DEFAULT (date('now', 'localtime'))");
    case ColumnKind::Number: return QStringLiteral("INTEGER");
    case ColumnKind::Text: return QStringLiteral("TEXT COLLATE NOCASE");
    case ColumnKind::LongText: return QStringLiteral("TEXT");
    case ColumnKind::YesNo: return QStringLiteral("INTEGER NOT NULL DEFAULT 0 CHECK (%1 IN (0, 1))").arg(column.name);
    }
    return {};
}

// IF NOT EXISTS: an upgrade keeps an index of that name someone made by hand; the
// check names it if it differs.
QString indexScript(const Table &table, const SchemaTables::Index &index)
{
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3);\n")
        .arg(index.name, fileName(table.name), index.column);
}

QString indexesScript(const QList<Table> &tables)
{
    QString script;
    for (const Table &table : tables) {
        for (const SchemaTables::Index &index : table.indexes)
            script += indexScript(table, index);
    }
    return script;
}

// STRICT makes the engine refuse values of the wrong type instead of storing them silently.
QString tablesScript(const QList<Table> &tables)
{
    QString script;
    for (const Table &table : tables) {
        QStringList columns;
        for (const SchemaTables::Column &column : table.columns)
            columns << QStringLiteral("    ") % column.name % u' ' % fileColumnType(column);
        script += QStringLiteral("CREATE TABLE ") % fileName(table.name) % QStringLiteral(" (\n")
                  % columns.join(QStringLiteral(",\n")) % QStringLiteral("\n) STRICT;\n");
    }
    return script + indexesScript(tables);
}

// The date-added columns are filled by their default. A date written by hand must be
// a real date; empty text stands for no date.
QString dateAddedRules()
{
    QString script;
    for (const Table &described : SchemaTables::businessTables()) {
        const QString &table = described.name;
        const QString column = described.dateAddedColumn();
        if (column.isEmpty())
            continue;
        const QString notADate
            = QStringLiteral("WHEN NEW.%1 IS NOT NULL AND NEW.%1 <> '' AND date(NEW.%1, '+0 days') IS NOT NEW.%1 "
                             "BEGIN SELECT RAISE(ABORT, '%1 takes a date written YYYY-MM-DD'); END;\n")
                  .arg(column);
        const QString emptyIsNull
            = QStringLiteral("WHEN NEW.%1 = '' BEGIN UPDATE [%2] SET %1 = NULL WHERE _rowid_ = NEW._rowid_; END;\n")
                  .arg(column, table);
        script
            += QStringLiteral("CREATE TRIGGER [%1 date check on insert] BEFORE INSERT ON [%1] ").arg(table) % notADate
               % QStringLiteral("CREATE TRIGGER [%1 date check on update] BEFORE UPDATE OF %2 ON [%1] ")
                     .arg(table, column)
               % notADate % QStringLiteral("CREATE TRIGGER [%1 empty date on insert] AFTER INSERT ON [%1] ").arg(table)
               % emptyIsNull
               % QStringLiteral("CREATE TRIGGER [%1 empty date on update] AFTER UPDATE OF %2 ON [%1] ")
                     .arg(table, column)
               % emptyIsNull;
    }
    return script;
}

QString businessScript()
{
    return tablesScript(SchemaTables::businessTables()) % dateAddedRules();
}

QString rssScript()
{
    return tablesScript(SchemaTables::rssTables());
}

void refuseExisting(const QString &filePath)
{
    if (QFileInfo::exists(filePath)) {
        throw DbError(QStringLiteral("The database %1 exists already; it was left as it is.")
                          .arg(QDir::toNativeSeparators(filePath)));
    }
}

// A database file with the engine's companions beside it.
void removeDatabaseFiles(const QString &filePath)
{
    for (const char *suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(filePath + QLatin1String(suffix));
}

void createDatabase(const QString &filePath, const QString &schema, int version,
                    const std::function<void(Connection &)> &deliver)
{
    refuseExisting(filePath);
    try {
        Connection connection;
        connection.create(filePath);
        connection.executeScript(QStringLiteral("PRAGMA journal_mode = WAL;"));
        connection.beginTransaction();
        connection.executeScript(schema);
        if (deliver)
            deliver(connection);
        connection.executeScript(QStringLiteral("PRAGMA user_version = %1;").arg(version));
        connection.commit();
        // Everything into the file itself, so that the file alone is the database.
        connection.executeScript(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE);"));
        connection.close();
        if (QFileInfo::exists(filePath + QLatin1String("-wal")))
            throw DbError(
                QStringLiteral("The database %1 could not be completed.").arg(QDir::toNativeSeparators(filePath)));
    } catch (...) {
        removeDatabaseFiles(filePath);
        throw;
    }
}

void syncFolder(const QString &folder)
{
    // The renames last through a power cut only once the folder itself is on disk.
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A folder that does not exist yet is built whole beside its place and renamed into
// it in one step, so that a stopped run leaves nothing at all in its place.
void createInNewFolder(const QFileInfo &target)
{
    const QString path = target.absoluteFilePath();
    const QString staging
        = target.absolutePath() % QStringLiteral("/.") % target.fileName() % QStringLiteral(".tallowmere-init");
    QDir(staging).removeRecursively(); // left by a run that was stopped
    if (!QDir().mkpath(staging))
        throw DbError(QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(path)));
    // A folder of businesses is its owner's alone, whatever the umask.
    ::chmod(QFile::encodeName(staging).constData(), S_IRWXU);
    try {
        Schema::createBusinessDatabase(QDir(staging).filePath(QLatin1String(ConnectionStrings::BusinessDatabaseFile)));
        Schema::createRssDatabase(QDir(staging).filePath(QLatin1String(ConnectionStrings::RssDatabaseFile)));
        syncFolder(staging);
        if (::rename(QFile::encodeName(staging).constData(), QFile::encodeName(path).constData()) != 0) {
            throw DbError(QStringLiteral("The folder %1 could not be put in place: %2.")
                              .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno))));
        }
        syncFolder(target.absolutePath());
    } catch (...) {
        QDir(staging).removeRecursively();
        throw;
    }
}

void deliverBusinessContent(Connection &connection)
{
    for (const QString &name : Schema::mergeFieldNames())
        connection.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)")
                               .arg(tables::MasterField::Table, tables::MasterField::FieldName),
                           {name});
    namespace templates = tables::Templates;
    for (const DeliveredTemplate &item : deliveredTemplates())
        connection.execute(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)")
                               .arg(templates::Table, templates::ReportName, templates::Info),
                           {item.name, item.text});
}

// The business tables of the versions before the financial plan's (they come last).
QList<Table> tablesBeforePlans()
{
    return SchemaTables::businessTables().first(SchemaTables::businessTables().size()
                                                - SchemaTables::planTables().size());
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
    createDatabase(filePath, businessScript(), BusinessVersion, deliverBusinessContent);
}

void createRssDatabase(const QString &filePath)
{
    createDatabase(filePath, rssScript(), RssVersion, nullptr);
}

void createBusinessDatabase(const QString &filePath, const std::function<void(Connection &)> &fill)
{
    createDatabase(filePath, businessScript(), BusinessVersion, fill);
}

void createRssDatabase(const QString &filePath, const std::function<void(Connection &)> &fill)
{
    createDatabase(filePath, rssScript(), RssVersion, fill);
}

void createProgramDatabases(const QString &folder)
{
    if (ServerAddress::isAddress(folder)) {
        PostgresSession session(folder);
        return PostgresSchema::create(session);
    }
    const QDir dir(folder);
    const QString business = dir.filePath(QLatin1String(ConnectionStrings::BusinessDatabaseFile));
    const QString rss = dir.filePath(QLatin1String(ConnectionStrings::RssDatabaseFile));
    refuseExisting(business);
    refuseExisting(rss);
    const QFileInfo target(folder);
    if (!target.exists()) {
        createInNewFolder(target);
        return;
    }
    // Built under names of their own and renamed once both are complete, so that a
    // stopped or failed run leaves neither database, and no file a later run refuses.
    const QString businessPartial = dir.filePath(QStringLiteral(".Tallowmere.db.partial"));
    const QString rssPartial = dir.filePath(QStringLiteral(".Rss.db.partial"));
    removeDatabaseFiles(businessPartial); // left by a run that was stopped
    removeDatabaseFiles(rssPartial);
    // A log without its database would be read into the new one.
    removeDatabaseFiles(business);
    removeDatabaseFiles(rss);
    try {
        createBusinessDatabase(businessPartial);
        createRssDatabase(rssPartial);
        syncFolder(folder);
        if (!QFile::rename(businessPartial, business))
            throw DbError(
                QStringLiteral("The database %1 could not be put in place.").arg(QDir::toNativeSeparators(business)));
        if (!QFile::rename(rssPartial, rss)) {
            QFile::remove(business);
            throw DbError(
                QStringLiteral("The database %1 could not be put in place.").arg(QDir::toNativeSeparators(rss)));
        }
        syncFolder(folder);
    } catch (...) {
        removeDatabaseFiles(businessPartial);
        removeDatabaseFiles(rssPartial);
        throw;
    }
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
    // A database that cannot be written is used as it is.
    if (version == BusinessVersion || isReadOnlyFile(connection))
        return;
    connection.beginTransaction();
    try {
        if (version < 2) {
            for (const Table &table : SchemaTables::businessTables()) {
                const QString column = table.dateAddedColumn();
                if (!column.isEmpty())
                    connection.executeScript(
                        QStringLiteral("UPDATE [%1] SET %2 = NULL WHERE %2 = '';").arg(table.name, column));
            }
            connection.executeScript(dateAddedRules());
        }
        if (version < 3) // the index businesses are counted from; the others are older
            connection.executeScript(indexesScript(tablesBeforePlans()));
        if (version < 4) { // the plan's tables, where no earlier step or hand made them
            QList<Table> missing;
            for (const Table &table : SchemaTables::planTables()) {
                if (tableColumns(connection, table.name).isEmpty())
                    missing << table;
            }
            connection.executeScript(tablesScript(missing));
        }
        connection.executeScript(QStringLiteral("PRAGMA user_version = %1;").arg(BusinessVersion));
        connection.commit();
    } catch (...) {
        connection.rollback();
        throw;
    }
}

void upgrade(const QString &database)
{
    if (ServerAddress::isAddress(database)) {
        PostgresSession session(database);
        return PostgresSchema::upgrade(session);
    }
    Connection connection;
    connection.openFile(database);
    requireBusinessDatabase(connection);
    // A file that cannot be written is used as it is, but is not up to date.
    Statement statement(connection, QStringLiteral("PRAGMA user_version"));
    if (!statement.step() || statement.value(0).toInt() != BusinessVersion) {
        throw DbError(QStringLiteral("The database %1 cannot be written; it was left as it is.")
                          .arg(QDir::toNativeSeparators(connection.filePath())));
    }
}

void requireBusinessDatabase(Connection &connection)
{
    if (PostgresSession *server = postgresSessionOf(connection)) {
        PostgresSchema::upgrade(*server);
        PostgresSchema::requireTables(*server);
        return;
    }
    // An earlier version's file gets the plan's tables from the upgrade below.
    for (const Table &table : tablesBeforePlans()) {
        if (tableColumns(connection, table.name).isEmpty()) {
            throw DbError(QStringLiteral("%1 is not a Tallowmere business database: table %2 is missing.")
                              .arg(QDir::toNativeSeparators(connection.filePath()), table.name));
        }
    }
    migrate(connection);
}

QStringList check(const QString &filePath)
{
    if (ServerAddress::isAddress(filePath)) {
        PostgresSession session(filePath);
        return PostgresSchema::check(session) + PostgresAccess::check(session);
    }
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
        // The file's name says which database it must be; any other name, its tables.
        const QString name = QFileInfo(filePath).fileName();
        const bool isRss
            = name.compare(QLatin1String(ConnectionStrings::RssDatabaseFile), Qt::CaseInsensitive) == 0
              || (name.compare(QLatin1String(ConnectionStrings::BusinessDatabaseFile), Qt::CaseInsensitive) != 0
                  && !tableColumns(connection, tables::RssFeedItems::Table).isEmpty());
        // Compared with the schema this program makes.
        const QByteArray script
            = (isRss ? rssScript() : businessScript()).toUtf8()
              + QStringLiteral("PRAGMA user_version = %1;").arg(isRss ? RssVersion : BusinessVersion).toUtf8();
        problems << fileSchemaDifferences(connection, script);
    } catch (const DbError &error) {
        problems << error.description();
    }
    return problems;
}

QStringList mergeFieldNames()
{
    QStringList names;
    for (const MergeFieldDefinition &field : MergeFieldList)
        names << field.name.toString();
    return names;
}

} // namespace Schema
} // namespace db
