#include "app/ui/FileMenu.h"

#include "app/BusinessExport.h"
#include "app/DailyBackup.h"
#include "base/FailurePolicy.h"
#include "db/Backup.h"
#include "db/ProgramFolder.h"
#include "ui/Dialogs.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QThread>

#include <memory>

namespace app {

FileMenu::FileMenu(QWidget *form, QMenuBar *bar)
    : QObject(form)
    , m_form(form)
{
    auto *menu = new QMenu(tr("&File"), bar);
    menu->setObjectName(QStringLiteral("mnuFile"));
    m_backUp = menu->addAction(tr("&Back Up..."));
    m_backUp->setObjectName(QStringLiteral("mnuBackUp"));
    connect(m_backUp, &QAction::triggered, this, &FileMenu::backUp);
    QAction *exportAction = menu->addAction(tr("&Export Businesses..."));
    exportAction->setObjectName(QStringLiteral("mnuExportBusinesses"));
    connect(exportAction, &QAction::triggered, this, &FileMenu::exportBusinesses);
    // First on the bar, whatever menus the form made before.
    const QList<QAction *> menus = bar->actions();
    bar->insertMenu(menus.isEmpty() ? nullptr : menus.first(), menu);
}

FileMenu::~FileMenu()
{
    if (m_thread)
        finishBackup(false);
}

void FileMenu::backUp()
{
    if (isBackingUp())
        return;
    const QString folder = ui::Dialogs::existingFolder(m_form, tr("Back Up Into Folder"));
    if (folder.isEmpty())
        return;
    // A new folder is made by the backup itself, once both files are complete.
    if (!QFileInfo::exists(folder)
        && ui::Dialogs::ask(m_form,
                            tr("The folder %1 does not exist yet. Make it and back up into it?")
                                .arg(QDir::toNativeSeparators(folder)),
                            ui::Dialogs::Buttons::YesNo, tr("Back Up"))
               != ui::Dialogs::Answer::Yes)
        return;
    const QString source = db::ProgramFolder::path();
    runInBackground([source, folder] { db::Backup::write(source, folder); },
                    [this, folder](const QString &failure) {
                        if (failure.isEmpty()) {
                            ui::Dialogs::information(m_form,
                                                     tr("The businesses and the RSS items were backed up into %1.")
                                                         .arg(QDir::toNativeSeparators(folder)),
                                                     tr("Back Up"));
                        } else {
                            ui::Dialogs::message(m_form, tr("No backup was made. %1").arg(failure));
                        }
                    });
}

void FileMenu::startDailyBackup(const QDate &today)
{
    const QString programFolder = db::ProgramFolder::path();
    if (isBackingUp() || !DailyBackup::isDue(programFolder, today))
        return;
    // Written by the backup's thread, read once it has ended.
    const auto notes = std::make_shared<QStringList>();
    runInBackground([programFolder, today, notes] { *notes = DailyBackup::run(programFolder, today); },
                    [this, notes](const QString &failure) {
                        if (!failure.isEmpty()) {
                            ui::Dialogs::message(
                                m_form, tr("Today's automatic backup could not be made: %1 Your data is as it was; "
                                           "File > Back Up... makes a backup by hand.")
                                            .arg(failure));
                        } else if (!notes->isEmpty()) {
                            ui::Dialogs::message(m_form, notes->join(u' '));
                        }
                    });
}

void FileMenu::exportBusinesses()
{
    const QString filePath = ui::Dialogs::saveFileName(m_form, tr("Export Businesses"),
                                                       tr("CSV files (*.csv);;All files (*)"), tr("Businesses.csv"));
    if (filePath.isEmpty())
        return;
    qsizetype count = 0;
    const QString failure = base::failureOf([&filePath, &count] { count = app::exportBusinesses(filePath); });
    if (!failure.isEmpty()) {
        ui::Dialogs::message(m_form, tr("The businesses were not exported. %1").arg(failure));
        return;
    }
    // English, written in the code, has its singular apart; the other languages take
    // their plural forms from the count.
    const QString done = count == 1 ? tr("1 business was exported to %1.")
                                    : tr("%n businesses were exported to %1.", nullptr, static_cast<int>(count));
    ui::Dialogs::information(m_form, done.arg(QDir::toNativeSeparators(filePath)), tr("Export Businesses"));
}

void FileMenu::runInBackground(std::function<void()> work, std::function<void(const QString &)> done)
{
    m_backUp->setEnabled(false);
    m_failure.clear();
    m_done = std::move(done);
    m_thread = QThread::create([this, work = std::move(work)] { m_failure = base::failureOf(work); });
    connect(m_thread, &QThread::finished, this, [this] {
        if (m_thread) // not finished by a wait already
            finishBackup(true);
    });
    m_thread->start();
}

void FileMenu::finishBackup(bool report)
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    if (m_backUp)
        m_backUp->setEnabled(true);
    const auto done = std::move(m_done);
    m_done = nullptr;
    if (!report)
        return;
    if (done)
        done(m_failure);
    emit backupFinished(m_failure);
}

void FileMenu::waitForBackup()
{
    if (m_thread)
        finishBackup(true);
}

} // namespace app
