#include "db/sqlite/FileSchemaCheck.h"

#include "db/DbError.h"
#include "db/sql/SqlTokens.h"
#include "db/sqlite/SqliteEngine.h"

#include <QMap>

#include <memory>

#include <sqlite3.h>

namespace db {

namespace {

using Rows = QList<QStringList>;

// Every row of a query as text (Null as "NULL"); parameters bind as text.
Rows rowsOf(sqlite3 *db, const char *sql, const QStringList &parameters = {})
{
    Rows rows;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return rows;
    }
    for (int i = 0; i < parameters.size(); ++i) {
        const QByteArray text = parameters[i].toUtf8();
        sqlite3_bind_text(statement, i + 1, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, c));
            row << (text ? QString::fromUtf8(text) : QStringLiteral("NULL"));
        }
        rows << row;
    }
    sqlite3_finalize(statement);
    return rows;
}

struct SchemaObject
{
    QString type;
    QString name;
    QString sql;
};

// The objects a schema defines, by lower-case name; the engine's own are left out.
QMap<QString, SchemaObject> objectsOf(sqlite3 *db)
{
    QMap<QString, SchemaObject> objects;
    const Rows rows = rowsOf(db, "SELECT type, name, ifnull(sql, '') FROM sqlite_master "
                                 "WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    for (const QStringList &row : rows)
        objects.insert(row[1].toLower(), {row[0], row[1], row[2]});
    return objects;
}

QString simplified(const QString &sql)
{
    return sql.simplified().toLower();
}

// A definition as the engine reads it: words and names without regard to case or
// quoting, texts exactly, white space and comments left out. Two definitions that
// differ here differ in what they make (a constraint, a collation, a condition).
QString normalizedDefinition(const QString &sql)
{
    QStringList parts;
    for (const sql::Token &token : sql::tokenize(sql)) {
        if (token.kind == sql::TokenKind::Space)
            continue;
        if (token.kind == sql::TokenKind::Quoted && !sql::isStringLiteral(token))
            parts << sql::bareName(token).toLower();
        else if (token.kind == sql::TokenKind::Word)
            parts << token.text.toLower();
        else
            parts << token.text;
    }
    return parts.join(u' ');
}

// Where two definitions part, for the message: a few words from there on.
QString firstDifference(const QString &found, const QString &expected)
{
    const QStringList have = found.split(u' ');
    const QStringList want = expected.split(u' ');
    qsizetype i = 0;
    while (i < have.size() && i < want.size() && have[i] == want[i])
        ++i;
    constexpr qsizetype Words = 6;
    const QString at = have.mid(i, Words).join(u' ');
    return at.isEmpty() ? QStringLiteral("(it ends early)") : QStringLiteral("\"%1\"").arg(at.left(80));
}

QString collationOf(sqlite3 *db, const QString &table, const QString &column)
{
    const char *collation = nullptr;
    if (sqlite3_table_column_metadata(db, nullptr, table.toUtf8().constData(), column.toUtf8().constData(), nullptr,
                                      &collation, nullptr, nullptr, nullptr)
        != SQLITE_OK)
        return {};
    return QString::fromUtf8(collation).toUpper();
}

bool isStrict(sqlite3 *db, const QString &table)
{
    const Rows rows = rowsOf(db, "SELECT strict FROM pragma_table_list WHERE name = ?1 AND schema = 'main'", {table});
    return !rows.isEmpty() && rows.first().value(0) == QLatin1String("1");
}

void compareColumns(sqlite3 *found, sqlite3 *expected, const QString &table, QStringList &differences)
{
    // name, declared type, NOT NULL, default, place in the primary key
    const char *columns = "SELECT name, type, \"notnull\", ifnull(dflt_value, 'NULL'), pk FROM pragma_table_xinfo(?1)";
    const Rows wanted = rowsOf(expected, columns, {table});
    const Rows present = rowsOf(found, columns, {table});
    QMap<QString, QStringList> presentByName;
    for (const QStringList &column : present)
        presentByName.insert(column[0].toLower(), column);
    const QStringList aspects = {QString(), QStringLiteral("type"), QStringLiteral("NOT NULL"),
                                 QStringLiteral("default"), QStringLiteral("primary key place")};
    for (const QStringList &column : wanted) {
        const QStringList have = presentByName.take(column[0].toLower());
        if (have.isEmpty()) {
            differences << QStringLiteral("Table %1 has no column %2.").arg(table, column[0]);
            continue;
        }
        for (int i = 1; i < aspects.size(); ++i) {
            if (have[i].compare(column[i], Qt::CaseInsensitive) != 0) {
                differences << QStringLiteral("Column %1.%2 has %3 %4, expected %5.")
                                   .arg(table, column[0], aspects[i], have[i], column[i]);
            }
        }
        const QString collation = collationOf(found, table, column[0]);
        const QString wantedCollation = collationOf(expected, table, column[0]);
        if (collation != wantedCollation) {
            differences << QStringLiteral("Column %1.%2 compares with %3, expected %4.")
                               .arg(table, column[0], collation, wantedCollation);
        }
    }
    for (const QStringList &extra : std::as_const(presentByName))
        differences << QStringLiteral("Table %1 has a column %2 the program does not know.").arg(table, extra[0]);
}

void compareTable(sqlite3 *found, sqlite3 *expected, const SchemaObject &wanted, const SchemaObject &present,
                  QStringList &differences)
{
    if (isStrict(expected, wanted.name) && !isStrict(found, present.name))
        differences << QStringLiteral("Table %1 is not STRICT.").arg(wanted.name);
    const bool autoincrement = simplified(wanted.sql).contains(QLatin1String("autoincrement"));
    if (autoincrement && !simplified(present.sql).contains(QLatin1String("autoincrement")))
        differences
            << QStringLiteral("Table %1 may reuse the keys of deleted rows (no AUTOINCREMENT).").arg(wanted.name);
    compareColumns(found, expected, wanted.name, differences);
}

void compareIndex(sqlite3 *found, sqlite3 *expected, const SchemaObject &wanted, QStringList &differences)
{
    const char *sql = "SELECT group_concat(name, ', ') FROM (SELECT name FROM pragma_index_info(?1) ORDER BY seqno)";
    const char *table = "SELECT tbl_name FROM sqlite_master WHERE name = ?1";
    const QString wantedColumns = rowsOf(expected, sql, {wanted.name}).value(0).value(0);
    const QString presentColumns = rowsOf(found, sql, {wanted.name}).value(0).value(0);
    const QString wantedTable = rowsOf(expected, table, {wanted.name}).value(0).value(0);
    const QString presentTable = rowsOf(found, table, {wanted.name}).value(0).value(0);
    if (wantedColumns.compare(presentColumns, Qt::CaseInsensitive) != 0
        || wantedTable.compare(presentTable, Qt::CaseInsensitive) != 0) {
        differences << QStringLiteral("Index %1 is on %2 (%3), expected %4 (%5).")
                           .arg(wanted.name, presentTable, presentColumns, wantedTable, wantedColumns);
    }
}

QString describedType(const QString &type)
{
    return type == QLatin1String("index")     ? QStringLiteral("Index")
           : type == QLatin1String("trigger") ? QStringLiteral("Trigger")
                                              : QStringLiteral("Table");
}

QStringList schemaDifferences(sqlite3 *found, sqlite3 *expected)
{
    QStringList differences;
    const QString version = rowsOf(found, "PRAGMA user_version").value(0).value(0);
    const QString wantedVersion = rowsOf(expected, "PRAGMA user_version").value(0).value(0);
    if (version != wantedVersion)
        differences << QStringLiteral("Schema version %1, expected %2.").arg(version, wantedVersion);

    QMap<QString, SchemaObject> present = objectsOf(found);
    const QMap<QString, SchemaObject> wanted = objectsOf(expected);
    for (const SchemaObject &object : wanted) {
        const SchemaObject have = present.take(object.name.toLower());
        if (have.name.isEmpty()) {
            differences << QStringLiteral("%1 %2 is missing.").arg(describedType(object.type), object.name);
        } else if (have.type != object.type) {
            differences << QStringLiteral("%1 is a %2, expected a %3.").arg(object.name, have.type, object.type);
        } else {
            const qsizetype before = differences.size();
            if (object.type == QLatin1String("table"))
                compareTable(found, expected, object, have, differences);
            else if (object.type == QLatin1String("index"))
                compareIndex(found, expected, object, differences);
            // Whatever the detailed comparisons cannot see (a CHECK or UNIQUE constraint, a
            // foreign key, a partial index, a trigger's body) shows in the definition itself.
            const QString definition = normalizedDefinition(have.sql);
            const QString wantedDefinition = normalizedDefinition(object.sql);
            if (differences.size() == before && definition != wantedDefinition) {
                differences << QStringLiteral("%1 %2 differs from the program's at %3.")
                                   .arg(describedType(object.type), object.name,
                                        firstDifference(definition, wantedDefinition));
            }
        }
    }
    for (const SchemaObject &extra : std::as_const(present))
        differences << QStringLiteral("The %1 %2 is not one of the program's.").arg(extra.type, extra.name);
    return differences;
}

} // namespace

QStringList fileSchemaDifferences(SqliteEngine &file, const QByteArray &expectedScript)
{
    sqlite3 *memory = nullptr;
    sqlite3_open(":memory:", &memory);
    const std::unique_ptr<sqlite3, int (*)(sqlite3 *)> expected(memory, sqlite3_close);
    if (sqlite3_exec(memory, expectedScript.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw DbError(QStringLiteral("The expected schema could not be built."));
    return schemaDifferences(file.handle(), memory);
}

} // namespace db
