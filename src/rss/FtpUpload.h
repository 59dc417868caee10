#pragma once

#include "rss/FtpAccount.h"
#include "rss/Transfer.h"

#include <QObject>

#include <chrono>
#include <functional>

namespace rss {

// Uploads one file to the web site's FTP server, under its base name, into the
// account's directory (or the start directory when that is empty).
class FtpUpload : public QObject
{
    Q_OBJECT

public:
    // How long the upload waits for the server at each step.
    static constexpr std::chrono::seconds RequestTimeout{140};

    explicit FtpUpload(QObject *parent = nullptr);

    // Returns at once; finished() follows on this thread. Ignored while an upload runs.
    void start(const FtpAccount &account, const QString &localPath);
    bool isRunning() const { return m_running; }

    // Tests wait less than a person would.
    void setRequestTimeout(std::chrono::seconds timeout) { m_timeout = timeout; }
    // Asked, with the question a person reads, when an SFTP server's key is not known
    // yet: true records it in ~/.ssh/known_hosts and the upload goes on. Unset, the
    // upload ends before anything is sent.
    void setHostKeyQuestion(std::function<bool(const QString &question)> ask) { m_askHostKey = std::move(ask); }

    // "SHA256:..." as OpenSSH prints the fingerprint of a key's blob.
    static QString fingerprintOf(const QByteArray &keyBlob);

signals:
    // ok: a short status text; otherwise the message a person reads, naming the
    // file, the server and the reason.
    void finished(bool ok, const QString &message);

private:
    void transferFinished(const TransferResult &result);
    void finish(bool ok, const QString &message);
    QString reasonOf(const TransferResult &result) const;
    bool trustHostKey(const QByteArray &keyBlob);

    Transfer m_transfer;
    std::chrono::seconds m_timeout = RequestTimeout;
    bool m_running = false;
    QString m_localPath;
    QString m_shownPath; // as messages show it
    QString m_fileName;
    QString m_directory;
    QString m_shownDirectory;
    TransferRequest m_request;
    bool m_askedAboutKey = false;
    std::function<bool(const QString &)> m_askHostKey;
};

} // namespace rss
