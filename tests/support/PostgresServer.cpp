#include "support/PostgresServer.h"

#include "support/ServerSql.h"

#include <QDir>
#include <QFile>
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
    runOrThrow(asServerUser(QStringLiteral("'%1' -D '%2' -U tallowmere -A trust -E UTF8 --locale=C.UTF-8 --no-sync")
                                .arg(binary("initdb"), data)));
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
