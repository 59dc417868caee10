#include "db/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace db {

namespace {

QString &overrideFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString ProgramFolder::path()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return QCoreApplication::applicationDirPath();
}

QString ProgramFolder::filePath(const QString &fileName)
{
    return QDir(path()).filePath(fileName);
}

void ProgramFolder::setOverride(const QString &folder)
{
    overrideFolder() = folder;
}

void ProgramFolder::clearOverride()
{
    overrideFolder().clear();
}

namespace ConnectionStrings {

QString recordForm()
{
    return QStringLiteral("PROVIDER=SQLite;Data Source=") % ProgramFolder::filePath(QLatin1String(BusinessDatabaseFile))
           % u';';
}

QString document()
{
    return QStringLiteral("Provider=SQLite;Data Source=") % ProgramFolder::filePath(QLatin1String(BusinessDatabaseFile))
           % u';';
}

QString rss()
{
    return QStringLiteral("Provider=SQLite;Data Source=") % ProgramFolder::filePath(QLatin1String(RssDatabaseFile))
           % QStringLiteral(";Persist Security Info=False");
}

} // namespace ConnectionStrings

} // namespace db
