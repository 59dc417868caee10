#include "app/BusinessResources.h"

#include <QCoreApplication>
#include <QDir>

namespace app {

QUrl businessResourcesUrl()
{
    const QString host = QStringLiteral(TALLOWMERE_RESOURCES_HOST);
    if (host.isEmpty())
        return QUrl::fromLocalFile(
            QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(BusinessResourcesPage)));
    QString base = host.contains(QLatin1String("://")) ? host : QStringLiteral("http://") % host;
    while (base.endsWith(u'/'))
        base.chop(1);
    return QUrl(base % QStringLiteral("/NewHome/") % QLatin1String(BusinessResourcesPage));
}

} // namespace app
