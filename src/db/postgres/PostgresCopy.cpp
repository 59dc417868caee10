#include "db/ServerCopy.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Schema.h"
#include "db/Statement.h"
#include "db/postgres/PostgresSchema.h"
#include "db/postgres/PostgresSession.h"
#include "db/postgres/PostgresStatement.h"
#include "db/schema/SchemaTables.h"

#include <QDir>
#include <QFileInfo>

namespace db {

namespace {

constexpr qsizetype ChunkBytes = 1 << 16;

// COPY's text format: a Null is \N; a backslash, tab, CR and LF inside a value are escaped.
void appendField(QByteArray &out, const QVariant &value)
{
    if (!value.isValid() || value.isNull()) {
        out += "\\N";
        return;
    }
    const QByteArray text = value.typeId() == QMetaType::QString ? value.toString().toUtf8() : value.toByteArray();
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
}

void requireSound(const QString &file)
{
    if (!QFileInfo::exists(file))
        throw DbError(QStringLiteral("The database file %1 does not exist.").arg(QDir::toNativeSeparators(file)));
    const QStringList problems = Schema::check(file);
    if (!problems.isEmpty()) {
        throw DbError(QStringLiteral("The database %1 is not copied, it has problems: %2")
                          .arg(QDir::toNativeSeparators(file), problems.join(u' ')));
    }
}

// The highest key the file's table ever handed out, deleted rows included.
qint64 highestKeyUsed(Connection &source, const SchemaTables::Table &table)
{
    Statement sequence(source, QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"), {table.name});
    return sequence.step() ? sequence.value(0).toLongLong() : 0;
}

qint64 copyTable(const QString &file, const SchemaTables::Table &table, PostgresSession &session,
                 QHash<QString, qint64> &highestUsed)
{
    Connection source;
    source.openFile(file, true);
    highestUsed.insert(table.name, highestKeyUsed(source, table));
    QStringList jetColumns;
    QStringList pgColumns;
    for (const SchemaTables::Column &column : table.columns) {
        jetColumns << u'[' + column.name + u']';
        pgColumns << quotePostgresName(column.name);
    }
    Statement rows(source, QStringLiteral("SELECT ") + jetColumns.join(u',') + QStringLiteral(" FROM [") + table.name
                               + QStringLiteral("] ORDER BY [") + table.keyColumn() + u']');
    const int count = static_cast<int>(table.columns.size());
    qint64 copied = 0;
    bool more = true; // a finished SQLite statement would start again if stepped
    session.copyIn(QStringLiteral("COPY %1 (%2) FROM STDIN").arg(quotePostgresName(table.name), pgColumns.join(u',')),
                   [&](QByteArray &chunk) {
                       chunk.clear();
                       while (more && chunk.size() < ChunkBytes && (more = rows.step())) {
                           for (int c = 0; c < count; ++c) {
                               if (c > 0)
                                   chunk += '\t';
                               appendField(chunk, rows.value(c));
                           }
                           chunk += '\n';
                           ++copied;
                       }
                       return !chunk.isEmpty();
                   });
    return copied;
}

} // namespace

QList<QPair<QString, qint64>> copyFolderToServer(const QString &folder, const QString &uri)
{
    const QDir dir(folder);
    const QString business = dir.filePath(QLatin1String(ConnectionStrings::BusinessDatabaseFile));
    const QString rss = dir.filePath(QLatin1String(ConnectionStrings::RssDatabaseFile));
    requireSound(business);
    requireSound(rss);

    PostgresSession session(uri);
    QList<QPair<QString, qint64>> counts;
    QHash<QString, qint64> highestUsed;
    PostgresSchema::create(session, [&] {
        for (const SchemaTables::Table &table : SchemaTables::businessTables())
            counts.append({table.name, copyTable(business, table, session, highestUsed)});
        for (const SchemaTables::Table &table : SchemaTables::rssTables())
            counts.append({table.name, copyTable(rss, table, session, highestUsed)});
        PostgresSchema::advanceKeyGenerators(session, highestUsed);
    });
    return counts;
}

} // namespace db
