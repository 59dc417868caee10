#include "app/ui/InterruptedRestore.h"

#include "app/ui/FontsAhead.h"
#include "base/Error.h"
#include "db/Backup.h"
#include "db/ProgramFolder.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>

namespace app {

bool settleInterruptedRestore()
{
    const QString folder = db::ProgramFolder::path();
    try {
        const QString stopped = db::Backup::interruptedRestore(folder);
        if (stopped.isEmpty())
            return true;
        fonts::awaitLoaded();
        const ui::Dialogs::Answer answer = ui::Dialogs::ask(
            nullptr,
            QCoreApplication::translate("app::InterruptedRestore",
                                        "%1 Finish it now? Yes puts the backup's databases in "
                                        "place; No puts back the databases from before the "
                                        "restore.")
                .arg(stopped),
            ui::Dialogs::Buttons::YesNo, QCoreApplication::translate("app::InterruptedRestore", "Restore"));
        if (answer == ui::Dialogs::Answer::Yes)
            db::Backup::finishRestore(folder);
        else
            db::Backup::undoRestore(folder);
    } catch (const base::Error &error) {
        fonts::awaitLoaded();
        ui::Dialogs::message(nullptr, QCoreApplication::translate("app::InterruptedRestore",
                                                                  "%1 \"tallowmere-db restore --finish\" or "
                                                                  "\"--undo\" with the program folder tries again.")
                                          .arg(error.description()));
        return false;
    }
    return true;
}

} // namespace app
