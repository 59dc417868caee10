#include "rss/UploadImport.h"

#include "base/Error.h"
#include "base/TextFile.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Statement.h"
#include "rss/RssStatements.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace rss {

namespace {

// A statement run many times and prepared once, on its first run: on a server a
// statement runs as soon as it is made, so none may be made before its turn.
class RepeatedStatement
{
public:
    RepeatedStatement(db::Connection &connection, QString sql)
        : m_connection(connection)
        , m_sql(std::move(sql))
    {
    }

    void run(const QVariantList &values = {})
    {
        if (m_statement)
            m_statement->rebind(values);
        else
            m_statement.emplace(m_connection, m_sql, values);
        while (m_statement->step()) { }
    }

private:
    db::Connection &m_connection;
    QString m_sql;
    std::optional<db::Statement> m_statement;
};

} // namespace

std::vector<RssItem> parseUploadLines(const QStringList &lines)
{
    std::vector<RssItem> items;
    const qsizetype count = lines.size();
    qsizetype next = 0;
    if (count == 0)
        return items;
    QString candidate = lines[next++];
    // The end is tested after a title has been read: a title on the last line is dropped.
    while (next < count) {
        if (!candidate.trimmed().isEmpty()) {
            RssItem item;
            item.title = candidate;
            item.link = lines[next++];
            if (next < count)
                item.description = lines[next++];
            items.push_back(std::move(item));
        }
        if (next >= count)
            break;
        candidate = lines[next++];
    }
    return items;
}

ImportResult importUploadFile()
{
    ImportResult result;
    const QString path = db::ProgramFolder::filePath(QStringLiteral("Upload.txt"));
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) {
        throw base::FileError(
            QStringLiteral("There is no file %1: no items were imported.").arg(QDir::toNativeSeparators(path)));
    }
    const std::vector<RssItem> items = parseUploadLines(base::readTextFileLines(path));
    if (items.empty())
        return result;

    db::Connection connection;
    connection.open(db::ConnectionStrings::rss());
    connection.beginTransaction();
    try {
        // Prepared once: the import of many items is bound by the statements' preparation otherwise.
        RepeatedStatement insert(connection, QLatin1String(InsertItemWithPlaceholders));
        RepeatedStatement savepoint(connection, QStringLiteral("SAVEPOINT item"));
        RepeatedStatement release(connection, QStringLiteral("RELEASE item"));
        RepeatedStatement rollBack(connection, QStringLiteral("ROLLBACK TO item"));
        const auto insertOne = [&](const RssItem &item) { insert.run({item.title, item.link, item.description}); };
        // A savepoint for each item costs the engine a copy of the page it writes:
        // items go in a batch at a time under one savepoint, and only a batch that
        // holds a failing item is undone and done again one item at a time.
        const std::size_t count = items.size();
        for (std::size_t first = 0; first < count; first += ImportBatchSize) {
            const std::size_t end = std::min(count, first + ImportBatchSize);
            savepoint.run();
            try {
                for (std::size_t i = first; i < end; ++i)
                    insertOne(items[i]);
                release.run();
                result.imported += static_cast<int>(end - first);
                continue;
            } catch (const db::DbError &) {
                rollBack.run();
                release.run();
            }
            for (std::size_t i = first; i < end; ++i) {
                savepoint.run();
                try {
                    insertOne(items[i]);
                    release.run();
                    ++result.imported;
                } catch (const db::DbError &) {
                    rollBack.run();
                    release.run();
                    ++result.failed;
                }
            }
        }
        connection.commit();
    } catch (...) {
        connection.rollback();
        throw;
    }
    return result;
}

QString importSummary(const ImportResult &result)
{
    QString text = result.imported == 1
                       ? QStringLiteral("1 item was imported from Upload.txt.")
                       : QStringLiteral("%1 items were imported from Upload.txt.").arg(result.imported);
    if (result.failed == 1)
        text += QStringLiteral(" 1 item could not be stored.");
    else if (result.failed > 1)
        text += QStringLiteral(" %1 items could not be stored.").arg(result.failed);
    return text;
}

} // namespace rss
