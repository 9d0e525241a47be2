#include "cli/catalogue_texts.h"

#include <string_view>
#include <vector>

#include "commands/catalogue.h"

namespace pendara::cli {

namespace {

// Every name an option is given by on the command line.
std::vector<std::string> Spellings(const OptionSpec& option) {
    std::vector<std::string> names{option.name};
    if (option.shortName != 0) names.push_back(std::string{'-', option.shortName});
    return names;
}

std::vector<const OptionSpec*> OptionsOf(const CommandEntry& entry) {
    std::vector<const OptionSpec*> all;
    for (const OptionSpec& option : entry.options) all.push_back(&option);
    for (const OptionSpec* option : ToolOptionsFor(entry)) all.push_back(option);
    return all;
}

// The words of a choice or a file name that a value of `option` takes.
std::string ValueWords(const OptionSpec& option) {
    if (option.kind == ValueKind::Choice) return Joined(option.choices, " ");
    return {};
}

bool TakesFile(const OptionSpec& option) { return option.valueName == "FILE"; }

// `text` with a backslash before each of `special`.
std::string Escaped(const std::string& text, std::string_view special) {
    std::string out;
    for (const char c : text) {
        if (special.find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

// `text` inside single quotes, where a quote closes them, is escaped outside and opens again.
std::string InQuotes(const std::string& text) {
    std::string out;
    for (const char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out;
}

// Single quotes for the shell; no catalogue word holds one.
std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// `text` as roff prints it: backslashes and dashes escaped, and no line starting a request.
std::string Roff(const std::string& text) {
    std::string out = text.starts_with('.') || text.starts_with('\'') ? "\\&" : "";
    for (const char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    return out;
}

// `text` as a sentence: its first letter upper case, a full stop at the end.
std::string Sentence(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    return text + ".";
}

// "-r, --reverse" in bold, its value in italics.
std::string RoffLabel(const OptionSpec& option) {
    std::string out;
    if (option.shortName != 0) out += "\\fB" + Roff(std::string{'-', option.shortName}) + "\\fR, ";
    out += "\\fB" + Roff(option.name) + "\\fR";
    if (option.kind != ValueKind::Flag) {
        out += " \\fI" +
               Roff(option.valueName.empty() ? Joined(option.choices, "|") : option.valueName) +
               "\\fR";
    }
    return out;
}

void RoffOptions(std::string& out, const std::vector<OptionSpec>& options) {
    for (const OptionSpec& option : options) {
        out += ".TP\n" + RoffLabel(option) + "\n" + Roff(Sentence(option.help)) + "\n";
    }
}

}  // namespace

std::string ManPageSections() {
    std::string out = ".SH COMMANDS\n";
    for (const CommandEntry& entry : Catalogue()) {
        const std::string usage = entry.usage();
        out += ".TP\n\\fB" + Roff(entry.name) + "\\fR" + Roff(usage.substr(entry.name.size())) +
               "\n" + Roff(Sentence(entry.summary)) + "\n";
        if (entry.options.empty()) continue;
        out += ".RS\n";
        RoffOptions(out, entry.options);
        out += ".RE\n";
    }
    std::vector<std::string> notInPlace;
    for (const CommandEntry& entry : Catalogue()) {
        if (!WorksInPlace(entry)) notInPlace.push_back("\\fB" + Roff(entry.name) + "\\fR");
    }
    out += ".SH OPTIONS\nEvery command takes these, besides its own (\\fB\\-i\\fR all but " +
           Joined(notInPlace, ", ") + "):\n";
    RoffOptions(out, ToolOptions());
    return out;
}

std::string BashCompletion() {
    std::vector<std::string> commands;
    for (const CommandEntry& entry : Catalogue()) commands.push_back(entry.name);
    std::string out =
        "# bash completion for pendara-cli, made from its command catalogue\n"
        "_pendara_cli() {\n"
        "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        "    COMPREPLY=()\n"
        "    if ((COMP_CWORD == 1)); then\n"
        "        COMPREPLY=($(compgen -W " +
        Quoted(Joined(commands, " ") + " --help --version") +
        " -- \"$cur\"))\n"
        "        return\n"
        "    fi\n"
        "    local options= first=\n"
        "    case ${COMP_WORDS[1]} in\n";
    for (const CommandEntry& entry : Catalogue()) {
        std::vector<std::string> names{"--help"};
        for (const OptionSpec* option : OptionsOf(entry)) {
            for (const std::string& name : Spellings(*option)) names.push_back(name);
        }
        out += "    " + entry.name + ")\n        options=" + Quoted(Joined(names, " ")) + "\n";
        if (!entry.arguments.empty() && !entry.arguments[0].choices.empty()) {
            out += "        first=" + Quoted(Joined(entry.arguments[0].choices, " ")) + "\n";
        }
        // What follows an option that takes a value: its choices, a file, or nothing to offer.
        out += "        case $prev in\n";
        for (const OptionSpec* option : OptionsOf(entry)) {
            if (option->kind == ValueKind::Flag) continue;
            out += "        " + Joined(Spellings(*option), "|") + ")\n";
            if (TakesFile(*option)) {
                out += "            COMPREPLY=($(compgen -f -- \"$cur\"))\n";
            } else if (const std::string words = ValueWords(*option); !words.empty()) {
                out += "            COMPREPLY=($(compgen -W " + Quoted(words) + " -- \"$cur\"))\n";
            }
            out += "            return ;;\n";
        }
        out += "        esac ;;\n";
    }
    out +=
        "    *) return ;;\n"
        "    esac\n"
        "    if [[ $cur == -* ]]; then\n"
        "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
        "    elif [[ -n $first ]] && ((COMP_CWORD == 2)); then\n"
        "        COMPREPLY=($(compgen -W \"$first\" -- \"$cur\"))\n"
        "    else\n"
        "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
        "    fi\n"
        "}\n"
        "complete -o filenames -F _pendara_cli pendara-cli\n";
    return out;
}

std::string ZshCompletion() {
    // zsh's own completion system: one _arguments call per command.
    std::string out =
        "#compdef pendara-cli\n"
        "# zsh completion for pendara-cli, made from its command catalogue\n"
        "_pendara_cli() {\n"
        "    local -a commands\n"
        "    commands=(\n";
    for (const CommandEntry& entry : Catalogue()) {
        out += "        '" + entry.name + ":" + InQuotes(Escaped(entry.summary, ":")) + "'\n";
    }
    out +=
        "    )\n"
        "    if ((CURRENT == 2)); then\n"
        "        _describe command commands\n"
        "        return\n"
        "    fi\n"
        "    local -a optspecs\n"
        "    case $words[2] in\n";
    for (const CommandEntry& entry : Catalogue()) {
        out += "    " + entry.name + ")\n        optspecs=(\n";
        for (const OptionSpec* option : OptionsOf(entry)) {
            const std::string help = InQuotes(Escaped(option->help, "[]:"));
            std::string action;
            if (option->kind != ValueKind::Flag) {
                const std::string words = ValueWords(*option);
                action = ":" + (option->valueName.empty() ? "value" : option->valueName) + ":" +
                         (TakesFile(*option) ? "_files"
                          : words.empty()    ? " "
                                             : "(" + words + ")");
            }
            // Repeated options may be given again; others once.
            const std::string once = option->repeats ? "*" : "";
            for (const std::string& name : Spellings(*option)) {
                out += "            '" + once + name + "[" + help + "]" + action + "'\n";
            }
        }
        if (!entry.arguments.empty() && !entry.arguments[0].choices.empty()) {
            out += "            '1:" + entry.arguments[0].name + ":(" +
                   Joined(entry.arguments[0].choices, " ") + ")'\n";
        }
        out += "            '*:file:_files'\n        ) ;;\n";
    }
    out +=
        "    *) return 1 ;;\n"
        "    esac\n"
        "    shift words\n"
        "    ((CURRENT--))\n"
        "    _arguments -s $optspecs\n"
        "}\n"
        "_pendara_cli \"$@\"\n";
    return out;
}

}  // namespace pendara::cli
