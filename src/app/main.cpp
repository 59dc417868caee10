#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/ui/FontsAhead.h"
#include "app/ui/StartUp.h"
#include "base/TextFile.h"
#include "db/ProgramFolder.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char *const ProgramHelp = "Usage: tallowmere [OPTION]\n"
                                "\n"
                                "Tallowmere, small-business planning: businesses with their mission statement,\n"
                                "type, perspective, goals and employees, a business report, documents filled\n"
                                "from templates, and a publishing tool for the company web site.\n"
                                "Started without an option it opens its main window.\n"
                                "\n"
                                "Options (answered without a display):\n"
                                "  --program-folder   print the folder that holds the databases and settings\n"
                                "  --version          print the version\n"
                                "  --help             print this help\n"
                                "Qt's own options (-platform NAME, -style NAME, -reverse...) are passed on.\n"
                                "Any other argument is refused with exit status 2.\n"
                                "\n"
                                "The databases are made and checked with tallowmere-db (see tallowmere-db --help).\n";

} // namespace

int main(int argc, char *argv[])
{
    base::reportWritesPastTheFileSizeLimit();
    // Read before the toolkit starts: an unknown option is refused without a display,
    // and the answers below need none, so scripts and installers can ask what and where
    // the program is.
    const app::CommandLine line = app::CommandLine::read(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
    case app::CommandLine::Action::Refuse:
        std::fprintf(stderr, "tallowmere: %s\nTry 'tallowmere --help' for the options.\n", line.fault.c_str());
        return 2;
    case app::CommandLine::Action::ProgramFolder: {
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Tallowmere"));
        std::printf("%s\n", QDir::toNativeSeparators(db::ProgramFolder::path()).toLocal8Bit().constData());
        return 0;
    }
    case app::CommandLine::Action::Version: std::printf("Tallowmere %s\n", TALLOWMERE_VERSION); return 0;
    case app::CommandLine::Action::Help: std::fputs(ProgramHelp, stdout); return 0;
    case app::CommandLine::Action::Run: break;
    }
    app::fonts::startLoadingAhead();
    // The web engine, loaded later with the first browser window, shares OpenGL
    // contexts with the rest of the program; that must be said before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallowmere"));
    QApplication::setApplicationVersion(QStringLiteral(TALLOWMERE_VERSION));
    // Before any window: each is built in one language.
    app::Language::install(application);
    app::useProgramIcon();
    return app::runProgram();
}
