#include "rss/fediverse/FediverseAddress.h"

namespace rss::fediverse {

namespace {

// QUrl hands an address back in its plain form (127.1 as 127.0.0.1, [0::1] as ::1), so
// this computer is localhost, 127.x.x.x, ::1 or ::ffff:127.x.x.x.
bool isLoopback(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || host == QLatin1String("::1"))
        return true;
    QString ipv4 = host;
    if (ipv4.startsWith(QLatin1String("::ffff:"), Qt::CaseInsensitive))
        ipv4.remove(0, 7);
    const QStringList parts = ipv4.split(QLatin1Char('.'));
    if (parts.size() != 4 || parts.first() != QLatin1String("127"))
        return false;
    for (const QString &part : parts) {
        bool isNumber = false;
        const int value = part.toInt(&isNumber);
        if (!isNumber || value < 0 || value > 255 || part.startsWith(QLatin1Char('+')))
            return false;
    }
    return true;
}

ServerAddress refused(const QString &why)
{
    return ServerAddress{QUrl(), why};
}

} // namespace

ServerAddress serverAddress(const QString &typed)
{
    QString text = typed.trimmed();
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    if (text.isEmpty())
        return refused(QStringLiteral("Type the address of the server, for example https://mastodon.social."));
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("https://"));
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty() || !url.path().isEmpty() || url.hasQuery()
        || url.hasFragment())
        return refused(QStringLiteral("\"%1\" is not the address of a server; type it as https://host.").arg(typed));
    if (scheme == QLatin1String("http") && !isLoopback(url.host())) {
        return refused(QStringLiteral("The server %1 must be reached with https://; plain http:// is only for a "
                                      "server on this computer.")
                           .arg(url.host()));
    }
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return refused(QStringLiteral("\"%1\" is not the address of a server; type it as https://host.").arg(typed));
    QUrl server;
    server.setScheme(scheme);
    server.setHost(url.host());
    server.setPort(url.port());
    return ServerAddress{server, QString()};
}

QString accountHandle(const QString &userName, const QUrl &server)
{
    return QStringLiteral("@%1@%2").arg(userName, server.host());
}

} // namespace rss::fediverse
