#include "app/UserGuide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace app {

namespace {

constexpr auto GuideFile = "user-guide.html";

QString &programDirectoryOverride()
{
    static QString folder;
    return folder;
}

QString programDirectory()
{
    const QString &folder = programDirectoryOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

// The shared-data folder of the prefix a program under <prefix>/lib/tallowmere (or
// lib64, or Debian's lib/<architecture>/tallowmere) is installed under; empty when the
// program does not stand in such a folder.
QString installedShareFolder(const QString &folder)
{
    const QStringList parts = QDir::cleanPath(QDir::fromNativeSeparators(folder)).split(u'/');
    for (qsizetype i = parts.size() - 2; i > 0 && i >= parts.size() - 3; --i) {
        if (parts[i] == QLatin1String("lib") || parts[i] == QLatin1String("lib64"))
            return parts.first(i).join(u'/') % QStringLiteral("/share");
    }
    return {};
}

} // namespace

QStringList UserGuide::places()
{
    const QString folder = programDirectory();
    QStringList found{QDir(folder).filePath(QStringLiteral("docs/") % QLatin1String(GuideFile))};
    const QString shareFolder = installedShareFolder(folder);
    if (!shareFolder.isEmpty()) {
        const QDir share(shareFolder);
        found << share.filePath(QStringLiteral("tallowmere/docs/") % QLatin1String(GuideFile))
              << share.filePath(QStringLiteral("doc/tallowmere/") % QLatin1String(GuideFile));
    }
    return found;
}

QString UserGuide::path()
{
    for (const QString &place : places()) {
        if (QFileInfo(place).isFile())
            return place;
    }
    return {};
}

QUrl UserGuide::builtInAddress()
{
    // docs/CMakeLists.txt builds docs/ into the resources under this prefix.
    return QUrl(QStringLiteral("qrc:/guide/") % QLatin1String(GuideFile));
}

void UserGuide::setProgramDirectory(const QString &folder)
{
    programDirectoryOverride() = folder;
}

} // namespace app
