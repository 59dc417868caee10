#include "app/ui/StartUp.h"

#include "app/MainFormData.h"
#include "app/ui/FileMenu.h"
#include "app/ui/FontsAhead.h"
#include "app/ui/GeneralInformation1.h"
#include "app/ui/InterruptedRestore.h"
#include "base/Error.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Storage.h"
#include "rss/PublishingSettings.h"
#include "ui/Dialogs.h"
#include "ui/PaintSavingStyle.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDir>

namespace app {

namespace {

QString failureText(const QString &description)
{
    QString file;
    try {
        // Empty on a server, whose messages name it.
        file = QDir::toNativeSeparators(db::Storage::ofProgramFolder(db::ProgramFolder::path())
                                            ->databaseFile(QLatin1String(db::ConnectionStrings::BusinessDatabaseFile)));
    } catch (const db::DbError &) {
        return description; // the file's own fault, named in the description
    }
    if (file.isEmpty() || description.contains(file))
        return description;
    return QCoreApplication::translate("app::StartUp", "%1: %2", "a file and what is wrong with it")
        .arg(file, description);
}

// On a shared database, libpq's loading and the server's greeting go on while the
// main form is built.
void openServerAhead()
{
    try {
        db::Storage::ofProgramFolder(db::ProgramFolder::path())->openAhead();
    } catch (const db::DbError &) {
        // The main form's own opening names the file at fault.
    }
}

} // namespace

bool showMainForm()
{
    // A settings write killed last time left its temporary copy, password and all.
    rss::PublishingSettings::removeWriteLeftovers();
    openServerAhead();
    try {
        if (auto *shown = ui::WindowRegistry::existing<GeneralInformation1>()) {
            shown->showWindow();
        } else {
            // Read while the fonts load; the window, which measures text, comes after.
            MainFormData data = MainFormData::read();
            fonts::awaitLoaded();
            auto &form = ui::WindowRegistry::get<GeneralInformation1>();
            form.useReadAhead(std::move(data));
            form.showWindow();
        }
    } catch (const db::DbError &error) {
        fonts::awaitLoaded();
        ui::Dialogs::message(nullptr, failureText(error.description()));
        return false;
    }
    return true;
}

int runProgram()
{
    ui::useQuickerStyle();
    try {
        db::ProgramFolder::setUp();
    } catch (const base::FileError &error) {
        fonts::awaitLoaded();
        ui::Dialogs::message(nullptr, error.description());
        return 1;
    }
    int status = 1;
    if (settleInterruptedRestore() && showMainForm()) {
        // Once the form is up: a backup that fails or takes long never holds up the start.
        ui::WindowRegistry::get<GeneralInformation1>().fileMenu()->startDailyBackup(QDate::currentDate());
        status = QApplication::exec();
    }
    ui::WindowRegistry::clear();
    return status;
}

} // namespace app
