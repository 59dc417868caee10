#include "db/postgres/PostgresBackup.h"

#include "db/DbError.h"
#include "db/FileRows.h"
#include "db/Schema.h"
#include "db/postgres/PostgresSchema.h"
#include "db/postgres/PostgresSession.h"
#include "db/postgres/PostgresStatement.h"

#include <vector>

namespace db {

namespace {

// The highest key the server's generator for the table has handed out.
qint64 highestKeyHandedOut(PostgresSession &session, const SchemaTables::Table &table)
{
    const PostgresResult sequence = session.run(QStringLiteral("SELECT pg_get_serial_sequence($1, $2)"),
                                                {quotePostgresName(table.name), table.keyColumn()});
    if (sequence.isNull(0, 0))
        return 0;
    const PostgresResult state
        = session.run(QStringLiteral("SELECT last_value, is_called FROM ") + sequence.value(0, 0).toString());
    const qint64 last = state.value(0, 0).toLongLong();
    return state.value(0, 1).toLongLong() != 0 ? last : last - 1;
}

// The rows come one by one (libpq's single-row mode), and go into the file in batches
// of at most this much text or this many rows: a table of large templates is never
// held whole, and rows of any size mixed in any order keep to the bound.
constexpr qint64 BatchBytes = 4 * 1024 * 1024;
constexpr size_t MostRowsInABatch = 1000;

void copyServerTable(PostgresSession &session, FileRows &file, const SchemaTables::Table &table)
{
    QStringList serverColumns;
    std::vector<bool> numeric;
    for (const SchemaTables::Column &column : table.columns) {
        serverColumns << quotePostgresName(column.name);
        numeric.push_back(column.kind == SchemaTables::ColumnKind::Key
                          || column.kind == SchemaTables::ColumnKind::Number
                          || column.kind == SchemaTables::ColumnKind::YesNo);
    }
    const int count = static_cast<int>(table.columns.size());
    std::vector<PostgresResult> batch;
    qint64 batchBytes = 0;
    const auto writeBatch = [&] {
        file.insert(table, static_cast<int>(batch.size()), [&](int row, int c) -> FileRows::Field {
            const PostgresResult &rows = batch[static_cast<size_t>(row)];
            if (rows.isNull(0, c))
                return {};
            if (numeric[static_cast<size_t>(c)])
                return {false, rows.value(0, c).toLongLong(), {}};
            return {false, 0, rows.rawText(0, c)};
        });
        batch.clear();
        batchBytes = 0;
    };
    session.send(
        QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
            .arg(serverColumns.join(u','), quotePostgresName(table.name), quotePostgresName(table.keyColumn())),
        {}, true);
    for (PostgresResult row = session.nextResult(); row.handle(); row = session.nextResult()) {
        row = session.checked(std::move(row));
        if (row.rowCount() != 1)
            continue; // the closing result
        for (int c = 0; c < count; ++c)
            batchBytes += row.rawText(0, c).size();
        batch.push_back(std::move(row));
        if (batchBytes >= BatchBytes || batch.size() >= MostRowsInABatch)
            writeBatch();
    }
    writeBatch();
    // Keys deleted on the server never come back from the copy either.
    const qint64 highest = highestKeyHandedOut(session, table);
    if (highest > 0)
        file.keepKeysAbove(table.name, highest);
}

} // namespace

void backUpServer(const QString &address, const QString &business, const QString &rss)
{
    PostgresSession session(address);
    // Every table as it was at one moment, whatever other users store meanwhile.
    session.runScript(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
    const QStringList problems = PostgresSchema::check(session);
    if (!problems.isEmpty()) {
        throw DbError(QStringLiteral("The database %1 is not backed up, it has problems: %2")
                          .arg(session.serverName(), problems.join(u' ')));
    }
    const auto filler = [&session](const QList<SchemaTables::Table> &tables) {
        return [&session, tables](FileRows &file) {
            for (const SchemaTables::Table &table : tables)
                copyServerTable(session, file, table);
        };
    };
    Schema::createBusinessDatabase(business, filler(SchemaTables::businessTables()));
    Schema::createRssDatabase(rss, filler(SchemaTables::rssTables()));
    session.rollback(); // it only read
}

} // namespace db
