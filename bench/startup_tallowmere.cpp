// The program's start-up, as main() makes it, over the program folder given as the first
// argument, ending once the main form has been painted.
#include "app/ui/FontsAhead.h"
#include "app/ui/StartUp.h"
#include "db/ProgramFolder.h"
#include "startup_QuitWhenShown.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    app::fonts::startLoadingAhead();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallowmere"));
    if (argc > 1)
        db::ProgramFolder::setOverride(QString::fromLocal8Bit(argv[1]));
    app::useProgramIcon();
    QuitWhenShown quit("GeneralInformation1");
    return app::runProgram();
}
