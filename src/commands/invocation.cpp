#include "commands/invocation.h"

#include <algorithm>

namespace pendara {

const std::string& Invocation::text(const std::string& option) const {
    const auto found = options_.find(option);
    if (found != options_.end() && !found->second.empty()) return found->second.front();
    return entry_->option(option)->byDefault;
}

std::int64_t Invocation::number(const std::string& option, std::size_t index) const {
    const OptionSpec& spec = *entry_->option(option);
    const auto found = options_.find(option);
    const std::string& value = found != options_.end() ? found->second.at(index) : spec.byDefault;
    return ParseDecimal(value, spec.range, option);
}

std::string Invocation::argument(std::size_t index) const {
    return index < arguments_.size() ? arguments_[index] : std::string();
}

Invocation& Invocation::set(const std::string& option, std::vector<std::string> values) {
    options_[option] = std::move(values);
    return *this;
}

Invocation& Invocation::add(std::string argument) {
    arguments_.push_back(std::move(argument));
    return *this;
}

namespace {

const OptionSpec* FindOption(const std::vector<OptionSpec>& options, const std::string& word) {
    const bool isShort = word.size() == 2 && word[1] != '-';
    const auto found = std::find_if(options.begin(), options.end(), [&](const OptionSpec& o) {
        return isShort ? o.shortName == word[1] : o.name == word;
    });
    return found == options.end() ? nullptr : &*found;
}

// Takes the options out of `words` into `invocation` and gives the plain arguments. The tool's
// own options count only for a command line (`crlf` and `encoding` not null).
std::vector<std::string> TakeOptions(const std::vector<std::string>& words, Invocation& invocation,
                                     bool* crlf, std::string* encoding) {
    std::vector<std::string> plain;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        // No option starts with a digit, so "-1" is a negative number ("fields -1").
        const bool negative = word.size() > 1 && word[1] >= '0' && word[1] <= '9';
        if (optionsEnded || word == "-" || !word.starts_with("-") || negative) {
            plain.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const OptionSpec* option = FindOption(invocation.entry().options, word);
        const OptionSpec* tool = crlf != nullptr ? FindOption(ToolOptions(), word) : nullptr;
        if (option == nullptr && tool == nullptr) throw UsageError("unknown option " + word);
        const auto count = static_cast<std::size_t>((option ? option : tool)->valueCount());
        if (i + count >= words.size()) {
            throw UsageError("option " + word + " needs " +
                             (count == 1 ? std::string("a value") : "two values"));
        }
        if (tool != nullptr && tool->name == "--encoding") {
            if (const std::string why = tool->badValue(words[++i]); !why.empty()) {
                throw UsageError(why);
            }
            *encoding = words[i];
            continue;
        }
        if (tool != nullptr) {
            *crlf = true;
            continue;
        }
        std::vector<std::string> values(words.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                        words.begin() + static_cast<std::ptrdiff_t>(i + count) + 1);
        if (option->repeats && invocation.has(option->name)) {
            std::vector<std::string> all = invocation.options().at(option->name);
            all.insert(all.end(), values.begin(), values.end());
            values = std::move(all);
        }
        invocation.set(option->name, std::move(values));
        i += count;
    }
    return plain;
}

void CheckGroups(const Invocation& invocation) {
    for (const OptionGroup& group : invocation.entry().groups) {
        const auto given = std::count_if(group.names.begin(), group.names.end(),
                                         [&](const std::string& n) { return invocation.has(n); });
        if (group.required && given != 1) {
            if (group.names.size() == 1) throw UsageError(group.names[0] + " is required");
            throw UsageError("give exactly one of " + Joined(group.names, ", "));
        }
        if (given > 1 && group.names.size() == 2) {
            throw UsageError("use either " + group.names[0] + " or " + group.names[1] +
                             ", not both");
        }
        if (given > 1) throw UsageError("use only one of " + Joined(group.names, ", "));
    }
}

void CheckValues(const Invocation& invocation) {
    for (const OptionSpec& option : invocation.entry().options) {
        if (!invocation.has(option.name)) continue;
        for (const std::string& value : invocation.options().at(option.name)) {
            if (const std::string why = option.badValue(value); !why.empty()) throw UsageError(why);
        }
    }
}

// Every check of an invocation, in the order their errors take precedence; `input` and `crlf`
// are null when the words are no command line and so hold no input.
Invocation Check(const CommandEntry& entry, const std::vector<std::string>& words,
                 std::string* input, bool* crlf, std::string* encoding) {
    Invocation invocation(entry);
    const std::vector<std::string> plain = TakeOptions(words, invocation, crlf, encoding);

    // The plain arguments fill, in order, the rule's texts, the input, and the lists it reads.
    std::vector<std::string> values(entry.arguments.size());
    std::string listInput;
    std::vector<std::string*> slots;
    std::size_t required = 0;
    const auto slot = [&](std::string* into, bool optional) {
        slots.push_back(into);
        if (!optional) ++required;
    };
    const auto leftOut = [&](const ArgumentSpec& argument) {
        return !argument.unless.empty() && invocation.has(argument.unless);
    };
    const auto argumentSlots = [&](ArgumentKind kind) {
        for (std::size_t i = 0; i < entry.arguments.size(); ++i) {
            if (entry.arguments[i].kind == kind && !leftOut(entry.arguments[i])) {
                slot(&values[i], entry.arguments[i].optional);
            }
        }
    };
    argumentSlots(ArgumentKind::Text);
    const bool readsInput = input != nullptr && !entry.input.name.empty();
    if (readsInput) slot(&listInput, entry.input.optional);
    argumentSlots(ArgumentKind::List);
    if (plain.size() < required) throw UsageError("missing argument");
    if (plain.size() > slots.size()) throw UsageError("unexpected argument '" + plain.back() + "'");
    for (std::size_t i = 0; i < plain.size(); ++i) *slots[i] = plain[i];
    // '' names no file, and is not standard input.
    const bool inputGiven = readsInput && (!entry.input.optional || plain.size() == slots.size());
    if (inputGiven && entry.input.optional && listInput.empty()) {
        throw UsageError("a file name is empty");
    }

    CheckGroups(invocation);
    CheckValues(invocation);

    // The lists named: never empty, and standard input feeds one of them at most.
    bool standardInput = inputGiven && listInput == "-";
    for (std::size_t i = 0; i < entry.arguments.size(); ++i) {
        if (entry.arguments[i].kind != ArgumentKind::List) continue;
        if (values[i].empty() || (inputGiven && listInput.empty())) {
            throw UsageError("a file name is empty");
        }
        if (values[i] == "-" && standardInput) {
            throw UsageError("only one list can come from standard input");
        }
        standardInput = standardInput || values[i] == "-";
    }

    // The arguments given, in the entry's order.
    for (std::size_t i = 0; i < entry.arguments.size(); ++i) {
        const auto at = static_cast<std::size_t>(std::find(slots.begin(), slots.end(), &values[i]) -
                                                 slots.begin());
        if (at < plain.size()) invocation.add(values[i]);
    }
    if (input != nullptr) *input = listInput == "-" ? std::string() : listInput;
    return invocation;
}

bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= 32; }

}  // namespace

