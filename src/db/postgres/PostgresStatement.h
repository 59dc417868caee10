#pragma once

#include <QString>

namespace db {

struct PostgresStatement
{
    QString text;
    int parameterCount = 0;
};

// The windows write statements the way Access accepted them. PostgreSQL folds bare
// names to lower case and knows neither [brackets] nor Yes/No, so this rewrites:
// [names] and the program's own table and column names into quoted names with the
// schema's spelling, Yes/No, "SET table.column =", "DELETE table.column FROM",
// SQLite's _rowid_ into the table's key, '?' placeholders into $1, $2..., LIKE into a comparison that ignores case for
// every letter, and drops the trailing ";". Throws DbError when the text holds more than one statement.
PostgresStatement translateToPostgres(const QString &sql);

// A name in double quotes, as PostgreSQL takes it.
QString quotePostgresName(const QString &name);

} // namespace db
