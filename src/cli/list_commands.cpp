#include <cstdio>

#include "cli/cli_command.h"
#include "cli/line_reader.h"
#include "list/line_order.h"
#include "list/scramble.h"
#include "list/text_lines.h"

namespace pendara::cli {

namespace {

void Sort(Context& context) {
    // One copy of the text and where its lines start, no string per line: sorting a long list
    // needs its keys as well, and those are the larger part.
    const TextLines lines(context.readText(context.inputPath(0)));
    const std::vector<std::uint32_t> order =
        SortedPositions(lines, {context.args.has("--reverse"), context.args.has("--natural"),
                                context.args.has("--length")});
    std::string out;
    for (const std::uint32_t i : order) {
        out.append(lines[i]).append(context.lineEnd());
        context.flushOut(out, false);
    }
    context.flushOut(out, true);
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
    // Counts as it reads, so a list of any length costs one block of memory.
    LineReader reader(context.inputPath(0));
    unsigned long long count = 0;
    for (std::string_view line; reader.next(line);) ++count;
    std::printf("%llu\n", count);
}

}  // namespace

std::vector<Command> ListCommands() {
    return CommandsFromHelp(R"(
sort [--reverse] [--natural] [--length] [FILE]
    sort the lines, ignoring case, by the user's locale
scramble [--seed N] [FILE]
    put the lines in random order
count [FILE]
    print the number of lines
)",
                            {Sort, Scramble, Count});
}

}  // namespace pendara::cli
