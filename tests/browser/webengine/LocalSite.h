#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace browser_testing {

// Pages written by a test, served on 127.0.0.1 at a free port by Debian's Python for
// as long as the object lives (and never longer than two minutes).
class LocalSite
{
public:
    LocalSite();
    ~LocalSite();

    // Writes a page with that title, a paragraph and links to the other pages named.
    void addPage(const QString &fileName, const QString &title, const QStringList &linksTo = {});
    // Writes a file as it is (a page of the test's own, a PDF, a zip...).
    void addFile(const QString &fileName, const QByteArray &content);
    // The folder the pages are served from.
    QString folder() const { return m_folder.path(); }
    // Starts the server; false when it did not come up.
    bool start();
    QString address(const QString &path) const;

private:
    QTemporaryDir m_folder;
    QProcess m_server;
    int m_port = 0;
};

} // namespace browser_testing
