#include "db/sqlite/FileSchema.h"

#include "db/BackupFiles.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Schema.h"
#include "db/schema/DeliveredTemplates.h"
#include "db/sqlite/FileBackup.h"
#include "db/sqlite/FileSchemaCheck.h"
#include "db/sqlite/FileStorage.h"
#include "db/sqlite/SqliteEngine.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <memory>

namespace db {

namespace {

using SchemaTables::ColumnKind;
using SchemaTables::Table;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

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
QString dateAddedRules(const QList<Table> &tables)
{
    QString script;
    for (const Table &described : tables) {
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
    return tablesScript(SchemaTables::businessTables()) % dateAddedRules(SchemaTables::businessTables());
}

QString rssScript()
{
    return tablesScript(SchemaTables::rssTables()) % dateAddedRules(SchemaTables::rssTables());
}

void execute(SqliteEngine &file, const QString &sql, const QVariantList &parameters)
{
    file.prepare(sql, parameters, true)->step();
}

void createDatabase(const QString &filePath, const QString &schema, int version,
                    const std::function<void(SqliteEngine &)> &deliver)
{
    BackupFiles::refuseExisting(filePath);
    try {
        {
            const std::unique_ptr<SqliteEngine> file = createFileEngine(filePath);
            file->executeScript(QStringLiteral("PRAGMA journal_mode = WAL;"));
            file->beginTransaction();
            file->executeScript(schema);
            if (deliver)
                deliver(*file);
            file->executeScript(QStringLiteral("PRAGMA user_version = %1;").arg(version));
            file->commit();
            // Everything into the file itself, so that the file alone is the database.
            file->executeScript(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE);"));
        }
        if (QFileInfo::exists(filePath + QLatin1String("-wal")))
            throw DbError(QStringLiteral("The database %1 could not be completed.").arg(shown(filePath)));
    } catch (...) {
        removeDatabaseFiles(filePath);
        throw;
    }
}

void deliverBusinessContent(SqliteEngine &file)
{
    for (const QString &name : Schema::mergeFieldNames())
        execute(file,
                QStringLiteral("INSERT INTO %1 (%2) VALUES (?)")
                    .arg(tables::MasterField::Table, tables::MasterField::FieldName),
                {name});
    namespace templates = tables::Templates;
    for (const DeliveredTemplate &item : deliveredTemplates())
        execute(file,
                QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)")
                    .arg(templates::Table, templates::ReportName, templates::Info),
                {item.name, item.text});
}

std::function<void(SqliteEngine &)> filling(const std::function<void(FileRows &)> &fill)
{
    return [fill](SqliteEngine &file) {
        SqliteFileRows rows(file);
        fill(rows);
    };
}

// The business tables of the versions before the financial plan's (they come last).
QList<Table> tablesBeforePlans()
{
    return SchemaTables::businessTables().first(SchemaTables::businessTables().size()
                                                - SchemaTables::planTables().size());
}

bool hasTable(SqliteEngine &file, const QString &table)
{
    return file.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table}, false)->step();
}

int userVersion(SqliteEngine &file)
{
    const std::unique_ptr<EngineRows> version = file.prepare(QStringLiteral("PRAGMA user_version"), {}, false);
    return version->step() ? version->value(0).toInt() : 0;
}