CommandLine ParseCommandLine(const CommandEntry& entry, const std::vector<std::string>& words) {
    std::string input;
    bool crlf = false;
    std::string encoding;
    Invocation invocation = Check(entry, words, &input, &crlf, &encoding);
    return {std::move(invocation), std::move(input), crlf, std::move(encoding)};
}

Invocation ParseInvocation(const std::vector<std::string>& words) {
    if (words.empty()) throw UsageError("no command given");
    const CommandEntry* entry = FindCommand(words[0]);
    if (entry == nullptr) throw UsageError("unknown command '" + words[0] + "'");
    return Check(*entry, std::vector<std::string>(words.begin() + 1, words.end()), nullptr, nullptr,
                 nullptr);
}

std::vector<std::string> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (IsBlank(c)) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\\') {
            if (++i == line.size()) throw UsageError("a backslash ends the line");
            word += line[i];
        } else if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            if (close == std::string_view::npos) throw UsageError("a quote is not closed");
            word.append(line.substr(i + 1, close - i - 1));
            i = close;
        } else if (c == '"') {
            for (++i;; ++i) {
                if (i == line.size()) throw UsageError("a quote is not closed");
                if (line[i] == '"') break;
                if (line[i] == '\\' && i + 1 < line.size() &&
                    (line[i + 1] == '"' || line[i + 1] == '\\')) {
                    ++i;
                }
                word += line[i];
            }
        } else {
            word += c;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

std::string QuoteWord(std::string_view word) {
    // A word that starts with '#' is quoted as well: it would start a comment in a shell.
    const bool plain =
        !word.empty() && word[0] != '#' && std::none_of(word.begin(), word.end(), [](char c) {
            return IsBlank(c) || c == '\'' || c == '"' || c == '\\';
        });
    if (plain) return std::string(word);
    std::string out;
    if (word.find('\'') == std::string_view::npos) {
        return out.append(1, '\'').append(word).append(1, '\'');
    }
    out = "\"";
    for (const char c : word) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string WriteInvocation(const Invocation& invocation) {
    const CommandEntry& entry = invocation.entry();
    // An argument that looks like an option needs "--" before it, and then all of them follow.
    const bool dashed =
        std::any_of(invocation.arguments().begin(), invocation.arguments().end(),
                    [](const std::string& a) { return a.size() > 1 && a[0] == '-'; });
    std::string out = QuoteWord(entry.name);
    const auto word = [&](std::string_view w) { out.append(1, ' ').append(QuoteWord(w)); };
    // Texts before the options and lists after them, as the usage shows; all after "--" when
    // they follow it.
    const auto arguments = [&](ArgumentKind kind) {
        for (std::size_t i = 0; i < invocation.arguments().size(); ++i) {
            if (dashed || entry.arguments.at(i).kind == kind) word(invocation.arguments()[i]);
        }
    };
    if (!dashed) arguments(ArgumentKind::Text);
    for (const OptionSpec& option : entry.options) {
        if (!invocation.has(option.name)) continue;
        const std::vector<std::string>& values = invocation.options().at(option.name);
        if (option.repeats) {
            for (const std::string& value : values) word(option.name), word(value);
            continue;
        }
        word(option.name);
        for (const std::string& value : values) word(value);
    }
    if (dashed) out += " --";
    arguments(ArgumentKind::List);
    return out;
}

Invocation ReadInvocation(std::string_view line) { return ParseInvocation(SplitWords(line)); }

}  // namespace pendara
