#include "rss/FtpAddress.h"

#include "base/Error.h"
#include "rss/ShownValue.h"

namespace rss {

namespace {

QString encodedPath(const QString &path)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
}

// "a/b" from "a" and "b", "a/b" from "a/" and "b", "b" from "" and "b".
QString joined(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(u'/') ? QString(folder + name) : QString(folder + u'/' + name);
}

} // namespace

FtpAddress::FtpAddress(const QString &site, const QString &directory, const QString &fileName)
{
    // Blanks around a host name cannot be part of it; the directory stays as typed.
    const QString trimmedSite = site.trimmed();
    if (trimmedSite.isEmpty())
        throw base::Error(QStringLiteral("No FTP site is set. Enter it under FTP Information > FTP Site."));

    const bool hasScheme = trimmedSite.contains(QLatin1String("://"));
    const QUrl siteUrl(hasScheme ? trimmedSite : QStringLiteral("ftp://") + trimmedSite, QUrl::StrictMode);
    const QString scheme = siteUrl.scheme().toLower();
    if (!siteUrl.isValid() || siteUrl.host().isEmpty()
        || (scheme != u"ftp" && scheme != u"ftps" && scheme != u"ftpes" && scheme != u"sftp"))
        throw base::Error(QStringLiteral("The FTP site \"%1\" is not an FTP address. Write a host name such as "
                                         "ftp.example.com, optionally with :port, or an address that starts "
                                         "with ftp://, ftps://, ftpes:// or sftp://.")
                              .arg(shownValue(site)));

    // A path in the site comes before the directory, as if changed into first.
    QString folder = siteUrl.path();
    while (folder.startsWith(u'/'))
        folder.remove(0, 1);
    if (!directory.isEmpty()) {
        folder = directory.startsWith(u'/') ? directory : joined(folder, directory);
    }
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);

    // An SFTP path starts at the file system's root; the account's home is "~".
    QString path;
    if (scheme == u"sftp")
        path = folder.startsWith(u'/') ? folder : joined(QStringLiteral("~"), folder);
    else
        path = folder;

    QUrl url;
    // ftpes is the name FTP clients give to FTP that switches to TLS on its usual port.
    m_requiresTls = scheme == u"ftpes";
    url.setScheme(m_requiresTls ? QStringLiteral("ftp") : scheme);
    url.setHost(siteUrl.host());
    url.setPort(siteUrl.port());
    url.setPath(u'/' + encodedPath(joined(path, fileName)), QUrl::TolerantMode);
    m_url = url;

    QUrl shown = url;
    shown.setScheme(scheme);
    shown.setPath(QString());
    QString shownFolder = folder;
    while (shownFolder.startsWith(u'/'))
        shownFolder.remove(0, 1);
    m_shownDirectory = shown.toDisplayString() + u'/' + (shownFolder.isEmpty() ? QString() : shownFolder + u'/');
}

} // namespace rss
