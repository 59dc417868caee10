#include "db/ColumnRoles.h"

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

QString defaultOf(sqlite3 *db, const QString &database, const QString &table, const QString &column)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT dflt_value FROM pragma_table_info(?1, ?2) WHERE name = ?3", -1, &statement,
                           nullptr)
        != SQLITE_OK) {
        sqlite3_finalize(statement);
        return {};
    }
    const QByteArray names[] = {table.toUtf8(), database.toUtf8(), column.toUtf8()};
    for (int i = 0; i < 3; ++i)
        sqlite3_bind_text(statement, i + 1, names[i].constData(), static_cast<int>(names[i].size()), SQLITE_TRANSIENT);
    QString result;
    if (sqlite3_step(statement) == SQLITE_ROW)
        result = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return result;
}

} // namespace

ColumnRole columnRole(sqlite3 *db, const QString &database, const QString &table, const QString &column)
{
    int primaryKey = 0;
    const QByteArray databaseName = database.toUtf8();
    if (sqlite3_table_column_metadata(db, database.isEmpty() ? nullptr : databaseName.constData(),
                                      table.toUtf8().constData(), column.toUtf8().constData(), nullptr, nullptr,
                                      nullptr, &primaryKey, nullptr)
            == SQLITE_OK
        && primaryKey) {
        return ColumnRole::Key;
    }
    if (isInsertionDate(defaultOf(db, database.isEmpty() ? QStringLiteral("main") : database, table, column)))
        return ColumnRole::DateAdded;
    return ColumnRole::Ordinary;
}

} // namespace db
