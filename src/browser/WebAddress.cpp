#include "browser/WebAddress.h"

#include <QCoreApplication>

#include "base/Error.h"

#include <QRegularExpression>

namespace browser {

namespace {

// The scheme the address names ("host:8080/..." is a host with a port, not a scheme
// called "host"), in lower case; empty when it names none.
QString schemeOf(const QString &address)
{
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):(?!\\d+(/|$))"));
    return scheme.match(address).captured(1).toLower();
}

} // namespace

QString refusalOf(const QString &typed)
{
    if (schemeOf(typed.trimmed()) == u"javascript")
        return QStringLiteral("The resource browser does not open \"javascript:\" addresses: they run a script "
                              "inside the page on screen. Type the address of a web page.");
    return {};
}

QUrl webAddress(const QString &typed)
{
    const QString address = typed.trimmed();
    if (address.isEmpty())
        throw base::Error(QCoreApplication::translate("browser::WebAddress", "No address was given."));
    const QString refusal = refusalOf(address);
    if (!refusal.isEmpty())
        throw base::Error(refusal);
    const QString scheme = schemeOf(address);
    // A data address carries a whole page; the engine reads it with its spaces and markup.
    const QUrl url(scheme.isEmpty() ? QStringLiteral("http://") + address : address,
                   scheme == u"data" ? QUrl::TolerantMode : QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        throw base::Error(QStringLiteral("\"%1\" is not a web address.").arg(address));
    return url;
}

} // namespace browser
