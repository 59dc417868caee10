#include "db/ProgramFolder.h"

#include "db/ConnectionString.h"

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

namespace {

// The program folder may hold ';' or quotes: such a path is written quoted.
QString dataSource(const char *fileName)
{
    return ConnectionString::quotedIfNeeded(ProgramFolder::filePath(QLatin1String(fileName)));
}

} // namespace

QString recordForm()
{
    return QStringLiteral("PROVIDER=SQLite;Data Source=") % dataSource(BusinessDatabaseFile) % u';';
}

QString document()
{
    return QStringLiteral("Provider=SQLite;Data Source=") % dataSource(BusinessDatabaseFile) % u';';
}

QString rss()
{
    return QStringLiteral("Provider=SQLite;Data Source=") % dataSource(RssDatabaseFile)
           % QStringLiteral(";Persist Security Info=False");
}

} // namespace ConnectionStrings

} // namespace db
