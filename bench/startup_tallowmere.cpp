// The program's start-up over the program folder given as the first argument, ending
// once the main form has been painted.
#include "app/ui/GeneralInformation1.h"
#include "app/ui/StartUp.h"
#include "db/ProgramFolder.h"
#include "startup_QuitWhenShown.h"
#include "ui/PaintSavingStyle.h"
#include "ui/WindowRegistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc > 1)
        db::ProgramFolder::setOverride(QString::fromLocal8Bit(argv[1]));
    // The form is made here, ahead of runProgram(), to watch for its first paint; it gets
    // the style that runProgram() would set before making it.
    ui::useQuickerStyle();
    app::useProgramIcon(); // as the program does before it runs
    QuitWhenShown quit(&ui::WindowRegistry::get<app::GeneralInformation1>());
    const int status = app::runProgram();
    return status;
}
