// The yardstick: a Qt program that shows an empty main window, then ends. Given the
// argument "text", the window holds one line of text, which makes Qt load its fonts,
// as any window that shows text must.
#include "startup_QuitWhenShown.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("window"));
    if (argc > 1 && QLatin1String(argv[1]) == QLatin1String("text"))
        window.setCentralWidget(new QLabel(QStringLiteral("Business Currently In System: 30000")));
    QuitWhenShown quit("window");
    window.show();
    return QApplication::exec();
}
