#include "db/schema/ColumnRoles.h"

#include "db/Connection.h"
#include "db/schema/SchemaTables.h"
#include "db/sqlite/SqliteEngine.h"

#include <QHash>

#include <sqlite3.h>

namespace db {

namespace {

// A default that is the day (or moment) of insertion marks a date-added column.
bool isInsertionDate(const QString &defaultValue)
{
    static const QLatin1String markers[] = {QLatin1String("date("), QLatin1String("datetime("),
                                            QLatin1String("current_date"), QLatin1String("current_timestamp")};
    for (const QLatin1String &marker : markers) {
        if (defaultValue.contains(marker, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Column name (lower case) -> default, for the columns that have one.
QHash<QString, QString> defaultsOf(sqlite3 *db, const QString &database, const QString &table)
{
    QHash<QString, QString> defaults;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name, dflt_value FROM pragma_table_info(?1, ?2) WHERE dflt_value IS NOT NULL",
                           -1, &statement, nullptr)
        == SQLITE_OK) {
        const QByteArray tableName = table.toUtf8();
        const QByteArray databaseName = database.toUtf8();
        sqlite3_bind_text(statement, 1, tableName.constData(), static_cast<int>(tableName.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(statement, 2, databaseName.constData(), static_cast<int>(databaseName.size()),
                          SQLITE_TRANSIENT);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            defaults.insert(
                QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))).toLower(),
                QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 1))));
        }
    }
    sqlite3_finalize(statement);
    return defaults;
}

std::vector<ColumnRole> serverRoles(const QString &table, const QStringList &columns)
{
    std::vector<ColumnRole> roles(static_cast<size_t>(columns.size()), ColumnRole::Ordinary);
    for (const QList<SchemaTables::Table> *tables : {&SchemaTables::businessTables(), &SchemaTables::rssTables()}) {
        for (const SchemaTables::Table &candidate : *tables) {
            if (candidate.name.compare(table, Qt::CaseInsensitive) != 0)
                continue;
            for (qsizetype i = 0; i < columns.size(); ++i) {
                for (const SchemaTables::Column &column : candidate.columns) {
                    if (column.name.compare(columns[i], Qt::CaseInsensitive) != 0)
                        continue;
                    if (column.kind == SchemaTables::ColumnKind::Key)
                        roles[static_cast<size_t>(i)] = ColumnRole::Key;
                    else if (column.kind == SchemaTables::ColumnKind::DateAdded)
                        roles[static_cast<size_t>(i)] = ColumnRole::DateAdded;
                }
            }
        }
    }
    return roles;
}

} // namespace

std::vector<ColumnRole> columnRoles(Connection &connection, const QString &database, const QString &table,
                                    const QStringList &columns)
{
    if (connection.isShared())
        return serverRoles(table, columns);
    sqlite3 *db = sqliteHandleOf(connection);
    const QString schema = database.isEmpty() ? QStringLiteral("main") : database;
    const QByteArray schemaName = schema.toUtf8();
    const QByteArray tableName = table.toUtf8();
    const QHash<QString, QString> defaults = defaultsOf(db, schema, table);
    std::vector<ColumnRole> roles;
    for (const QString &column : columns) {
        int primaryKey = 0;
        if (column.isEmpty()) {
            roles.push_back(ColumnRole::Ordinary);
        } else if (sqlite3_table_column_metadata(db, schemaName.constData(), tableName.constData(),
                                                 column.toUtf8().constData(), nullptr, nullptr, nullptr, &primaryKey,
                                                 nullptr)
                       == SQLITE_OK
                   && primaryKey) {
            roles.push_back(ColumnRole::Key);
        } else if (isInsertionDate(defaults.value(column.toLower()))) {
            roles.push_back(ColumnRole::DateAdded);
        } else {
            roles.push_back(ColumnRole::Ordinary);
        }
    }
    return roles;
}

} // namespace db
