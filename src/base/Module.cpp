#include "base/Module.h"

#include "base/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>

#include <map>
#include <memory>

namespace base {

namespace {

QStringList searchFolders()
{
    QStringList folders;
    const QString fromEnvironment = qEnvironmentVariable("TALLOWMERE_MODULE_DIR");
    if (!fromEnvironment.isEmpty())
        folders << fromEnvironment;
    folders << QCoreApplication::applicationDirPath();
    // The installed program's folder, when the executable is reached through a link.
    folders << QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    return folders;
}

} // namespace

QString Module::filePath(const QString &name)
{
    const QString fileName = QStringLiteral("lib%1.so").arg(name);
    for (const QString &folder : searchFolders()) {
        const QString candidate = QDir(folder).filePath(fileName);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QDir(searchFolders().constFirst()).filePath(fileName);
}

void *Module::symbol(const QString &name, const char *symbolName)
{
    static QMutex mutex;
    static std::map<QString, std::unique_ptr<QLibrary>> loaded;
    QMutexLocker lock(&mutex);
    auto &library = loaded[name];
    if (!library) {
        auto candidate = std::make_unique<QLibrary>(filePath(name));
        if (!candidate->load())
            throw Error(
                QStringLiteral("The program part %1 could not be loaded: %2").arg(name, candidate->errorString()));
        library = std::move(candidate);
    }
    QFunctionPointer function = library->resolve(symbolName);
    if (!function)
        throw Error(QStringLiteral("The program part %1 is damaged: %2").arg(name, library->errorString()));
    return reinterpret_cast<void *>(function);
}

} // namespace base
