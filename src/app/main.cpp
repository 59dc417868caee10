#include "app/ui/StartUp.h"
#include "base/TextFile.h"
#include "db/ProgramFolder.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    base::reportWritesPastTheFileSizeLimit();
    // Answered without a display, so scripts and installers can ask where the data lives.
    if (argc == 2 && std::strcmp(argv[1], "--program-folder") == 0) {
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Tallowmere"));
        std::printf("%s\n", QDir::toNativeSeparators(db::ProgramFolder::path()).toLocal8Bit().constData());
        return 0;
    }
    // The web engine, loaded later with the first browser window, shares OpenGL
    // contexts with the rest of the program; that must be said before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallowmere"));
    return app::runProgram();
}
