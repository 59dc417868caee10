#pragma once

// Shared by the publishing tests: rows of Rss.db in a temporary program folder.
#include "db/Connection.h"
#include "db/Statement.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QStringList>

namespace rss_testing {

// Runs plain SQLite statements on the folder's Rss.db.
inline void execRss(const testing_support::TempProgramFolder &folder, const QString &sql)
{
    db::Connection connection;
    connection.open(QStringLiteral("Data Source=") + folder.rssDatabase());
    connection.executeScript(sql);
}

// Every row of a query on Rss.db, fields joined by '|', Null shown as "<null>".
inline QStringList rssRows(const testing_support::TempProgramFolder &folder, const QString &sql)
{
    db::Connection connection;
    connection.open(QStringLiteral("Data Source=") + folder.rssDatabase());
    db::Statement statement(connection, sql);
    QStringList rows;
    while (statement.step()) {
        QStringList fields;
        for (int c = 0; c < statement.columnCount(); ++c) {
            const QVariant value = statement.value(c);
            fields << (value.isValid() ? value.toString() : QStringLiteral("<null>"));
        }
        rows << fields.join(u'|');
    }
    return rows;
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace rss_testing
