#include "app/ui/InterruptedRestore.h"

#include "app/ui/FontsAhead.h"
#include "base/Error.h"
#include "db/Backup.h"
#include "db/ProgramFolder.h"
#include "ui/Dialogs.h"

namespace app {

bool settleInterruptedRestore()
{
    const QString folder = db::ProgramFolder::path();
    try {
        const QString stopped = db::Backup::interruptedRestore(folder);
        if (stopped.isEmpty())
            return true;
        fonts::awaitLoaded();
        const ui::Dialogs::Answer answer
            = ui::Dialogs::ask(nullptr,
                               stopped
                                   + QStringLiteral(" Finish it now? Yes puts the backup's databases in place; No "
                                                    "puts back the databases from before the restore."),
                               ui::Dialogs::Buttons::YesNo, QStringLiteral("Restore"));
        if (answer == ui::Dialogs::Answer::Yes)
            db::Backup::finishRestore(folder);
        else
            db::Backup::undoRestore(folder);
    } catch (const base::Error &error) {
        fonts::awaitLoaded();
        ui::Dialogs::message(nullptr, error.description()
                                          + QStringLiteral(" \"tallowmere-db restore --finish\" or \"--undo\" with "
                                                           "the program folder tries again."));
        return false;
    }
    return true;
}

} // namespace app
