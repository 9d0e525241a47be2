#include "cli/cli_command.h"
#include "list/line_groups.h"
#include "list/line_order.h"
#include "list/number_lines.h"

namespace pendara::cli {

namespace {

void Dedupe(Context& context) {
    DedupeOptions options;
    options.matchCase = context.args.has("--match-case");
    if (context.args.has("--keep")) {
        const std::string& keep = context.args.value("--keep");
        if (keep != "first" && keep != "last") {
            throw UsageError("--keep takes first or last, not '" + keep + "'");
        }
        options.keep = keep == "first" ? KeepCopy::First : KeepCopy::Last;
    }
    LineList list = context.readList(context.inputPath(0));
    DedupeLines(list, options);
    context.writeLines(list);
}

void Repeated(Context& context) {
    LineList list = context.readList(context.inputPath(0));
    KeepRepeatedLines(list, {context.args.has("--all"), context.args.has("--match-case")});
    context.writeLines(list);
}

void Singles(Context& context) {
    LineList list = context.readList(context.inputPath(0));
    KeepSingleLines(list, {context.args.has("--match-case")});
    context.writeLines(list);
}

void Tally(Context& context) {
    LineList list = context.readList(context.inputPath(0));
    TallyLines(list, {context.args.has("--match-case")});
    context.writeLines(list);
}

void Reverse(Context& context) {
    LineList list = context.readList(context.inputPath(0));
    ReverseLines(list);
    context.writeLines(list);
}

void Number(Context& context) {
    const Arguments& args = context.args;
    NumberOptions options;
    if (args.has("--start")) options.start = args.number("--start", {INT32_MIN, INT32_MAX});
    if (args.has("--width")) options.width = args.number("--width", {0, 100});
    if (args.has("--separator")) options.separator = args.value("--separator");
    LineList list = context.readList(context.inputPath(0));
    NumberLines(list, options);
    context.writeLines(list);
}

}  // namespace

std::vector<Command> ExtraListCommands() {
    return {
        {"dedupe",
         "dedupe [--keep first|last] [--match-case] [FILE]",
         "keep one line of each group of equal lines",
         {{"--keep", 1}, {"--match-case", 0}},
         0,
         1,
         Dedupe},
        {"repeated",
         "repeated [--all] [--match-case] [FILE]",
         "keep only lines that occur more than once",
         {{"--all", 0}, {"--match-case", 0}},
         0,
         1,
         Repeated},
        {"singles",
         "singles [--match-case] [FILE]",
         "keep only lines that occur exactly once",
         {{"--match-case", 0}},
         0,
         1,
         Singles},
        {"tally",
         "tally [--match-case] [FILE]",
         "count each group of equal lines, most frequent first",
         {{"--match-case", 0}},
         0,
         1,
         Tally},
        {"reverse", "reverse [FILE]", "put the lines in reverse order", {}, 0, 1, Reverse},
        {"number",
         "number [--start N] [--width W] [--separator T] [FILE]",
         "put each line's number in front of it",
         {{"--start", 1}, {"--width", 1}, {"--separator", 1}},
         0,
         1,
         Number},
    };
}

}  // namespace pendara::cli
