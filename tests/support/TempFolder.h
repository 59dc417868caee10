#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testing_support {

// Whether this run keeps the test databases on a PostgreSQL server of its own
// (TALLOWMERE_TEST_ENGINE=postgres): the layer's tests run on both engines.
bool onServerEngine();

// Runs statements on the database a connection string names, on either engine.
void execOn(const QString &connectionString, const QString &sql);
// Every row of a query on the database a connection string names, fields joined by
// '|', Null shown as "<null>".
QStringList rowsOf(const QString &connectionString, const QString &sql);

// A fresh program folder holding newly made databases (schema and delivered
// content), which the program folder points at while the object lives. On the
// server engine the folder holds a Tallowmere.url naming a fresh server database.
class TempProgramFolder
{
public:
    explicit TempProgramFolder(bool withDatabases = true);
    ~TempProgramFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString businessDatabase() const;
    QString rssDatabase() const;

    // The connection string of the business database, on either engine.
    QString connectionString() const;
    // The connection string of the RSS items: Rss.db, or on a server the same
    // database as the business tables.
    QString rssConnectionString() const;

    // Runs statements on the business database (setting up rows for a test).
    void exec(const QString &sql) const;
    // The first column of the first row of a query on the business database, as text.
    QString scalar(const QString &sql) const;
    // Every row of a query on the business database (see rowsOf).
    QStringList rows(const QString &sql) const;

private:
    QString serverOrFile(const QString &file) const;

    QTemporaryDir m_dir;
};

} // namespace testing_support
