#include "cli/cli_command.h"
#include "compare/compare_lists.h"
#include "list/line_compare.h"
#include "merge/merge_lists.h"

namespace pendara::cli {

namespace {

// The two file names; standard input may feed one of the lists, not both.
std::pair<std::string, std::string> TwoListNames(const Context& context) {
    const std::string& first = context.args.plain()[0];
    const std::string& second = context.args.plain()[1];
    if (first.empty() || second.empty()) throw UsageError("a file name is empty");
    if (first == "-" && second == "-") {
        throw UsageError("only one list can come from standard input");
    }
    return {first, second};
}

std::string TextOption(const Context& context, const std::string& option) {
    return context.args.has(option) ? context.args.value(option) : std::string();
}

void Merge(Context& context) {
    // Options are checked before any file is read, so wrong usage never waits on a pipe.
    const MergeMode mode =
        context.args.has("--top-bottom") ? MergeMode::TopBottom : MergeMode::LeftRight;
    const std::string before = TextOption(context, "--before");
    const std::string separator = TextOption(context, "--separator");
    const std::string after = TextOption(context, "--after");
    const auto [leftName, rightName] = TwoListNames(context);
    // Both lists stream through, a line of each at a time; the shorter side counts as empty
    // lines. Both files open before anything is written, so a missing one writes nothing.
    LineReader left(leftName), right(rightName);
    std::string out;
    const auto flush = [&] { context.flushOut(out, true); };
    left.setBeforeRead(flush);
    right.setBeforeRead(flush);
    const std::string_view end = context.lineEnd();
    const auto put = [&](std::string_view line) {
        out.append(line).append(end);
        context.flushOut(out, false);
    };
    if (mode == MergeMode::TopBottom) {
        if (!before.empty()) put(before);
        for (std::string_view line; left.next(line);) put(line);
        if (!separator.empty()) put(separator);
        for (std::string_view line; right.next(line);) put(line);
        if (!after.empty()) put(after);
    } else {
        std::string_view l, r;
        for (bool moreLeft = left.next(l), moreRight = right.next(r); moreLeft || moreRight;
             moreLeft = moreLeft && left.next(l), moreRight = moreRight && right.next(r)) {
            AppendSideBySide(out, moreLeft ? l : std::string_view(),
                             moreRight ? r : std::string_view(), before, separator, after);
            out.append(end);
            context.flushOut(out, false);
        }
    }
    context.flushOut(out, true);
}

void Compare(Context& context) {
    if (!context.args.has("--result")) throw UsageError("--result is required");
    const std::string& which = context.args.value("--result");
    if (which != "first-only" && which != "second-only" && which != "same" &&
        which != "different") {
        throw UsageError("--result takes first-only, second-only, same or different, not '" +
                         which + "'");
    }
    // Each list as one text and its line starts: a string per line would cost more than the
    // text itself.
    const auto [firstName, secondName] = TwoListNames(context);
    const TextLines first(context.readText(firstName));
    const TextLines second(context.readText(secondName));
    const ComparedPositions result =
        CompareLinePositions(first, second, LineCollator::forUserLocale());
    std::string out;
    const auto put = [&](const TextLines& lines, const std::vector<std::uint32_t>& positions) {
        for (const std::uint32_t i : positions) {
            out.append(lines[i]).append(context.lineEnd());
            context.flushOut(out, false);
        }
    };
    if (which == "first-only" || which == "different") put(first, result.firstOnly);
    if (which == "same") put(first, result.same);
    if (which == "second-only" || which == "different") put(second, result.secondOnly);
    context.flushOut(out, true);
}

}  // namespace

std::vector<Command> MergeCommands() {
    return CommandsFromHelp(R"(
merge [--top-bottom] [--before T] [--separator T] [--after T] LEFT RIGHT
    join two lists line by line, or one after the other with --top-bottom
)",
                            {Merge});
}

std::vector<Command> CompareCommands() {
    return CommandsFromHelp(R"(
compare --result first-only|second-only|same|different FIRST SECOND
    compare two lists, ignoring case, and print one of the four results
)",
                            {Compare});
}

}  // namespace pendara::cli