// Brings an open database up to the current schema version; one that cannot be
// written is left as it is.
void migrate(SqliteEngine &file)
{
    const int version = userVersion(file);
    if (version > Schema::BusinessVersion) {
        throw DbError(QStringLiteral("The database %1 was made by a newer version of Tallowmere (schema %2).")
                          .arg(shown(file.description()))
                          .arg(version));
    }
    // A database that cannot be written is used as it is.
    if (version == Schema::BusinessVersion || file.isReadOnly())
        return;
    file.beginTransaction();
    try {
        if (version < 2) {
            for (const Table &table : SchemaTables::businessTables()) {
                const QString column = table.dateAddedColumn();
                if (!column.isEmpty())
                    file.executeScript(
                        QStringLiteral("UPDATE [%1] SET %2 = NULL WHERE %2 = '';").arg(table.name, column));
            }
            file.executeScript(dateAddedRules(SchemaTables::businessTables()));
        }
        if (version < 3) // the index businesses are counted from; the others are older
            file.executeScript(indexesScript(tablesBeforePlans()));
        if (version < 4) { // the plan's tables, where no earlier step or hand made them
            QList<Table> missing;
            for (const Table &table : SchemaTables::planTables()) {
                if (!hasTable(file, table.name))
                    missing << table;
            }
            file.executeScript(tablesScript(missing));
        }
        file.executeScript(QStringLiteral("PRAGMA user_version = %1;").arg(Schema::BusinessVersion));
        file.commit();
    } catch (...) {
        file.rollback();
        throw;
    }
}

// Items gain the day they were added. SQLite adds no column whose default is the
// day, so the table is made anew under its own name and keys; items from before
// have no date, for nobody knows it.
void addItemDates(SqliteEngine &file)
{
    namespace items = tables::RssFeedItems;
    if (file.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE name = ?"),
                     {QString(items::Table), QString(items::DateAdded)}, false)
            ->step())
        return;
    const Table &described = SchemaTables::rssTables().first();
    Table building = described;
    building.name = described.name + QStringLiteral("_upgrading");
    QStringList kept;
    for (const SchemaTables::Column &column : described.columns) {
        if (column.name != items::DateAdded)
            kept << column.name;
    }
    qint64 lastKey = 0;
    {
        const std::unique_ptr<EngineRows> sequence = file.prepare(
            QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"), {QString(items::Table)}, false);
        if (sequence->step())
            lastKey = sequence->value(0).toLongLong();
    } // a statement left open would hold the table the drop below removes
    file.executeScript(tablesScript({building})
                       % QStringLiteral("INSERT INTO %1 (%2, %4) SELECT %2, NULL FROM %3;\n"
                                        "DROP TABLE %3;\n"
                                        "ALTER TABLE %1 RENAME TO %3;\n")
                             .arg(building.name, kept.join(u','), described.name, items::DateAdded));
    // A key given out before, then deleted, is never given out again.
    execute(file, QStringLiteral("UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE name = ?"),
            {lastKey, QString(items::Table)});
    file.executeScript(dateAddedRules({described}));
}

// The RSS database's own steps; its version counts apart from the business one's.
void migrateRss(SqliteEngine &file)
{
    const int version = userVersion(file);
    if (version > Schema::RssVersion) {
        throw DbError(QStringLiteral("The database %1 was made by a newer version of Tallowmere (schema %2).")
                          .arg(shown(file.description()))
                          .arg(version));
    }
    if (version >= Schema::RssVersion || file.isReadOnly())
        return;
    file.beginTransaction();
    try {
        if (version < 2) { // where items were announced
            QList<Table> missing;
            for (const Table &table : SchemaTables::rssAnnouncementTables()) {
                if (!hasTable(file, table.name))
                    missing << table;
            }
            file.executeScript(tablesScript(missing));
        }
        if (version < 3)
            addItemDates(file);
        file.executeScript(QStringLiteral("PRAGMA user_version = %1;").arg(Schema::RssVersion));
        file.commit();
    } catch (...) {
        file.rollback();
        throw;
    }
}

} // namespace

