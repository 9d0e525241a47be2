#include "catalogue/key_options.h"

#include "commands/invocation.h"

namespace pendara {

namespace {

std::string BadKey(const std::string& value) {
    try {
        ParseKeySpec(value);
    } catch (const KeySpecError& error) {
        return error.what();
    }
    return {};
}

std::string BadSeparator(const std::string& value) {
    return value.empty() ? "the field separator is empty" : std::string();
}

}  // namespace

std::vector<OptionSpec> KeyOptionSpecs() {
    return {
        {.name = "--key",
         .shortName = 'k',
         .kind = ValueKind::Text,
         .valueName = "KEY",
         .help = "compare by FIELD[:FLAGS] or cA-B[:FLAGS], flags of n v l c r; again: in turn",
         .repeats = true,
         .check = BadKey},
        {.name = "--separator",
         .shortName = 't',
         .kind = ValueKind::Text,
         .valueName = "SEP",
         .help = "fields are separated by SEP (otherwise by runs of blanks)",
         .check = BadSeparator},
        {.name = "--numeric", .shortName = 'n', .help = "compare as numbers"},
        {.name = "--match-case",
         .shortName = 'c',
         .help = "lines are equal only byte for byte, not by the locale"},
        {.name = "--trim", .help = "blanks at the ends do not count"},
        {.name = "--squeeze", .help = "every run of blanks counts as one space"},
        {.name = "--decimal-comma", .help = "a number's fraction follows a comma"},
    };
}

KeyOptions KeyOptionsOf(const Invocation& invocation) {
    KeyOptions options;
    if (invocation.has("--key")) {
        for (const std::string& keyForm : invocation.options().at("--key")) {
            options.keys.push_back(ParseKeySpec(keyForm));
        }
    }
    if (invocation.has("--separator")) options.separator = invocation.text("--separator");
    options.global.numeric = invocation.has("--numeric");
    options.global.matchCase = invocation.has("--match-case");
    options.global.reverse = invocation.has("--reverse");
    options.global.natural = invocation.has("--natural");
    options.global.byLength = invocation.has("--length");
    options.trim = invocation.has("--trim");
    options.squeeze = invocation.has("--squeeze");
    options.decimalComma = invocation.has("--decimal-comma");
    return options;
}

}  // namespace pendara
