#include "rss/FtpUpload.h"

#include "base/Error.h"
#include "rss/FtpAddress.h"
#include "rss/ShownValue.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QtEndian>

#include <optional>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rss {

namespace {

// The path of an SFTP address in a command, quoted as the network library reads it.
// Inside quotes the library does not expand "~", so a path in the account's home is
// written relative to it, as the server reads a relative path.
QByteArray quotedPath(const QUrl &url)
{
    QByteArray path = url.path(QUrl::FullyDecoded).toUtf8().mid(1);
    if (path.startsWith("~/"))
        path.remove(0, 2);
    path.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + path + '"';
}

// The key type named at the start of a key's blob ("ssh-rsa", "ssh-ed25519").
QString keyTypeOf(const QByteArray &blob)
{
    if (blob.size() < 4)
        return {};
    const auto length = qFromBigEndian<quint32>(blob.constData());
    if (length > static_cast<quint32>(blob.size() - 4))
        return {};
    return QString::fromLatin1(blob.mid(4, static_cast<qsizetype>(length)));
}

QString knownHostsFile()
{
    return QDir::homePath() + QStringLiteral("/.ssh/known_hosts");
}

// Why the known-hosts file cannot be used, or nothing when it can (or is not there yet).
// Anything but a regular file (a FIFO, a device) would hang or feed the key check.
std::optional<QString> knownHostsFault(const QString &path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("it is not a regular file");
    return std::nullopt;
}

bool writeAll(int descriptor, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

// Adds one line to the known-hosts file, making it (0600) when it is not there. A last
// line without its line break gets one first, so the key before stays whole. Nothing
// but a regular file is written, and opening never waits for a reader.
std::optional<QString> appendKnownHost(const QString &path, const QByteArray &line)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(),
                                  O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const auto fault = [descriptor](const QString &reason) {
        ::close(descriptor);
        return std::optional(reason);
    };
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0)
        return fault(QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISREG(status.st_mode))
        return fault(QStringLiteral("it is not a regular file"));
    QByteArray text = line;
    char last = '\n';
    if (status.st_size > 0 && ::pread(descriptor, &last, 1, status.st_size - 1) != 1)
        return fault(QString::fromLocal8Bit(std::strerror(errno)));
    if (last != '\n')
        text.prepend('\n');
    if (!writeAll(descriptor, text))
        return fault(QString::fromLocal8Bit(std::strerror(errno)));
    if (::close(descriptor) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return std::nullopt;
}

} // namespace

QString FtpUpload::fingerprintOf(const QByteArray &keyBlob)
{
    return QStringLiteral("SHA256:")
           + QString::fromLatin1(
               QCryptographicHash::hash(keyBlob, QCryptographicHash::Sha256).toBase64(QByteArray::OmitTrailingEquals));
}

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
    m_shownPath = shownValue(localPath);
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
        m_shownDirectory = shownValue(address.shownDirectory());
        TransferRequest request;
        request.kind = TransferRequest::Kind::FtpUpload;
        request.url = staging.url();
        if (address.isSftp()) {
            if (const auto fault = knownHostsFault(knownHostsFile()))
                throw base::Error(QStringLiteral("the server's key cannot be checked in %1: %2")
                                      .arg(QDir::toNativeSeparators(knownHostsFile()), *fault));
            request.knownHostsPath = knownHostsFile();
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
        m_request = request;
        m_askedAboutKey = false;
        m_transfer.start(request);
    } catch (const base::Error &error) {
        const QString message = QStringLiteral("%1 was not uploaded: %2").arg(m_shownPath, error.description());
        QMetaObject::invokeMethod(
            this, [this, message] { finish(false, message); }, Qt::QueuedConnection);
    }
}

void FtpUpload::transferFinished(const TransferResult &result)
{
    if (result.failure == TransferResult::Failure::UnknownHostKey && !result.hostKey.isEmpty() && !m_askedAboutKey) {
        // Nothing, not even the user name, was sent: the person decides whether this
        // is the server they mean.
        m_askedAboutKey = true;
        const QString server = QStringLiteral("%1:%2").arg(m_request.url.host()).arg(m_request.url.port(22));
        const QString question = QStringLiteral("The server %1 is not known on this computer yet. Its %2 key has the "
                                                "fingerprint %3.\r\nTrust this server and send the file to it?")
                                     .arg(server, keyTypeOf(result.hostKey), fingerprintOf(result.hostKey));
        if (!m_askHostKey || !m_askHostKey(question)) {
            finish(false, QStringLiteral("%1 was not uploaded to %2: the server's key was not trusted, and nothing "
                                         "was sent to it.")
                              .arg(m_shownPath, m_shownDirectory));
            return;
        }
        if (trustHostKey(result.hostKey))
            m_transfer.start(m_request);
        return;
    }
    if (result.ok())
        finish(true, QStringLiteral("Uploaded %1 to %2.").arg(shownValue(m_fileName), m_shownDirectory));
    else
        finish(
            false,
            QStringLiteral("%1 could not be uploaded to %2: %3").arg(m_shownPath, m_shownDirectory, reasonOf(result)));
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
        reason = QStringLiteral("the directory \"%1\" cannot be entered on the server").arg(shownValue(m_directory));
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
    case F::UnknownHostKey:
        return QStringLiteral("the server's key is not known on this computer, and nothing was sent to it.");
    case F::ChangedHostKey:
        return QStringLiteral("the server's key (now %1) is not the one recorded for it in %2, so nothing was sent "
                              "to it. If the server was really given a new key, remove its line from that file.")
            .arg(fingerprintOf(result.hostKey), QDir::toNativeSeparators(knownHostsFile()));
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

bool FtpUpload::trustHostKey(const QByteArray &keyBlob)
{
    const QString path = knownHostsFile();
    const QUrl &url = m_request.url;
    // OpenSSH's form: a server on another port than 22 is written "[host]:port".
    const QString host = url.port(22) == 22 ? url.host() : QStringLiteral("[%1]:%2").arg(url.host()).arg(url.port());
    const QString folder = QFileInfo(path).path();
    if (!QFileInfo::exists(folder)
        && (!QDir().mkpath(folder)
            || !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))) {
        finish(false, QStringLiteral("%1 was not uploaded: the server's key cannot be recorded in %2.")
                          .arg(m_shownPath, QDir::toNativeSeparators(path)));
        return false;
    }
    const QByteArray line = host.toUtf8() + ' ' + keyTypeOf(keyBlob).toLatin1() + ' ' + keyBlob.toBase64() + '\n';
    if (const auto fault = appendKnownHost(path, line)) {
        finish(false, QStringLiteral("%1 was not uploaded: the server's key cannot be recorded in %2: %3.")
                          .arg(m_shownPath, QDir::toNativeSeparators(path), *fault));
        return false;
    }
    return true;
}

void FtpUpload::finish(bool ok, const QString &message)
{
    m_running = false;
    emit finished(ok, message);
}

} // namespace rss
