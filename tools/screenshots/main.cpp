// Writes a picture of every window of the program in its main states, over a sample
// office made for the purpose, so anyone can look at what a person sees (the user
// guide's pictures come from here). Runs without a display.
#include "QuietDialogs.h"
#include "SampleOffice.h"
#include "WindowTour.h"
#include "base/Error.h"
#include "db/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

const char *const Usage = "Usage: tallowmere-screenshots [--without-web-engine] [--summaries] FOLDER\n"
                          "\n"
                          "Opens every window of Tallowmere over a sample database in a temporary folder and\n"
                          "writes one PNG per window and state into FOLDER (made when missing). Runs offscreen\n"
                          "unless QT_QPA_PLATFORM says otherwise. --without-web-engine shows web pages as a\n"
                          "placeholder instead of loading the web engine. --summaries writes beside each\n"
                          "picture what its window shows, as text (NAME.txt), which each picture holds as a\n"
                          "fingerprint: the user guide's check compares its pictures' with this build's.\n"
                          "Exits with status 1 when a picture could not be made.\n";

bool copyCompanion(const char *source, const QString &folder)
{
    const QString from = QString::fromUtf8(source);
    return QFile::copy(from, QDir(folder).filePath(QFileInfo(from).fileName()));
}

} // namespace

int main(int argc, char *argv[])
{
    bool withWebEngine = true;
    bool withSummaries = false;
    QString outputFolder;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--without-web-engine") == 0)
            withWebEngine = false;
        else if (std::strcmp(argv[i], "--summaries") == 0)
            withSummaries = true;
        else if (outputFolder.isEmpty() && argv[i][0] != '-')
            outputFolder = QString::fromLocal8Bit(argv[i]);
        else {
            std::fputs(Usage, stderr);
            return 2;
        }
    }
    if (outputFolder.isEmpty()) {
        std::fputs(Usage, stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    }
    // As in the program: the web engine shares OpenGL contexts with the windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallowmere"));

    if (!QDir().mkpath(outputFolder)) {
        std::fprintf(stderr, "The folder %s cannot be made.\n", qPrintable(QDir::toNativeSeparators(outputFolder)));
        return 1;
    }
    QTemporaryDir office;
    try {
        screenshots::fillSampleOffice(office.path());
    } catch (const base::Error &error) {
        std::fprintf(stderr, "The sample databases cannot be made: %s\n", qPrintable(error.description()));
        return 1;
    }
    if (!copyCompanion(TALLOWMERE_RESOURCES_PAGE, office.path())
        || !copyCompanion(TALLOWMERE_DIRECTORY_PAGES, office.path())) {
        std::fputs("The resources page and the feed-directory list cannot be copied.\n", stderr);
        return 1;
    }
    db::ProgramFolder::setOverride(office.path());

    auto dialogs = std::make_unique<screenshots::QuietDialogs>();
    screenshots::QuietDialogs &answers = *dialogs;
    ui::Dialogs::setBackend(std::move(dialogs));
    const int failures
        = screenshots::takeScreenshots(QDir(outputFolder).absolutePath(), answers, withWebEngine, withSummaries);
    ui::Dialogs::setBackend(nullptr);
    db::ProgramFolder::clearOverride();
    if (failures > 0) {
        std::fprintf(stderr, "%d picture(s) could not be made.\n", failures);
        return 1;
    }
    return 0;
}
