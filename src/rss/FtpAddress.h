#pragma once

#include <QString>
#include <QUrl>

namespace rss {

// The address an upload stores its file at, made from the FTP site as people write
// it ("ftp.example.com", "example.com:2121", "ftps://example.com", "sftp://host/", and
// "ftpes://example.com" for FTP that must switch to TLS before logging in),
// the directory to change into (empty: the account's start directory) and the base
// name of the local file.
class FtpAddress
{
public:
    // Throws base::Error naming the site when it is empty or not an FTP address.
    FtpAddress(const QString &site, const QString &directory, const QString &fileName);

    // The address handed to the network library.
    QUrl url() const { return m_url; }
    // The password may only travel encrypted: plain FTP that switches to TLS first.
    bool requiresTls() const { return m_requiresTls; }
    bool isSftp() const { return m_url.scheme() == u"sftp"; }
    // The directory's address as a person reads it, without credentials:
    // "ftp://example.com/feeds/".
    QString shownDirectory() const { return m_shownDirectory; }

private:
    QUrl m_url;
    QString m_shownDirectory;
    bool m_requiresTls = false;
};

} // namespace rss
