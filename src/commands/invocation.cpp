#include "commands/invocation.h"

#include <algorithm>

namespace pendara {

const std::string& Invocation::text(const std::string& option) const {
    const auto found = options_.find(option);
    if (found != options_.end() && !found->second.empty()) return found->second.front();
    return entry_->option(option)->byDefault;
}

std::int64_t Invocation::number(const std::string& option, std::size_t index) const {
    const OptionSpec& described = *entry_->option(option);
    const auto found = options_.find(option);
    const std::string& value =
        found != options_.end() ? found->second.at(index) : described.byDefault;
    return ParseDecimal(value, described.range, option);
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

// The option `word` names among `options`: a short name, a long name, or a prefix of exactly
// one long name. Null when none; an ambiguous prefix is a usage error naming the candidates.
const OptionSpec* FindOption(const std::vector<const OptionSpec*>& options,
                             const std::string& word) {
    if (word.size() == 2 && word[1] != '-') {
        for (const OptionSpec* o : options) {
            if (o->shortName == word[1]) return o;
        }
        return nullptr;
    }
    std::vector<const OptionSpec*> candidates;
    for (const OptionSpec* o : options) {
        if (o->name == word) return o;
        if (o->name.starts_with(word)) candidates.push_back(o);
    }
    if (candidates.size() == 1) return candidates[0];
    if (candidates.empty()) return nullptr;
    std::vector<std::string> names;
    for (const OptionSpec* o : candidates) names.push_back(o->name);
    throw UsageError("option " + word + " is ambiguous: " + Joined(names, ", "));
}

// The words of `words` with every option spelled as its own word: "--at=3" as "--at" "3",
// "-rk2" as "-r" "-k" "2". A short flag that takes a value ends its bundle: the rest of the
// word is its value. Words after "--" are left as they are.
std::vector<std::string> SpelledOut(const std::vector<const OptionSpec*>& options,
                                    const std::vector<std::string>& words) {
    std::vector<std::string> out;
    // The values still owed to the last option: they are copied as they are, so "-t -" and
    // "--separator -x" keep their values.
    int owed = 0;
    const auto owes = [&](const std::string& name) {
        const OptionSpec* option = FindOption(options, name);
        owed = option != nullptr ? option->valueCount() : 0;
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        // No option starts with a digit, so "-1" is a negative number ("fields -1").
        const bool negative = word.size() > 1 && word[1] >= '0' && word[1] <= '9';
        if (owed > 0 || word.size() < 2 || word[0] != '-' || negative) {
            out.push_back(word);
            owed = std::max(owed - 1, 0);
            continue;
        }
        if (word == "--") {
            out.insert(out.end(), words.begin() + static_cast<std::ptrdiff_t>(i), words.end());
            break;
        }
        if (word[1] == '-') {
            const std::size_t equals = word.find('=');
            out.push_back(word.substr(0, equals));
            owes(out.back());
            if (equals == std::string::npos) continue;
            if (owed == 0 && FindOption(options, out.back()) != nullptr) {
                throw UsageError("option " + FindOption(options, out.back())->name +
                                 " takes no value");
            }
            out.push_back(word.substr(equals + 1));
            owed = std::max(owed - 1, 0);
            continue;
        }
        for (std::size_t at = 1; at < word.size(); ++at) {
            out.push_back(std::string{'-', word[at]});
            owes(out.back());
            if (FindOption(options, out.back()) == nullptr) {
                throw UsageError("unknown option " + out.back());
            }
            if (owed > 0 && at + 1 < word.size()) {
                out.push_back(word.substr(at + 1));
                --owed;
                break;
            }
        }
    }
    return out;
}

// Takes the options out of `words` into `invocation` and gives the plain arguments. The tool's
// own options count only for a command line (`tool` not null).
std::vector<std::string> TakeOptions(const std::vector<std::string>& given, Invocation& invocation,
                                     ToolValues* tool) {
    std::vector<const OptionSpec*> known;
    for (const OptionSpec& o : invocation.entry().options) known.push_back(&o);
    if (tool != nullptr) {
        for (const OptionSpec& o : ToolOptions()) known.push_back(&o);
    }
    const std::vector<std::string> words = SpelledOut(known, given);
    std::vector<std::string> plain;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool negative = word.size() > 1 && word[1] >= '0' && word[1] <= '9';
        if (optionsEnded || word == "-" || !word.starts_with("-") || negative) {
            plain.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const OptionSpec* option = FindOption(known, word);
        if (option == nullptr) throw UsageError("unknown option " + word);
        const auto count = static_cast<std::size_t>(option->valueCount());
        if (i + count >= words.size()) {
            throw UsageError("option " + option->name + " needs " +
                             (count == 1 ? std::string("a value") : "two values"));
        }
        std::vector<std::string> values(words.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                        words.begin() + static_cast<std::ptrdiff_t>(i + count) + 1);
        i += count;
        const bool ofTool = invocation.entry().option(option->name) != option;
        if (ofTool) {
            for (const std::string& value : values) {
                if (const std::string why = option->badValue(value); !why.empty()) {
                    throw UsageError(why);
                }
            }
            (*tool)[option->name] = std::move(values);
            continue;
        }
        if (option->repeats && invocation.has(option->name)) {
            std::vector<std::string> all = invocation.options().at(option->name);
            all.insert(all.end(), values.begin(), values.end());
            values = std::move(all);
        }
        invocation.set(option->name, std::move(values));
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

// Every check of an invocation, in the order their errors take precedence; `inputs` and `tool`
// are null when the words are no command line and so hold no input.
Invocation Check(const CommandEntry& entry, const std::vector<std::string>& words,
                 std::vector<std::string>* inputs, ToolValues* tool) {
    Invocation invocation(entry);
    std::vector<std::string> plain = TakeOptions(words, invocation, tool);

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
    const std::size_t textSlots = slots.size();
    const bool readsInput = inputs != nullptr && !entry.input.name.empty();
    if (readsInput) slot(&listInput, entry.input.optional);
    argumentSlots(ArgumentKind::List);
    if (plain.size() < required) throw UsageError("missing argument");
    // Without an input, a command of two lists may still name its first one, before the other.
    std::string namedInput;
    const bool namesInput = inputs == nullptr && !entry.input.name.empty() &&
                            !entry.input.optional && plain.size() == slots.size() + 1 &&
                            slots.size() > textSlots;
    if (namesInput) {
        namedInput = plain[textSlots];
        plain.erase(plain.begin() + static_cast<std::ptrdiff_t>(textSlots));
        if (namedInput.empty()) throw UsageError("a file name is empty");
    }
    // An input that comes last may be several files, read one after another.
    std::vector<std::string> more;
    if (plain.size() > slots.size() && readsInput && slots.back() == &listInput) {
        more.assign(plain.begin() + static_cast<std::ptrdiff_t>(slots.size()), plain.end());
        plain.resize(slots.size());
    }
    if (plain.size() > slots.size()) throw UsageError("unexpected argument '" + plain.back() + "'");
    for (std::size_t i = 0; i < plain.size(); ++i) *slots[i] = plain[i];
    // '' names no file, and is not standard input.
    const bool inputGiven = readsInput && (!entry.input.optional || plain.size() == slots.size());
    if (inputGiven && entry.input.optional &&
        (listInput.empty() || std::find(more.begin(), more.end(), "") != more.end())) {
        throw UsageError("a file name is empty");
    }
    const bool stdinTwice =
        std::count(more.begin(), more.end(), "-") + (inputGiven && listInput == "-" ? 1 : 0) > 1;
    if (stdinTwice) throw UsageError("only one list can come from standard input");

    CheckGroups(invocation);
    CheckValues(invocation);

    // The lists named: never empty, and standard input feeds one of them at most.
    bool standardInput = (inputGiven && listInput == "-") || namedInput == "-";
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
    invocation.setInput(std::move(namedInput));
    if (inputs != nullptr) {
        inputs->clear();
        if (inputGiven) inputs->push_back(listInput);
        inputs->insert(inputs->end(), more.begin(), more.end());
        for (std::string& name : *inputs) {
            if (name == "-") name.clear();
        }
    }
    return invocation;
}

bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= 32; }

}  // namespace

CommandLine ParseCommandLine(const CommandEntry& entry, const std::vector<std::string>& words) {
    std::vector<std::string> inputs;
    ToolValues tool;
    Invocation invocation = Check(entry, words, &inputs, &tool);
    CommandLine line{std::move(invocation)};
    line.inputs = std::move(inputs);
    if (line.inputs.empty()) line.inputs.emplace_back();
    line.crlf = tool.count("--crlf") != 0;
    line.null = tool.count("--null") != 0;
    line.inPlace = tool.count("--in-place") != 0;
    if (tool.count("--output") != 0) line.output = tool["--output"].front();
    if (tool.count("--encoding") != 0) line.encoding = tool["--encoding"].front();
    if (line.null && line.crlf) throw UsageError("use either --null or --crlf, not both");
    if (line.null && !line.encoding.empty()) {
        throw UsageError("use either --null or --encoding, not both");
    }
    if (line.inPlace && tool.count("--output") != 0) {
        throw UsageError("use either --in-place or --output, not both");
    }
    if (tool.count("--output") != 0 && line.output.empty()) {
        throw UsageError("a file name is empty");
    }
    if (line.inPlace) {
        if (!WorksInPlace(entry)) throw UsageError("--in-place does not apply to " + entry.name);
        if (std::find(line.inputs.begin(), line.inputs.end(), "") != line.inputs.end()) {
            throw UsageError("--in-place needs files, not standard input");
        }
    }
    return line;
}

Invocation ParseInvocation(const std::vector<std::string>& words) {
    if (words.empty()) throw UsageError("no command given");
    const CommandEntry* entry = FindCommand(words[0]);
    if (entry == nullptr) throw UsageError("unknown command '" + words[0] + "'");
    return Check(*entry, std::vector<std::string>(words.begin() + 1, words.end()), nullptr,
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
    const auto optionLike = [](const std::string& a) { return a.size() > 1 && a[0] == '-'; };
    const bool dashed =
        optionLike(invocation.input()) ||
        std::any_of(invocation.arguments().begin(), invocation.arguments().end(), optionLike);
    std::string out = QuoteWord(entry.name);
    const auto word = [&](std::string_view w) { out.append(1, ' ').append(QuoteWord(w)); };
    // Texts before the options and lists after them, the first list foremost, as the usage
    // shows; all after "--" when they follow it.
    const auto arguments = [&](ArgumentKind kind) {
        bool firstList = !invocation.input().empty();
        for (std::size_t i = 0; i < invocation.arguments().size(); ++i) {
            const bool list = entry.arguments.at(i).kind == ArgumentKind::List;
            if ((dashed || kind == ArgumentKind::List) && list && firstList) {
                word(invocation.input());
                firstList = false;
            }
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
