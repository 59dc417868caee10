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
#include <QDate>
#include <QDir>
#include <QIcon>
#include <QIconEngine>

// The icons live in this static library's resources, which a linker leaves out unless
// something names them.
static void initialiseProgramResources()
{
    Q_INIT_RESOURCE(tallowmere);
}

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
    return file % QStringLiteral(": ") % description;
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

// The program's icon, its files read the first time a picture of it is wanted: an X11
// window manager asks for every size as the first window opens; desktops that take the
// icon from the desktop entry never ask, and reading the six files is a good part of
// the start-up's work.
class ProgramIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        if (mode != QIcon::Normal || state != QIcon::Off)
            return icon().availableSizes(mode, state);
        QList<QSize> sizes;
        for (const int size : Sizes)
            sizes << QSize(size, size);
        return sizes;
    }
    QIconEngine *clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("tallowmere-program"); }

private:
    static constexpr int Sizes[] = {16, 32, 48, 64, 128, 256};

    const QIcon &icon()
    {
        if (m_icon.isNull()) {
            // PNGs, not the SVG the desktop uses: drawing an SVG would need Qt's SVG plug-in.
            for (const int size : Sizes)
                m_icon.addFile(QStringLiteral(":/icons/tallowmere-%1.png").arg(size), QSize(size, size));
        }
        return m_icon;
    }

    QIcon m_icon;
};

} // namespace

void useProgramIcon()
{
    initialiseProgramResources();
    QApplication::setWindowIcon(QIcon(new ProgramIconEngine));
    QGuiApplication::setDesktopFileName(QStringLiteral("tallowmere"));
}

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
