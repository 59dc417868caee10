#pragma once

#include <string>
#include <vector>

namespace app {

// What the program's command line asks for. Besides its own options the program takes
// the toolkit's (-platform NAME, -style NAME, -reverse...), which go on to Qt; anything
// else is refused before any window or display is touched.
struct CommandLine
{
    enum class Action {
        Run,           // open the main window
        ProgramFolder, // --program-folder
        Version,       // --version
        Help,          // --help, -h
        Refuse         // `fault` says why; the exit status is 2
    };

    Action action = Action::Run;
    std::string fault; // "unknown option '--bogus'", for standard error

    static CommandLine read(const std::vector<std::string> &arguments);
};

} // namespace app
