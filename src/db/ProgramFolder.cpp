#include "db/ProgramFolder.h"

#include "db/ConnectionString.h"
#include "db/ProgramFolderDelivery.h"
#include "db/Storage.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace db {

namespace {

QString &overrideFolder()
{
    static QString folder;
    return folder;
}

QString chosenFolder()
{
    return workingFolderFor(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace

QString ProgramFolder::path()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    static const QString chosen = chosenFolder();
    return chosen;
}

QString ProgramFolder::setUp()
{
    const QString folder = path();
    const QString executableFolder = QCoreApplication::applicationDirPath();
    if (overrideFolder().isEmpty() && folder != executableFolder) {
        const QString delivered = deliveredFolderOf(executableFolder);
        copyMissingDeliveredFiles(delivered.isEmpty() ? executableFolder : delivered, folder);
    }
    return folder;
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
    return Storage::ofProgramFolder(ProgramFolder::path())
        ->connectionString(QStringLiteral("PROVIDER=SQLite;Data Source=") % dataSource(BusinessDatabaseFile) % u';');
}

QString document()
{
    return Storage::ofProgramFolder(ProgramFolder::path())
        ->connectionString(QStringLiteral("Provider=SQLite;Data Source=") % dataSource(BusinessDatabaseFile) % u';');
}

QString rss()
{
    return Storage::ofProgramFolder(ProgramFolder::path())
        ->connectionString(QStringLiteral("Provider=SQLite;Data Source=") % dataSource(RssDatabaseFile)
                           % QStringLiteral(";Persist Security Info=False"));
}

} // namespace ConnectionStrings

} // namespace db
