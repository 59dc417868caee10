#include "rss/FtpUpload.h"

#include "base/Error.h"
#include "rss/FtpAddress.h"

#include <QFileInfo>
#include <QMetaObject>

namespace rss {

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
        const FtpAddress address(account.site, account.directory, m_fileName);
        m_shownDirectory = address.shownDirectory();
        TransferRequest request;
        request.kind = TransferRequest::Kind::FtpUpload;
        request.url = address.url();
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
