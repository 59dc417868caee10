// The program's command line: its own options, the toolkit's, and what is refused
// before any window opens.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

using app::CommandLine;
using Action = CommandLine::Action;

namespace {

TEST(CommandLine, OwnAndToolkitOptionsAreTakenAnythingElseIsNamedAndRefused)
{
    struct Case
    {
        std::vector<std::string> arguments;
        Action action;
        const char *fault;
    };
    const Case cases[] = {
        {{}, Action::Run, ""},
        {{"--version"}, Action::Version, ""},
        {{"-h"}, Action::Help, ""},
        {{"--program-folder", "--help"}, Action::ProgramFolder, ""},
        {{"-platform", "offscreen", "--style=fusion", "-reverse"}, Action::Run, ""},
        {{"--qwindowtitle", "--bogus"}, Action::Run, ""}, // a value, whatever it looks like
        {{"--bogus"}, Action::Refuse, "unknown option '--bogus'"},
        {{"--version", "--bogus"}, Action::Refuse, "unknown option '--bogus'"},
        {{"-platformx"}, Action::Refuse, "unknown option '-platformx'"},
        {{"--program-folder=x"}, Action::Refuse, "unknown option '--program-folder=x'"},
        {{"-style"}, Action::Refuse, "option '-style' needs a value"},
        {{"report.txt"}, Action::Refuse, "unexpected argument 'report.txt'"},
        {{"-"}, Action::Refuse, "unexpected argument '-'"},
        {{"--"}, Action::Refuse, "unexpected argument '--'"},
        {{"; rm -rf x"}, Action::Refuse, "unexpected argument '; rm -rf x'"},
    };
    for (const Case &c : cases) {
        const CommandLine line = CommandLine::read(c.arguments);
        std::string shown;
        for (const std::string &argument : c.arguments)
            shown += argument + ' ';
        SCOPED_TRACE(shown);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.fault, c.fault);
    }
}

} // namespace
