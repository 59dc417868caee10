#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>

#include <functional>

namespace testing_support {

// A test peer from tests/rss/servers, run with Debian's Python on 127.0.0.1 and a
// free port it reports itself. It ends with this object (and stops on its own).
class LocalServer
{
public:
    LocalServer(const QString &script, const QStringList &arguments);
    ~LocalServer();

    int port() const { return m_port; }

private:
    QProcess m_process;
    int m_port = 0;
};

// A port nothing listens on.
int unusedPort();

// Runs the event loop until `done` holds or the bound passes; false on the bound.
bool waitUntil(const std::function<bool()> &done, int boundMs = 60000);

} // namespace testing_support
