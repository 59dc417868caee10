#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <chrono>
#include <utility>

namespace rss {

// One network transfer: an FTP upload of a local file, or an HTTP request.
struct TransferRequest
{
    enum class Kind {
        FtpUpload,
        HttpGet,
        HttpPost
    };

    Kind kind = Kind::HttpGet;
    QUrl url;
    QString userName;
    QString password;
    QString localPath;         // the file an upload sends
    bool requireTls = false;   // FTP: encrypt before logging in, or fail
    QByteArray body;           // what a POST sends
    QList<QByteArray> headers; // "Name: value"
    std::chrono::milliseconds timeout{std::chrono::seconds(140)};
    // HTTP: the time-out counts from the last byte that moved, not from the start.
    bool timeoutFromLastByte = false;
    bool redirectIsReply = false; // HTTP: a redirect is the answer, never followed
    qsizetype maxReplyBytes = 0;  // a longer reply fails the transfer; 0: no limit
    // Upload: the file is stored at url, then its size there is checked (FTP) and
    // these commands run, the last step that puts it in place.
    bool verifySize = false;
    QList<QByteArray> finishCommands;
    QString knownHostsPath; // SFTP: where the server's key must be known
};

// How a transfer ended.
struct TransferResult
{
    enum class Failure {
        None,
        LocalFile,
        Resolve,
        Connect,
        Login,
        RemotePath,
        Store,
        Timeout,
        Unsupported,
        Aborted,
        Tls,
        ConnectionLost, // closed by the peer before its reply was whole
        TooLarge,       // the reply passed maxReplyBytes
        Redirect,       // a POST sent on to another scheme, host or port, not followed
        Verify,         // the stored file's size is not the local file's
        UnknownHostKey, // SFTP: the server's key is not known yet (hostKey holds it)
        ChangedHostKey, // SFTP: the server's key is not the one known
        ModuleMissing,
        Other,
    };

    Failure failure = Failure::None;
    long responseCode = 0; // last FTP or HTTP status code, 0 when none came
    QString detail;        // the network library's description of a failure
    QByteArray body;       // what the server sent back
    // HTTP: the last reply's header fields as sent, names and values trimmed.
    QList<std::pair<QByteArray, QByteArray>> headers;
    bool requestSent = false; // the whole request went out (a POST's body)
    QByteArray hostKey;       // SFTP: the refused server key's blob

    bool ok() const { return failure == Failure::None; }
    // The first header field of that name (in any case), or null.
    QByteArray header(const QByteArray &name) const
    {
        for (const auto &[field, value] : headers)
            if (field.compare(name, Qt::CaseInsensitive) == 0)
                return value;
        return {};
    }
};

} // namespace rss
