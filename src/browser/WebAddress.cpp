#include "browser/WebAddress.h"

#include "base/Error.h"

#include <QRegularExpression>

namespace browser {

namespace {

bool namesScheme(const QString &address)
{
    // "host:8080/..." is a host with a port, not a scheme called "host".
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d+(/|$))"));
    return scheme.match(address).hasMatch();
}

} // namespace

QUrl webAddress(const QString &typed)
{
    const QString address = typed.trimmed();
    if (address.isEmpty())
        throw base::Error(QStringLiteral("No address was given."));
    const QUrl url(namesScheme(address) ? address : QStringLiteral("http://") + address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        throw base::Error(QStringLiteral("\"%1\" is not a web address.").arg(address));
    return url;
}

} // namespace browser
