#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "commands/catalogue.h"

namespace pendara {

// One command with its option values and plain arguments: what a command line, a recipe line
// or a window command asks for. Absent options read as their defaults.
class Invocation {
public:
    explicit Invocation(const CommandEntry& entry) : entry_(&entry) {}

    const CommandEntry& entry() const { return *entry_; }
    const std::string& command() const { return entry_->name; }

    bool has(const std::string& option) const { return options_.count(option) != 0; }
    // The option's text, or its default when absent.
    const std::string& text(const std::string& option) const;
    // The option's index-th number, or its default when absent.
    std::int64_t number(const std::string& option, std::size_t index = 0) const;
    // Argument `index`, or "" when absent.
    std::string argument(std::size_t index) const;
    const std::vector<std::string>& arguments() const { return arguments_; }
    // The first list a command of two lists reads, when a recipe step names it
    // (`merge LEFT RIGHT`): the step then reads both files and the list so far plays no part.
    // "" for the list so far, and always on a command line, where it is the input.
    const std::string& input() const { return input_; }
    const std::map<std::string, std::vector<std::string>>& options() const { return options_; }

    // For callers that build an invocation from values (the window); no check is made here.
    Invocation& set(const std::string& option, std::vector<std::string> values = {});
    Invocation& add(std::string argument);
    Invocation& setInput(std::string input) {
        input_ = std::move(input);
        return *this;
    }

    bool operator==(const Invocation& other) const {
        return entry_ == other.entry_ && options_ == other.options_ &&
               arguments_ == other.arguments_ && input_ == other.input_;
    }

private:
    const CommandEntry* entry_;
    std::map<std::string, std::vector<std::string>> options_;  // by long name; last one wins
    std::vector<std::string> arguments_;
    std::string input_;
};

// The tool's own options as given, by long name.
using ToolValues = std::map<std::string, std::vector<std::string>>;

// A command line after the program name: the invocation, the lists it reads and the tool's own
// options.
struct CommandLine {
    Invocation invocation;
    // Read one after another as one list; "" for standard input. Never empty.
    std::vector<std::string> inputs{};
    std::string output{};  // "" for standard output
    bool inPlace = false;  // each input replaced by its own result
    bool null = false;     // records end at NUL, on input and output
    bool crlf = false;
    // What --encoding names: "" for bytes as they are, or "auto".
    std::string encoding = {};
};

// Checks `words` (those after the command's name) against `entry` as the command line has them:
// options anywhere until "--", then the plain arguments, the input among them. Usage errors
// name what is wrong.
CommandLine ParseCommandLine(const CommandEntry& entry, const std::vector<std::string>& words);

// The same for an invocation without an input (a recipe line, a window command): `words[0]`
// is the command's name. A command of two lists may name its first one too (input()).
Invocation ParseInvocation(const std::vector<std::string>& words);

// A line into words: blanks separate them; single quotes keep everything up to the next one;
// in double quotes a backslash escapes '"' and '\'; outside quotes it escapes any character.
std::vector<std::string> SplitWords(std::string_view line);
// `word` as SplitWords reads it back, quoted only as much as it needs.
std::string QuoteWord(std::string_view word);

// One line in the command line's own words, and back.
std::string WriteInvocation(const Invocation& invocation);
Invocation ReadInvocation(std::string_view line);

}  // namespace pendara
