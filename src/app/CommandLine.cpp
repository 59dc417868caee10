#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace app {

namespace {

// The toolkit's own options, as QGuiApplication and QApplication read them (with one
// dash or two): those that take the next argument as their value, and the others.
constexpr std::array<std::string_view, 16> ToolkitOptionsWithValue{"platform",
                                                                   "platformpluginpath",
                                                                   "platformtheme",
                                                                   "plugin",
                                                                   "qwindowgeometry",
                                                                   "geometry",
                                                                   "qwindowicon",
                                                                   "icon",
                                                                   "qwindowtitle",
                                                                   "title",
                                                                   "session",
                                                                   "style",
                                                                   "stylesheet",
                                                                   "display",
                                                                   "name",
                                                                   "visual"};
constexpr std::array<std::string_view, 6> ToolkitFlags{"reverse", "widgetcount", "nograb",
                                                       "dograb",  "sync",        "qmljsdebugger"};

bool listed(std::string_view name, const auto &list)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

// The option's name without its dashes and without an "=value".
std::string_view toolkitName(std::string_view argument)
{
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

CommandLine refusal(std::string fault)
{
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.fault = std::move(fault);
    return line;
}

} // namespace

CommandLine CommandLine::read(const std::vector<std::string> &arguments)
{
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        Action own = Action::Run;
        if (argument == "--program-folder")
            own = Action::ProgramFolder;
        else if (argument == "--version")
            own = Action::Version;
        else if (argument == "--help" || argument == "-h")
            own = Action::Help;
        if (own != Action::Run) {
            if (line.action == Action::Run)
                line.action = own; // the first one asked for is answered
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-' || argument == "--")
            return refusal("unexpected argument '" + arguments[i] + "'");
        const std::string_view name = toolkitName(argument);
        const bool valueJoined = argument.find('=') != std::string_view::npos; // -style=fusion
        if (listed(name, ToolkitFlags) || (valueJoined && listed(name, ToolkitOptionsWithValue)))
            continue;
        if (listed(name, ToolkitOptionsWithValue)) {
            if (i + 1 == arguments.size())
                return refusal("option '" + arguments[i] + "' needs a value");
            ++i;
            continue;
        }
        return refusal("unknown option '" + arguments[i] + "'");
    }
    return line;
}

} // namespace app
