#include "rss/FtpUpload.h"

#include "base/Error.h"
#include "rss/FtpAddress.h"

#include <QFileInfo>
#include <QMetaObject>

namespace rss {

namespace {

// A path in an SFTP command, quoted as the network library reads it.
QByteArray quotedPath(const QUrl &url)
{
    QByteArray path = url.path(QUrl::FullyDecoded).toUtf8();
    path.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + path + '"';
}

} // namespace

FtpUpload::FtpUpload(QObject *parent)
    : QObject(parent)
{
    connect(&m_transfer, &Transfer::finished, this, &FtpUpload::transferFinished);
}

void FtpUpload::start(const FtpAccount &account, const QString &localPath)
{
    if (m_running)
        return;
    m_running = true;
    m_localPath = localPath;
    m_fileName = QFileInfo(localPath).fileName();
    m_directory = account.directory;
    try {
        if (m_fileName.contains(u'\r') || m_fileName.contains(u'\n'))
            throw base::Error(QStringLiteral("its name holds a line break, which a server cannot store"));
        // The live file is replaced only once the whole file is on the server: it is
        // stored under a temporary name beside it, checked, then renamed over it.
        const QString temporaryName = u'.' + m_fileName + QStringLiteral(".part");
        const FtpAddress address(account.site, account.directory, m_fileName);
        const FtpAddress staging(account.site, account.directory, temporaryName);
        m_shownDirectory = address.shownDirectory();
        TransferRequest request;
        request.kind = TransferRequest::Kind::FtpUpload;
        request.url = staging.url();
        if (address.isSftp()) {
            // An SFTP rename does not replace an existing file on every server.
            request.finishCommands = {"*rm " + quotedPath(address.url()),
                                      "rename " + quotedPath(staging.url()) + ' ' + quotedPath(address.url())};
        } else {
            request.verifySize = true;
            request.finishCommands = {"RNFR " + temporaryName.toUtf8(), "RNTO " + m_fileName.toUtf8()};
        }
        request.userName = account.userName;
        request.password = account.password;
        request.localPath = localPath;
        request.requireTls = address.requiresTls();
        request.timeout = m_timeout;
        m_transfer.start(request);
    } catch (const base::Error &error) {
        const QString message = QStringLiteral("%1 was not uploaded: %2").arg(m_localPath, error.description());
        QMetaObject::invokeMethod(
            this, [this, message] { finish(false, message); }, Qt::QueuedConnection);
    }
}

void FtpUpload::transferFinished(const TransferResult &result)
{
    if (result.ok())
        finish(true, QStringLiteral("Uploaded %1 to %2.").arg(m_fileName, m_shownDirectory));
    else
        finish(
            false,
            QStringLiteral("%1 could not be uploaded to %2: %3").arg(m_localPath, m_shownDirectory, reasonOf(result)));
}

QString FtpUpload::reasonOf(const TransferResult &result) const
{
    using F = TransferResult::Failure;
    QString reason;
    switch (result.failure) {
    case F::LocalFile: reason = QStringLiteral("the file cannot be read"); break;
    case F::Resolve: reason = QStringLiteral("the server's name cannot be found"); break;
    case F::Connect: reason = QStringLiteral("the server cannot be reached"); break;
    case F::Login: reason = QStringLiteral("the server refused the user name or password"); break;
    case F::RemotePath:
        reason = QStringLiteral("the directory \"%1\" cannot be entered on the server").arg(m_directory);
        break;
    case F::Store: reason = QStringLiteral("the server refused to store the file"); break;
    case F::Timeout: return QStringLiteral("the server did not answer within %1 seconds.").arg(m_timeout.count());
    case F::Unsupported: reason = QStringLiteral("this kind of address cannot be used on this computer"); break;
    case F::Aborted: reason = QStringLiteral("the upload was stopped"); break;
    case F::Tls: reason = QStringLiteral("no encrypted connection could be made"); break;
    case F::ConnectionLost: reason = QStringLiteral("the server closed the connection"); break;
    case F::Verify:
        return QStringLiteral("the copy on the server is not whole (%1); the file there was left as it was.")
            .arg(result.detail);
    case F::TooLarge:
    case F::Redirect:
    case F::ModuleMissing: return result.detail;
    case F::None:
    case F::Other: reason = QStringLiteral("the transfer failed"); break;
    }
    if (result.detail.isEmpty())
        return reason + u'.';
    return reason + QStringLiteral(" (") + result.detail + QStringLiteral(").");
}

void FtpUpload::finish(bool ok, const QString &message)
{
    m_running = false;
    emit finished(ok, message);
}

} // namespace rss
