#include "commands/catalogue.h"

#include "files/code_page.h"
#include "files/list_file.h"

#include <algorithm>
#include <charconv>

namespace pendara {

std::string Joined(const std::vector<std::string>& items, std::string_view between) {
    std::string out;
    for (const std::string& item : items) {
        if (!out.empty()) out.append(between);
        out.append(item);
    }
    return out;
}

int OptionSpec::valueCount() const {
    switch (kind) {
        case ValueKind::Flag:
            return 0;
        case ValueKind::NumberPair:
            return 2;
        default:
            return 1;
    }
}

std::string OptionSpec::badValue(const std::string& value) const {
    if (check != nullptr) return check(value);
    if (kind == ValueKind::Number || kind == ValueKind::NumberPair) {
        try {
            ParseDecimal(value, range, name);
        } catch (const UsageError& error) {
            return error.what();
        }
    }
    if (kind != ValueKind::Choice ||
        std::find(choices.begin(), choices.end(), value) != choices.end()) {
        return {};
    }
    // "first or last", "a, b, c or d"
    std::string list;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0) list += i + 1 == choices.size() ? " or " : ", ";
        list += choices[i];
    }
    return name + " takes " + list + ", not '" + value + "'";
}

std::int64_t ParseDecimal(const std::string& text, ValueRange range, const std::string& what) {
    const std::size_t at = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    const bool digits =
        at < text.size() && std::all_of(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(),
                                        [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) throw UsageError(what + " takes a whole number, not '" + text + "'");
    // from_chars takes a '-' but not a '+'.
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || value < range.minimum || value > range.maximum) {
        throw UsageError(what + " must be from " + std::to_string(range.minimum) + " to " +
                         std::to_string(range.maximum));
    }
    return value;
}

std::string OptionSpec::usage() const {
    if (kind == ValueKind::Flag) return name;
    std::string out = name;
    return out.append(" ").append(valueName.empty() ? Joined(choices, "|") : valueName);
}

const OptionSpec* CommandEntry::option(const std::string& name) const {
    const auto found = std::find_if(options.begin(), options.end(),
                                    [&](const OptionSpec& o) { return o.name == name; });
    return found == options.end() ? nullptr : &*found;
}

std::string CommandEntry::usage() const {
    std::string out = name;
    // A word of the usage, in `open` and `close` when they are given.
    const auto word = [&out](const std::string& text, const char* open = "",
                             const char* close = "") {
        out.append(" ").append(open).append(text).append(close);
    };
    const auto optional = [&](const std::string& text, bool isOptional) {
        isOptional ? word(text, "[", "]") : word(text);
    };
    // The rule's texts first, then the options, then the lists read.
    for (const ArgumentSpec& argument : arguments) {
        if (argument.kind == ArgumentKind::Text) optional(argument.name, argument.optional);
    }
    std::vector<const OptionGroup*> shown;
    for (const OptionSpec& option : options) {
        const auto group = std::find_if(groups.begin(), groups.end(), [&](const OptionGroup& g) {
            return std::find(g.names.begin(), g.names.end(), option.name) != g.names.end();
        });
        if (group == groups.end()) {
            word(option.usage(), "[", "]");
            continue;
        }
        if (std::find(shown.begin(), shown.end(), &*group) != shown.end()) continue;
        shown.push_back(&*group);
        std::vector<std::string> usages;
        for (const std::string& member : group->names) {
            usages.push_back(this->option(member)->usage());
        }
        if (!group->required) {
            word(Joined(usages, " | "), "[", "]");
        } else if (group->names.size() > 1) {
            word(Joined(usages, " | "), "(", ")");
        } else {
            word(usages[0]);
        }
    }
    // Where the input comes last, it may be several files.
    const bool several = std::none_of(arguments.begin(), arguments.end(),
                                      [](const auto& a) { return a.kind == ArgumentKind::List; });
    if (!input.name.empty()) optional(input.name + (several ? "..." : ""), input.optional);
    for (const ArgumentSpec& argument : arguments) {
        if (argument.kind == ArgumentKind::List) optional(argument.name, argument.optional);
    }
    return out;
}

const std::vector<CommandEntry>& Catalogue() {
    static const std::vector<CommandEntry> entries = [] {
        std::vector<CommandEntry> all;
        AddListEntries(all);
        AddBatchEntries(all);
        AddTwoListEntries(all);
        AddPatternEntries(all);
        AddShapingEntries(all);
        return all;
    }();
    return entries;
}

const CommandEntry* FindCommand(const std::string& name) {
    const std::vector<CommandEntry>& entries = Catalogue();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const CommandEntry& e) { return e.name == name; });
    return found == entries.end() ? nullptr : &*found;
}

namespace {

std::string BadEncoding(const std::string& name) {
    if (name == kGuessEncoding) return {};
    try {
        (void)CodePage::Named(name);
        return {};
    } catch (const Failure&) {
        return "unknown encoding '" + name + "'";
    }
}

}  // namespace

const std::vector<OptionSpec>& ToolOptions() {
    static const std::vector<OptionSpec> options{
        {.name = "--output",
         .shortName = 'o',
         .kind = ValueKind::Text,
         .valueName = "FILE",
         .help = "write the result to FILE, which may be one of the inputs"},
        {.name = "--in-place",
         .shortName = 'i',
         .help = "replace each FILE with its own result, in the file's own form"},
        {.name = "--null",
         .shortName = 'z',
         .help = "records end at NUL instead of line breaks, on input and output"},
        {.name = "--crlf", .help = "end each line written with CR LF instead of LF"},
        {.name = "--encoding",
         .kind = ValueKind::Text,
         .valueName = "NAME",
         .help = "read every input in NAME and write in it (auto: guess each input's)",
         .check = BadEncoding},
    };
    return options;
}

bool WorksInPlace(const CommandEntry& entry) {
    const bool oneList =
        std::none_of(entry.arguments.begin(), entry.arguments.end(),
                     [](const ArgumentSpec& a) { return a.kind == ArgumentKind::List; });
    return oneList && entry.result == ResultKind::Lines && !entry.input.name.empty();
}

std::vector<const OptionSpec*> ToolOptionsFor(const CommandEntry& entry) {
    std::vector<const OptionSpec*> options;
    for (const OptionSpec& option : ToolOptions()) {
        if (option.name != "--in-place" || WorksInPlace(entry)) options.push_back(&option);
    }
    return options;
}

}  // namespace pendara
