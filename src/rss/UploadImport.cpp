#include "rss/UploadImport.h"

#include "base/Error.h"
#include "base/TextFile.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Statement.h"
#include "rss/RssStatements.h"

#include <QFileInfo>

namespace rss {

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
    if (!QFileInfo::exists(path))
        return result;
    std::vector<RssItem> items;
    try {
        items = parseUploadLines(base::readTextFileLines(path));
    } catch (const base::FileError &) {
        return result;
    }
    if (items.empty())
        return result;

    db::Connection connection;
    connection.open(db::ConnectionStrings::rss());
    connection.beginTransaction();
    try {
        // Prepared once: the import of many items is bound by the statements' preparation otherwise.
        db::Statement insert(connection, QLatin1String(InsertItemWithPlaceholders), {QString(), QString(), QString()});
        db::Statement savepoint(connection, QStringLiteral("SAVEPOINT item"));
        db::Statement release(connection, QStringLiteral("RELEASE item"));
        db::Statement rollBack(connection, QStringLiteral("ROLLBACK TO item"));
        const auto run = [](db::Statement &statement, const QVariantList &values = {}) {
            statement.rebind(values);
            while (statement.step()) { }
        };
        for (const RssItem &item : items) {
            run(savepoint);
            try {
                run(insert, {item.title, item.link, item.description});
                run(release);
                ++result.imported;
            } catch (const db::DbError &) {
                run(rollBack);
                run(release);
                ++result.failed;
            }
        }
        connection.commit();
    } catch (...) {
        connection.rollback();
        throw;
    }
    return result;
}

} // namespace rss
