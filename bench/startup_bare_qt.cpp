// The yardstick: a Qt program that shows an empty main window, then ends.
#include "startup_QuitWhenShown.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    QuitWhenShown quit(&window);
    window.show();
    return QApplication::exec();
}
