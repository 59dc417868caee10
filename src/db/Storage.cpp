#include "db/Storage.h"

#include "db/ConnectionString.h"
#include "db/DbError.h"
#include "db/Engine.h"
#include "db/ServerAddress.h"
#include "db/postgres/ServerStorage.h"
#include "db/sqlite/FileStorage.h"

namespace db {

std::unique_ptr<Storage> Storage::at(const QString &location)
{
    if (ServerAddress::isAddress(location))
        return std::make_unique<ServerStorage>(location);
    return std::make_unique<FileStorage>(location);
}

std::unique_ptr<Storage> Storage::ofProgramFolder(const QString &folder)
{
    if (ServerAddress::isAddress(folder))
        return std::make_unique<ServerStorage>(folder);
    const QString server = ServerAddress::ofFolder(folder);
    if (!server.isEmpty())
        return std::make_unique<ServerStorage>(server);
    return std::make_unique<FileStorage>(folder);
}

std::unique_ptr<Storage> Storage::ofFile(const QString &filePath)
{
    return std::make_unique<FileStorage>(filePath);
}

std::unique_ptr<Storage> Storage::ofConnectionString(const QString &connectionString, bool &readOnly)
{
    readOnly = false;
    const QString trimmed = connectionString.trimmed();
    if (ServerAddress::isAddress(trimmed))
        return std::make_unique<ServerStorage>(trimmed);
    const ConnectionString settings(connectionString);
    const QString path = settings.value(QStringLiteral("Data Source"));
    if (path.isEmpty())
        throw DbError(QStringLiteral("The connection string names no database file (Data Source is missing)."));
    readOnly = settings.value(QStringLiteral("Mode")).compare(QLatin1String("Read"), Qt::CaseInsensitive) == 0;
    return std::make_unique<FileStorage>(path);
}

} // namespace db
