#include "LocalServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <stdexcept>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testing_support {

LocalServer::LocalServer(const QString &script, const QStringList &arguments)
{
    // The tests talk to their own peers directly, never through a proxy of the machine.
    for (const char *proxy :
         {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "ftp_proxy", "FTP_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(proxy);
    const QDir servers(QStringLiteral(TALLOWMERE_TEST_SERVERS));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/python3"), QStringList{servers.filePath(script)} + arguments);
    if (!m_process.waitForStarted(10000))
        throw std::runtime_error("the test server did not start");
    QDeadlineTimer deadline(20000);
    while (!m_process.canReadLine() && !deadline.hasExpired() && m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(200);
    m_port = m_process.readLine().trimmed().toInt();
    if (m_port <= 0)
        throw std::runtime_error("the test server did not report its port");
}

LocalServer::~LocalServer()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

int unusedPort()
{
    // Bound and closed again: the port was free a moment ago and nobody listens.
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<sockaddr *>(&address), length);
    getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

bool waitUntil(const std::function<bool()> &done, int boundMs)
{
    QDeadlineTimer deadline(boundMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    return true;
}

} // namespace testing_support
