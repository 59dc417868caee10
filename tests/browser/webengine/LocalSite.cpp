#include "LocalSite.h"

#include <QFile>

namespace browser_testing {

LocalSite::LocalSite() = default;

LocalSite::~LocalSite()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.kill();
        m_server.waitForFinished(5000);
    }
}

void LocalSite::addPage(const QString &fileName, const QString &title, const QStringList &linksTo)
{
    QString links;
    for (const QString &target : linksTo)
        links += QStringLiteral("<p><a id=\"%1\" href=\"%1\">%1</a></p>").arg(target);
    const QString html = QStringLiteral("<!DOCTYPE html><html><head><title>%1</title></head>"
                                        "<body style=\"background:#f4f0d8\"><h1>%1</h1>"
                                        "<p>A page served by the test on 127.0.0.1.</p>%2</body></html>")
                             .arg(title, links);
    addFile(fileName, html.toUtf8());
}

void LocalSite::addFile(const QString &fileName, const QByteArray &content)
{
    QFile file(m_folder.filePath(fileName));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

bool LocalSite::start()
{
    m_server.start("/usr/bin/python3", {QStringLiteral(TALLOWMERE_LOCAL_SITE_SCRIPT), m_folder.path()});
    if (!m_server.waitForStarted(10000) || !m_server.waitForReadyRead(10000))
        return false;
    m_port = m_server.readLine().trimmed().toInt();
    return m_port > 0;
}

QString LocalSite::address(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(path);
}

} // namespace browser_testing