namespace FileSchema {

void createProgramDatabases(const QString &folder)
{
    const QDir dir(folder);
    const QString business = dir.filePath(QLatin1String(ConnectionStrings::BusinessDatabaseFile));
    const QString rss = dir.filePath(QLatin1String(ConnectionStrings::RssDatabaseFile));
    BackupFiles::refuseExisting(business);
    BackupFiles::refuseExisting(rss);
    // A log without its database would be read into the new one.
    removeCompanionFiles(business);
    removeCompanionFiles(rss);
    BackupFiles::buildThenMove(
        folder, QStringLiteral(".tallowmere-init-"),
        {QLatin1String(ConnectionStrings::BusinessDatabaseFile), QLatin1String(ConnectionStrings::RssDatabaseFile)},
        [](const QString &working) {
            const QDir made(working);
            Schema::createBusinessDatabase(made.filePath(QLatin1String(ConnectionStrings::BusinessDatabaseFile)));
            Schema::createRssDatabase(made.filePath(QLatin1String(ConnectionStrings::RssDatabaseFile)));
        });
}

QStringList check(const QString &filePath)
{
    QStringList problems;
    try {
        const std::unique_ptr<SqliteEngine> file = openFileEngine(filePath, false);
        const std::unique_ptr<EngineRows> integrity
            = file->prepare(QStringLiteral("PRAGMA integrity_check"), {}, false);
        while (integrity->step()) {
            const QString line = integrity->value(0).toString();
            if (line != QLatin1String("ok"))
                problems << QStringLiteral("Integrity: ") % line;
        }
        const QString name = QFileInfo(filePath).fileName();
        const bool isRss
            = name.compare(QLatin1String(ConnectionStrings::RssDatabaseFile), Qt::CaseInsensitive) == 0
              || (name.compare(QLatin1String(ConnectionStrings::BusinessDatabaseFile), Qt::CaseInsensitive) != 0
                  && hasTable(*file, tables::RssFeedItems::Table));
        // Compared with the schema this program makes.
        const QByteArray script = (isRss ? rssScript() : businessScript()).toUtf8()
                                  + QStringLiteral("PRAGMA user_version = %1;")
                                        .arg(isRss ? Schema::RssVersion : Schema::BusinessVersion)
                                        .toUtf8();
        problems << fileSchemaDifferences(*file, script);
    } catch (const DbError &error) {
        problems << error.description();
    }
    return problems;
}

void requireBusinessTables(SqliteEngine &file)
{
    // An earlier version's file gets the plan's tables from the upgrade below.
    for (const Table &table : tablesBeforePlans()) {
        if (!hasTable(file, table.name)) {
            throw DbError(QStringLiteral("%1 is not a Tallowmere business database: table %2 is missing.")
                              .arg(shown(file.description()), table.name));
        }
    }
    migrate(file);
}

void requireRssTables(SqliteEngine &file)
{
    if (!hasTable(file, tables::RssFeedItems::Table)) {
        throw DbError(QStringLiteral("%1 is not a Tallowmere RSS database: table %2 is missing.")
                          .arg(shown(file.description()), tables::RssFeedItems::Table));
    }
    migrateRss(file);
}

void upgrade(const QString &filePath)
{
    const std::unique_ptr<SqliteEngine> file = openFileEngine(filePath, false);
    const bool isRss = hasTable(*file, tables::RssFeedItems::Table);
    if (isRss)
        requireRssTables(*file);
    else
        requireBusinessTables(*file);
    // A file that cannot be written is used as it is, but is not up to date.
    if (userVersion(*file) != (isRss ? Schema::RssVersion : Schema::BusinessVersion)) {
        throw DbError(
            QStringLiteral("The database %1 cannot be written; it was left as it is.").arg(shown(file->description())));
    }
}

} // namespace FileSchema

namespace Schema {

void createBusinessDatabase(const QString &filePath)
{
    createDatabase(filePath, businessScript(), BusinessVersion, deliverBusinessContent);
}

void createRssDatabase(const QString &filePath)
{
    createDatabase(filePath, rssScript(), RssVersion, nullptr);
}

void createBusinessDatabase(const QString &filePath, const std::function<void(FileRows &)> &fill)
{
    createDatabase(filePath, businessScript(), BusinessVersion, filling(fill));
}

void createRssDatabase(const QString &filePath, const std::function<void(FileRows &)> &fill)
{
    createDatabase(filePath, rssScript(), RssVersion, filling(fill));
}

} // namespace Schema
} // namespace db
