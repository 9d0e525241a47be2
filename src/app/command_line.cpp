#include "app/command_line.h"

#include <algorithm>
#include <array>

namespace pendara {

namespace {

// Options the toolkit and its X11 backend take from the command line themselves, written with
// one dash; two work as well.
constexpr std::array<std::string_view, 17> kToolkitOptionsWithValue = {"-platform",
                                                                       "-platformpluginpath",
                                                                       "-platformtheme",
                                                                       "-plugin",
                                                                       "-qwindowgeometry",
                                                                       "-geometry",
                                                                       "-qwindowicon",
                                                                       "-icon",
                                                                       "-qwindowtitle",
                                                                       "-title",
                                                                       "-display",
                                                                       "-name",
                                                                       "-session",
                                                                       "-style",
                                                                       "-stylesheet",
                                                                       "-visual",
                                                                       "-ncols"};
constexpr std::array<std::string_view, 7> kToolkitFlags = {
    "-reverse", "-widgetcount", "-testability", "-qmljsdebugger", "-nograb", "-dograb", "-sync"};

bool Contains(const auto& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
    CommandLine result;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument.front() != '-') {
            result.files.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            return {CommandLine::Action::Help, {}, {}};
        } else if (argument == "--version") {
            return {CommandLine::Action::Version, {}, {}};
        } else {
            std::string_view name = argument.starts_with("--") ? argument.substr(1) : argument;
            const std::size_t equals = name.find('=');
            const bool joinedValue = equals != std::string_view::npos;
            name = name.substr(0, equals);
            if (Contains(kToolkitOptionsWithValue, name)) {
                if (!joinedValue) ++i;  // its value is the next argument
            } else if (!Contains(kToolkitFlags, name)) {
                if (result.action == CommandLine::Action::Run) {
                    result.action = CommandLine::Action::Usage;
                    result.badOption = std::string(argument);
                }
            }
        }
    }
    if (result.action == CommandLine::Action::Usage) result.files.clear();
    return result;
}

std::string UsageHint(std::string_view badOption) {
    return "pendara: unknown option '" + std::string(badOption) +
           "'; usage: pendara [FILE...] (see pendara --help)";
}

std::string HelpText() {
    return "Usage: pendara [FILE...]\n"
           "Builds and reworks plain-text lists, one item per line.\n"
           "\n"
           "The first FILE is loaded into the Main List of the first window as Load List would\n"
           "load it; each further FILE opens in a window of its own.\n"
           "\n"
           "  -h, --help     print this text and exit\n"
           "      --version  print the version and exit\n"
           "      --         treat every later argument as a FILE\n";
}

}  // namespace pendara
