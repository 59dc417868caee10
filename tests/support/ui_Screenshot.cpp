#include "support/ui_Screenshot.h"

#include <QCoreApplication>
#include <QDir>

namespace testing_support {

QString screenshotFolder()
{
    const QString chosen = qEnvironmentVariable("TALLOWMERE_SCREENSHOTS");
    const QString folder = QDir::cleanPath(
        chosen.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots") : chosen);
    QDir().mkpath(folder);
    return folder;
}

} // namespace testing_support
