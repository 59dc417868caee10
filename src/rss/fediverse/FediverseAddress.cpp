#include "rss/fediverse/FediverseAddress.h"

#include <QHostAddress>

namespace rss::fediverse {

namespace {

bool isLoopback(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
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
