#include "cli/cli_command.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "list/failure.h"
#include "list/list_file.h"
#include "os/read_all.h"
#include "os/system_reason.h"

namespace pendara::cli {

Arguments::Arguments(const std::vector<std::string>& words,
                     const std::vector<OptionShape>& options) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word == "-" || !word.starts_with("-")) {
            plain_.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const OptionShape& o) { return o.name == word; });
        if (option == options.end()) throw UsageError("unknown option " + word);
        if (i + static_cast<std::size_t>(option->values) >= words.size()) {
            throw UsageError("option " + word + " needs " +
                             (option->values == 1 ? std::string("a value") : "two values"));
        }
        std::vector<std::string> values(
            words.begin() + static_cast<std::ptrdiff_t>(i) + 1,
            words.begin() + static_cast<std::ptrdiff_t>(i) + 1 + option->values);
        options_[word] = std::move(values);
        i += static_cast<std::size_t>(option->values);
    }
}

const std::vector<std::string>& Arguments::values(const std::string& option) const {
    return options_.at(option);
}

std::int32_t ParseDecimal(const std::string& text, NumberRange range, const std::string& what) {
    std::size_t at = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    const bool digits =
        at < text.size() && std::all_of(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(),
                                        [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) throw UsageError(what + " takes a whole number, not '" + text + "'");
    const std::optional<std::int32_t> value = ParseWholeNumber(text);
    if (!value || (range.bounded() && (*value < range.minimum || *value > range.maximum))) {
        throw UsageError(what + " must be from " + std::to_string(range.minimum) + " to " +
                         std::to_string(range.maximum));
    }
    return *value;
}

namespace {

// The options and plain-argument counts a usage line shows (see CommandsFromHelp).
void ReadUsage(Command& command) {
    std::istringstream words(command.usage);
    std::string word;
    words >> word;  // the name
    int depth = 0;
    OptionShape* option = nullptr;  // the option whose values come next
    bool optionGrouped = false;
    command.minPlain = command.maxPlain = 0;
    while (words >> word) {
        const std::size_t opens = word.find_first_not_of("[(");
        const std::size_t closes = word.size() - 1 - word.find_last_not_of("])");
        depth += static_cast<int>(opens);
        const std::string bare = word.substr(opens, word.size() - opens - closes);
        if (bare == "|") {
            option = nullptr;
        } else if (bare.starts_with("--")) {
            command.options.push_back({bare, 0});
            option = &command.options.back();
            optionGrouped = depth > 0;
        } else if (option != nullptr) {
            ++option->values;
            if (!optionGrouped) option = nullptr;
        } else {
            ++command.maxPlain;
            if (depth == 0) ++command.minPlain;
        }
        depth -= static_cast<int>(closes);
        if (closes > 0) option = nullptr;
    }
}

}  // namespace

std::vector<Command> CommandsFromHelp(std::string_view help, const std::vector<RunCommand>& runs) {
    std::vector<Command> commands;
    std::istringstream lines{std::string(help)};
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) continue;
        if (line.front() == ' ') {
            commands.back().summary = line.substr(line.find_first_not_of(' '));
            continue;
        }
        Command& command = commands.emplace_back();
        command.usage = line;
        command.name = line.substr(0, line.find(' '));
        command.run = runs.at(commands.size() - 1);
        ReadUsage(command);
    }
    if (commands.size() != runs.size()) throw std::logic_error("a command without help text");
    return commands;
}

std::int32_t Arguments::number(const std::string& option, NumberRange range,
                               std::size_t index) const {
    return ParseDecimal(values(option).at(index), range, option);
}

std::string Context::inputPath(std::size_t index) const {
    return index < args.plain().size() ? args.plain()[index] : std::string();
}

namespace {

// The text of `path`, or of standard input for "" or "-", by the list-file reading rule. A FIFO
// or device is read as a pipe is, to its end, within the memory a list may take.
std::string ReadInput(const std::string& path) {
    const std::size_t limit = HeldInputLimit();
    if (!path.empty() && path != "-") return ReadListFile(path, {.streams = true, .limit = limit});
    std::string bytes;
    if (const int error = ReadAll(STDIN_FILENO, bytes, limit); error != 0) {
        throw Failure("Cannot read standard input. " + SystemReason(error));
    }
    if (bytes.size() > limit) throw Failure("Text exceeds memo capacity");
    return DecodeListText(std::move(bytes));
}

}  // namespace

LineList Context::readList(const std::string& path) const {
    LineList list;
    list.setText(ReadInput(path));
    return list;
}

void Context::flushOut(std::string& out, bool now) const {
    if (out.empty() || (!now && out.size() < kFlushAt)) return;
    WriteOut(out);
    out.clear();
    if (std::fflush(stdout) != 0) throw Failure("Stream write error");
}

std::string Context::readText(const std::string& path) const { return ReadInput(path); }

void Context::writeText(std::string_view text) const { WriteOut(text); }

void Context::writeLines(const LineList& lines) const {
    WriteOut(JoinLines(lines.lines(), args.has("--crlf") ? "\r\n" : "\n"));
}

}  // namespace pendara::cli
