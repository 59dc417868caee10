#include "app/ui/StartUp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The web engine, loaded later with the first browser window, shares OpenGL
    // contexts with the rest of the program; that must be said before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallowmere"));
    return app::runProgram();
}
