#include <cstdio>

#include "cli/cli_command.h"
#include "list/line_order.h"
#include "list/scramble.h"

namespace pendara::cli {

namespace {

void Sort(Context& context) {
    LineList list = context.readList(context.inputPath(0));
    SortLinesBy(list, {context.args.has("--reverse"), context.args.has("--natural"),
                       context.args.has("--length")});
    context.writeLines(list);
}

void Scramble(Context& context) {
    LineList list = context.readList(context.inputPath(0));
    const std::uint64_t seed =
        context.args.has("--seed")
            ? static_cast<std::uint64_t>(context.args.number("--seed", {INT32_MIN, INT32_MAX}))
            : ClockSeed();
    ScrambleLines(list.lines(), seed);
    context.writeLines(list);
}

void Count(Context& context) {
    const LineList list = context.readList(context.inputPath(0));
    std::printf("%d\n", list.count());
}

}  // namespace

std::vector<Command> ListCommands() {
    return {
        {"sort",
         "sort [--reverse] [--natural] [--length] [FILE]",
         "sort the lines, ignoring case, by the user's locale",
         {{"--reverse", 0}, {"--natural", 0}, {"--length", 0}},
         0,
         1,
         Sort},
        {"scramble",
         "scramble [--seed N] [FILE]",
         "put the lines in random order",
         {{"--seed", 1}},
         0,
         1,
         Scramble},
        {"count", "count [FILE]", "print the number of lines", {}, 0, 1, Count},
    };
}

}  // namespace pendara::cli
