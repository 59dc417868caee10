#include "Screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace documents_testing {

QString screenshotFolder()
{
    const QString chosen = qEnvironmentVariable("TALLOWMERE_SCREENSHOTS");
    return QDir::cleanPath(chosen.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots")
                                            : chosen);
}

void saveScreenshot(QWidget &window, const QString &name)
{
    // Let pending layout finish, so scroll bars show the real position.
    QCoreApplication::processEvents();
    const QString folder = screenshotFolder();
    QDir().mkpath(folder);
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace documents_testing
