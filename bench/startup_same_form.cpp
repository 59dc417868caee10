// The start-up yardstick: the main form's own widgets, as the program shows them over the
// benchmark database, without its data layer, settings or logic, ending once painted as
// startup_tallowmere does. The fonts load ahead and the style and icon are set as the
// program sets them, so that what the two differ by is the program's work beyond the form.
#include "SameForm.h"
#include "app/ui/FontsAhead.h"
#include "app/ui/ProgramIcon.h"
#include "startup_QuitWhenShown.h"
#include "ui/PaintSavingStyle.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    app::fonts::startLoadingAhead();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallowmere"));
    app::useProgramIcon();
    ui::useQuickerStyle();
    QuitWhenShown quit("GeneralInformation1");
    // The form measures text: it is built once the fonts are there.
    app::fonts::awaitLoaded();
    const std::unique_ptr<QWidget> form = bench::buildSameForm();
    form->show();
    form->raise();
    form->activateWindow();
    return QApplication::exec();
}
