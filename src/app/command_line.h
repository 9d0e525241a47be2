#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pendara {

// What `pendara [FILE...]` was asked to do.
struct CommandLine {
    enum class Action { Run, Help, Version, Usage };
    Action action = Action::Run;
    // The lists to open, first into the first window; only for Run.
    std::vector<std::string> files;
    // The option that was not understood; only for Usage.
    std::string badOption;
};

// Reads the arguments after the program name. "--help" ("-h") and "--version" win over files;
// "--" ends the options, so later arguments are files even when they start with "-"; a lone "-"
// is a file name. The toolkit's own options ("-style fusion", "--platform=offscreen", "-reverse")
// are skipped with their values, since the toolkit reads them itself. Any other argument that
// starts with "-" is a Usage error naming it.
CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments);

// The one-line hint printed to standard error for a Usage error, without the line end.
std::string UsageHint(std::string_view badOption);

// The text printed for --help.
std::string HelpText();

}  // namespace pendara
