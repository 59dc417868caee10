#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A fresh program folder holding newly made databases (schema and delivered
// content), which the program folder points at while the object lives.
class TempProgramFolder
{
public:
    explicit TempProgramFolder(bool withDatabases = true);
    ~TempProgramFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString businessDatabase() const;
    QString rssDatabase() const;

    // Runs statements on the business database (setting up rows for a test).
    void exec(const QString &sql) const;
    // The first column of the first row of a query on the business database, as text.
    QString scalar(const QString &sql) const;
    // Every row of a query, fields joined by '|', Null shown as "<null>".
    QStringList rows(const QString &sql) const;

private:
    QTemporaryDir m_dir;
};

} // namespace testing_support
