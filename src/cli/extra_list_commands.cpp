#include "cli/cli_command.h"
#include "list/line_groups.h"
#include "list/line_list.h"
#include "list/line_order.h"
#include "list/number_lines.h"

namespace pendara::cli {

namespace {

// The lines of the input as views into its text: for the group commands a million separate
// strings would cost more than the grouping itself.
void ReadViews(const Context& context, std::string& text, std::vector<std::string_view>& lines) {
    text = context.readText(context.inputPath(0));
    LineCursor cursor(text);
    for (std::string_view line; cursor.next(line);) lines.push_back(line);
}

// Writes `out` once it holds a megabyte, and whatever it holds at the `last` call.
void FlushOut(const Context& context, std::string& out, bool last) {
    if (!last && out.size() < (1 << 20)) return;
    context.writeText(out);
    out.clear();
}

// Reads the list, groups its lines and writes the lines at the positions `pick` chooses.
template <typename Pick>
void KeepGroupedLines(const Context& context, Pick pick) {
    std::string text;
    std::vector<std::string_view> lines;
    ReadViews(context, text, lines);
    const LineGroups groups(lines, context.args.has("--match-case"), LineCollator::forUserLocale());
    std::string out;
    for (const std::uint32_t i : pick(groups)) {
        out.append(lines[i]).append(context.lineEnd());
        FlushOut(context, out, false);
    }
    FlushOut(context, out, true);
}

void Dedupe(Context& context) {
    KeepCopy keep = KeepCopy::First;
    if (context.args.has("--keep")) {
        const std::string& value = context.args.value("--keep");
        if (value != "first" && value != "last") {
            throw UsageError("--keep takes first or last, not '" + value + "'");
        }
        keep = value == "first" ? KeepCopy::First : KeepCopy::Last;
    }
    KeepGroupedLines(context,
                     [&](const LineGroups& groups) { return DedupedPositions(groups, keep); });
}

void Repeated(Context& context) {
    const bool everyCopy = context.args.has("--all");
    KeepGroupedLines(
        context, [&](const LineGroups& groups) { return RepeatedPositions(groups, everyCopy); });
}

void Singles(Context& context) { KeepGroupedLines(context, SinglePositions); }

void Tally(Context& context) {
    std::string text;
    std::vector<std::string_view> lines;
    ReadViews(context, text, lines);
    const LineGroups groups(lines, context.args.has("--match-case"), LineCollator::forUserLocale());
    std::string out;
    for (const TallyRow& row : TallyRows(groups)) {
        out.append(std::to_string(row.count)).append(1, '\t').append(lines[row.line]);
        out.append(context.lineEnd());
        FlushOut(context, out, false);
    }
    FlushOut(context, out, true);
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
    std::int64_t number = options.start;
    context.editEach(context.inputPath(0), [&](std::string_view line, LineOutput& output) {
        std::string& out = output.text();
        AppendLineNumber(out, number++, options);
        out.append(line);
        return LineFate::Rewritten;
    });
}

}  // namespace

std::vector<Command> ExtraListCommands() {
    return CommandsFromHelp(R"(
dedupe [--keep first|last] [--match-case] [FILE]
    keep one line of each group of equal lines
repeated [--all] [--match-case] [FILE]
    keep only lines that occur more than once
singles [--match-case] [FILE]
    keep only lines that occur exactly once
tally [--match-case] [FILE]
    count each group of equal lines, most frequent first
reverse [FILE]
    put the lines in reverse order
number [--start N] [--width W] [--separator T] [FILE]
    put each line's number in front of it
)",
                            {Dedupe, Repeated, Singles, Tally, Reverse, Number});
}

}  // namespace pendara::cli
