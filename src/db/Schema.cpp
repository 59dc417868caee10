#include "db/Schema.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Engine.h"
#include "db/Storage.h"
#include "db/schema/MergeFieldList.h"

namespace db::Schema {

void createProgramDatabases(const QString &location)
{
    Storage::at(location)->createProgramDatabases();
}

void requireBusinessDatabase(Connection &connection)
{
    if (!connection.isOpen())
        throw DbError(QStringLiteral("The connection is not open."));
    connection.settleReaders();
    connection.engine()->requireBusinessTables();
}

void requireRssDatabase(Connection &connection)
{
    if (!connection.isOpen())
        throw DbError(QStringLiteral("The connection is not open."));
    connection.settleReaders();
    connection.engine()->requireRssTables();
}

QStringList check(const QString &location)
{
    return Storage::at(location)->check();
}

void upgrade(const QString &location)
{
    Storage::at(location)->upgrade();
}

QStringList mergeFieldNames()
{
    QStringList names;
    for (const MergeFieldDefinition &field : MergeFieldList)
        names << field.name.toString();
    return names;
}

} // namespace db::Schema
