#include "support/PostgresServer.h"

#include "support/ServerSql.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace testing_support {

namespace {

QString binary(const char *name)
{
    const QString folder = qEnvironmentVariable("TALLOWMERE_PG_BIN", QStringLiteral("/usr/lib/postgresql/15/bin"));
    return QDir(folder).filePath(QLatin1String(name));
}

int freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        if (fd >= 0)
            ::close(fd);
        throw std::runtime_error("no free port on 127.0.0.1");
    }
    ::close(fd);
    return ntohs(address.sin_port);
}

void runOrThrow(const QString &command)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        const QString message
            = QStringLiteral("test server: '%1' failed: %2").arg(command, QString::fromLocal8Bit(process.readAll()));
        throw std::runtime_error(message.toStdString());
    }
}

// initdb takes most of a server test's time, and every test program runs it for the
// same cluster: the first one made is kept (per build folder, or where
// TALLOWMERE_TEST_POSTGRES_TEMPLATE says, so that builds can share it) and copied for
// each server after it. Its name holds what made it, so other options make another.
QString templateFolder(const QString &initdb)
{
    const QString base
        = qEnvironmentVariable("TALLOWMERE_TEST_POSTGRES_TEMPLATE", QStringLiteral(TALLOWMERE_TEST_POSTGRES_TEMPLATE));
    const QByteArray made = QCryptographicHash::hash(initdb.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return base + u'-' + QString::fromLatin1(made);
}

// cp -a, without a shell: the folders' names may hold anything. Empty when done,
// otherwise what cp said.
QString copyCluster(const QString &from, const QString &to)
{
    QProcess copy;
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(QStringLiteral("cp"), {QStringLiteral("-a"), QStringLiteral("--"), from, to});
    if (copy.waitForFinished(120000) && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0)
        return {};
    copy.kill();
    const QString said = QString::fromLocal8Bit(copy.readAll()).trimmed();
    return said.isEmpty() ? QStringLiteral("cp did not finish") : said;
}

// Keeps a fresh, never started cluster as the template, unless one is there already:
// it appears whole or not at all (renamed into place), whatever runs beside.
void keepAsTemplate(const QString &data, const QString &folder)
{
    const QString building = folder + QStringLiteral(".%1").arg(::getpid());
    // Without a template the next server runs initdb again: slower, no less sound.
    if (QDir().mkpath(QFileInfo(folder).path()) && copyCluster(data, building).isEmpty())
        QDir().rename(building, folder); // refused when another program's copy is there
    QDir(building).removeRecursively();
}

} // namespace

PostgresServer &PostgresServer::shared()
{
    static PostgresServer server;
    return server;
}

PostgresServer::PostgresServer()
{
    if (!m_folder.isValid())
        throw std::runtime_error("test server: no temporary folder");
    start();
}

QString PostgresServer::asServerUser(const QString &command) const
{
    if (::geteuid() != 0)
        return command;
    return QStringLiteral("runuser -u postgres -- ") + command;
}

void PostgresServer::start()
{
    const QString folder = m_folder.path();
    const QString data = folder + QStringLiteral("/data");
    if (::geteuid() == 0)
        runOrThrow(QStringLiteral("chown postgres: '%1'").arg(folder));
    const QString initdb
        = QStringLiteral("'%1' -U tallowmere -A trust -E UTF8 --locale=C.UTF-8 --no-sync --wal-segsize=1")
              .arg(binary("initdb"));
    const QString made = templateFolder(initdb);
    if (QFileInfo::exists(made + QStringLiteral("/PG_VERSION"))) {
        // A copy keeps the template's owner: the server's user when run as root.
        if (const QString failure = copyCluster(made, data); !failure.isEmpty())
            throw std::runtime_error(
                QStringLiteral("test server: %1 could not be copied: %2").arg(made, failure).toStdString());
    } else {
        runOrThrow(asServerUser(QStringLiteral("%1 -D '%2'").arg(initdb, data)));
        keepAsTemplate(data, made);
    }
    m_port = freePort();
    launch();
    // Should this program die without its destructors, the server goes with it.
    const QString stop = asServerUser(QStringLiteral("'%1' -D '%2' -m immediate -w stop").arg(binary("pg_ctl"), data));
    const QString watchdog = QStringLiteral("(while kill -0 %1 2>/dev/null; do sleep 1; done; "
                                            "if [ -d '%2' ]; then %3; rm -rf '%4'; fi) >/dev/null 2>&1 &")
                                 .arg(::getpid())
                                 .arg(data, stop, folder);
    const QString detached
        = QStringLiteral("setsid sh -c \"%1\" </dev/null").arg(QString(watchdog).replace(u'"', QLatin1String("\\\"")));
    // Without the watchdog the tests still run; only a killed test run would leave the
    // server behind.
    if (std::system(detached.toLocal8Bit().constData()) != 0)
        std::fprintf(stderr, "The PostgreSQL test server's watchdog did not start.\n");
}

void PostgresServer::launch()
{
    const QString folder = m_folder.path();
    const QString options = QStringLiteral("-p %1 -c listen_addresses=127.0.0.1 -c unix_socket_directories='%2' "
                                           "-c fsync=off -c synchronous_commit=off -c full_page_writes=off")
                                .arg(m_port)
                                .arg(folder);
    runOrThrow(asServerUser(QStringLiteral("'%1' -D '%2/data' -l '%2/server.log' -w -t 60 -o \"%3\" start")
                                .arg(binary("pg_ctl"), folder, options)));
}

void PostgresServer::stop()
{
    runOrThrow(
        asServerUser(QStringLiteral("'%1' -D '%2/data' -m fast -w -t 60 stop").arg(binary("pg_ctl"), m_folder.path())));
}

void PostgresServer::resume()
{
    launch();
}

void PostgresServer::restart()
{
    stop();
    resume();
}

PostgresServer::~PostgresServer()
{
    const QString data = m_folder.path() + QStringLiteral("/data");
    const QString stop
        = asServerUser(QStringLiteral("'%1' -D '%2' -m immediate -w stop >/dev/null 2>&1").arg(binary("pg_ctl"), data));
    // A server that is already gone has nothing to stop.
    [[maybe_unused]] const int status = std::system(stop.toLocal8Bit().constData());
}

QString PostgresServer::uri(const QString &database) const
{
    return uri(database, QStringLiteral("tallowmere"));
}

QString PostgresServer::uri(const QString &database, const QString &role) const
{
    return QStringLiteral("postgresql://%1@127.0.0.1:%2/%3").arg(role).arg(m_port).arg(database);
}

void PostgresServer::admin(const QString &sql) const
{
    ServerSql(uri(QStringLiteral("postgres"))).runScript(sql);
}

QString PostgresServer::createDatabase()
{
    const QString name = QStringLiteral("test%1").arg(++m_databases);
    admin(QStringLiteral("CREATE DATABASE %1").arg(name));
    return uri(name);
}

} // namespace testing_support
