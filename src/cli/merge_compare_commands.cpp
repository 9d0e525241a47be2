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

// Both lists, read first then second.
std::pair<LineList, LineList> ReadTwoLists(const Context& context) {
    const auto [first, second] = TwoListNames(context);
    LineList a = context.readList(first);
    LineList b = context.readList(second);
    return {std::move(a), std::move(b)};
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
    LineList Comparison::*result = nullptr;
    if (which == "first-only") {
        result = &Comparison::firstOnly;
    } else if (which == "second-only") {
        result = &Comparison::secondOnly;
    } else if (which == "same") {
        result = &Comparison::same;
    } else if (which == "different") {
        result = &Comparison::different;
    } else {
        throw UsageError("--result takes first-only, second-only, same or different, not '" +
                         which + "'");
    }
    auto [first, second] = ReadTwoLists(context);
    const Comparison comparison =
        CompareLists(std::move(first), std::move(second), LineCollator::forUserLocale());
    context.writeLines(comparison.*result);
}

}  // namespace

std::vector<Command> MergeCommands() {
    return {
        {"merge",
         "merge [--top-bottom] [--before T] [--separator T] [--after T] LEFT RIGHT",
         "join two lists line by line, or one after the other with --top-bottom",
         {{"--top-bottom", 0}, {"--before", 1}, {"--separator", 1}, {"--after", 1}},
         2,
         2,
         Merge},
    };
}

std::vector<Command> CompareCommands() {
    return {
        {"compare",
         "compare --result first-only|second-only|same|different FIRST SECOND",
         "compare two lists, ignoring case, and print one of the four results",
         {{"--result", 1}},
         2,
         2,
         Compare},
    };
}

}  // namespace pendara::cli
