#include "support/TempFolder.h"

#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/Schema.h"
#include "db/ServerAddress.h"
#include "support/PostgresServer.h"

#include <QFile>

namespace testing_support {

bool onServerEngine()
{
    return qEnvironmentVariable("TALLOWMERE_TEST_ENGINE") == QLatin1String("postgres");
}

TempProgramFolder::TempProgramFolder(bool withDatabases)
{
    if (withDatabases && onServerEngine()) {
        const QString uri = PostgresServer::shared().createDatabase();
        db::Schema::createProgramDatabases(uri);
        QFile url(m_dir.filePath(QLatin1String(db::ServerAddress::FileName)));
        if (url.open(QIODevice::WriteOnly))
            url.write(uri.toUtf8() + "\r\n");
    } else if (withDatabases) {
        db::Schema::createBusinessDatabase(businessDatabase());
        db::Schema::createRssDatabase(rssDatabase());
    }
    db::ProgramFolder::setOverride(m_dir.path());
}

TempProgramFolder::~TempProgramFolder()
{
    db::ProgramFolder::clearOverride();
}

QString TempProgramFolder::businessDatabase() const
{
    return m_dir.filePath(QLatin1String(db::ConnectionStrings::BusinessDatabaseFile));
}

QString TempProgramFolder::rssDatabase() const
{
    return m_dir.filePath(QLatin1String(db::ConnectionStrings::RssDatabaseFile));
}

QString TempProgramFolder::connectionString() const
{
    return serverOrFile(businessDatabase());
}

QString TempProgramFolder::rssConnectionString() const
{
    return serverOrFile(rssDatabase());
}

// As the program chooses: the server holds every table, else each database is its own file.
QString TempProgramFolder::serverOrFile(const QString &file) const
{
    const QString server = db::ServerAddress::ofFolder(m_dir.path());
    return server.isEmpty() ? QStringLiteral("Data Source=") + file : server;
}

void TempProgramFolder::exec(const QString &sql) const
{
    execOn(connectionString(), sql);
}

QString TempProgramFolder::scalar(const QString &sql) const
{
    const QStringList all = rows(sql);
    return all.isEmpty() ? QString() : all.first().section(u'|', 0, 0);
}

QStringList TempProgramFolder::rows(const QString &sql) const
{
    return rowsOf(connectionString(), sql);
}

void execOn(const QString &connectionString, const QString &sql)
{
    db::Connection connection;
    connection.open(connectionString);
    connection.executeScript(sql);
}

QStringList rowsOf(const QString &connectionString, const QString &sql)
{
    db::Connection connection;
    connection.open(connectionString);
    db::Recordset recordset;
    recordset.open(sql, connection);
    QStringList result;
    for (int row = 0; row < recordset.recordCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < recordset.columnCount(); ++column) {
            const QVariant value = recordset.valueAt(row, column);
            fields << (value.isValid() ? value.toString() : QStringLiteral("<null>"));
        }
        result << fields.join(u'|');
    }
    return result;
}

} // namespace testing_support
