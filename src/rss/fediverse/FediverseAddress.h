#pragma once

#include <QString>
#include <QUrl>

namespace rss::fediverse {

// A fediverse server's address as typed: "host", "https://host" or, for a server on
// this machine only, "http://127.0.0.1:port". Plain HTTP would show the token to
// anyone on the way, so it is refused for any other host.
struct ServerAddress
{
    QUrl url;      // scheme, host and port only; empty when refused
    QString error; // why the typed text is refused

    bool ok() const { return error.isEmpty(); }
};

ServerAddress serverAddress(const QString &typed);

// "@name@host" for the account a server names.
QString accountHandle(const QString &userName, const QUrl &server);

} // namespace rss::fediverse
