#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "cli/line_output.h"
#include "cli/line_reader.h"
#include "list/line_list.h"
#include "text/number_box_rule.h"

namespace pendara::cli {

// Wrong usage: printed with a usage hint, exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What an option looks like on the command line: its name and how many values follow it.
struct OptionShape {
    std::string name;  // with its dashes, "--at"
    int values;        // how many arguments follow it: 0, 1 or 2
};

// One parsed command line: the options seen (last one wins) and the plain arguments in order.
class Arguments {
public:
    Arguments(const std::vector<std::string>& words, const std::vector<OptionShape>& options);

    bool has(const std::string& option) const { return options_.count(option) != 0; }
    const std::vector<std::string>& values(const std::string& option) const;
    const std::string& value(const std::string& option) const { return values(option).front(); }
    // A whole decimal number, optionally signed, inside `range`; otherwise a usage error.
    std::int32_t number(const std::string& option, NumberRange range, std::size_t index = 0) const;
    const std::vector<std::string>& plain() const { return plain_; }

private:
    std::map<std::string, std::vector<std::string>> options_;
    std::vector<std::string> plain_;
};

// What a line-by-line edit made of a line.
enum class LineFate { Dropped, Unchanged, Rewritten };

// What a command's run function gets: its arguments and the list-file conventions of the tool.
class Context {
public:
    explicit Context(Arguments arguments) : args(std::move(arguments)) {}

    Arguments args;

    // The lines of `path`, or of standard input for "" or "-".
    LineList readList(const std::string& path) const;
    // Streams the lines of `path` through `edit(line, output)`, which returns what became of
    // the line: a rewritten line is appended to output.text() (the line end then follows it).
    // Only for rules that treat each line on its own. Output goes out as it is made, and always
    // before the input is read again, so a slow pipe gets its lines back one by one.
    template <typename Edit>
    void editEach(const std::string& path, Edit edit) const {
        editEach(path, edit, nullptr);
    }
    // The same for the lines that hold the place `find(text)` points to in the text not yet read
    // (see LineReader::nextHolding); the lines passed over are dropped.
    template <typename Edit, typename Find>
    void editEach(const std::string& path, Edit edit, Find find) const;
    // Plain argument `index` when present, else "" (standard input).
    std::string inputPath(std::size_t index) const;
    // Each line followed by LF, or CR LF with --crlf.
    void writeLines(const LineList& lines) const;
    // For commands that keep the lines as views into one text instead of a LineList: the text
    // of `path` as readList reads it, the line end to write, and a piece of the output.
    std::string readText(const std::string& path) const;
    std::string_view lineEnd() const { return args.has("--crlf") ? "\r\n" : "\n"; }
    void writeText(std::string_view text) const;
    // Writes `out` once it holds enough to be worth a write, or whatever it holds with `now`.
    void flushOut(std::string& out, bool now) const;
    static constexpr std::size_t kFlushAt = 128 * 1024;
};

template <typename Edit, typename Find>
void Context::editEach(const std::string& path, Edit edit, Find find) const {
    LineReader reader(path);
    LineOutput output(lineEnd());
    reader.setBeforeRead([&] { output.flush(); });
    const auto next = [&](std::string_view& line) {
        if constexpr (std::is_null_pointer_v<Find>) {
            return reader.next(line);
        } else {
            return reader.nextHolding(line, find);
        }
    };
    for (std::string_view line; next(line);) {
        switch (edit(line, output)) {
            case LineFate::Dropped:
                break;
            case LineFate::Unchanged:
                output.keep(line, reader.rest());
                break;
            case LineFate::Rewritten:
                output.endLine();
                break;
        }
    }
    output.flush();
}

using RunCommand = void (*)(Context& context);

struct Command {
    std::string name;
    std::string usage;  // "sort [--crlf] [FILE]", shown after "pendara-cli "
    std::string summary;
    std::vector<OptionShape> options;
    std::size_t minPlain;  // plain arguments required (FILE excluded when optional)
    std::size_t maxPlain;
    RunCommand run;
};

// Commands from their help text: for each, a usage line that starts with its name, then an
// indented summary line. What the usage shows is what the command line may hold, so the two
// cannot disagree: each --option takes the words after it up to the end of its [ ] or ( )
// group or the next " | ", or one word outside a group; the other words are plain arguments,
// optional inside brackets. `runs` holds the commands' functions in the order of the text.
std::vector<Command> CommandsFromHelp(std::string_view help, const std::vector<RunCommand>& runs);

// A whole decimal number, optionally signed; usage error when it is not one or lies outside.
std::int32_t ParseDecimal(const std::string& text, NumberRange range, const std::string& what);

// The command tables of each subsystem.
std::vector<Command> ListCommands();
std::vector<Command> ExtraListCommands();
std::vector<Command> BatchCommands();
std::vector<Command> MergeCommands();
std::vector<Command> CompareCommands();

}  // namespace pendara::cli
