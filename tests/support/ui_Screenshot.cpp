#include "support/ui_Screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

namespace testing_support {

QString screenshotFolder()
{
    const QString chosen = qEnvironmentVariable("TALLOWMERE_SCREENSHOTS");
    const QString folder = QDir::cleanPath(
        chosen.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots") : chosen);
    QDir().mkpath(folder);
    return folder;
}

void saveScreenshot(QWidget &window, const QString &name)
{
    // Let pending layout finish, so scroll bars show the real position.
    QCoreApplication::processEvents();
    const QString path = QDir(screenshotFolder()).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

} // namespace testing_support
