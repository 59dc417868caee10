#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <chrono>

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
    std::chrono::seconds timeout{140};
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
        ModuleMissing,
        Other,
    };

    Failure failure = Failure::None;
    long responseCode = 0; // last FTP or HTTP status code, 0 when none came
    QString detail;        // the network library's description of a failure
    QByteArray body;       // what the server sent back

    bool ok() const { return failure == Failure::None; }
};

} // namespace rss
