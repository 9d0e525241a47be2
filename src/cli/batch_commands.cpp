#include "batch/add_text.h"
#include "batch/keyword_filter.h"
#include "batch/keyword_sieve.h"
#include "batch/line_cleanup.h"
#include "batch/remove_chars.h"
#include "batch/replace_text.h"
#include "batch/text_primitives.h"
#include "cli/cli_command.h"

namespace pendara::cli {

namespace {

// The ranges of the batch panel's number boxes.
constexpr NumberRange kPositive{1, 10000000};
constexpr NumberRange kLength{0, 10000000};

void RejectBoth(const Context& context, const std::string& a, const std::string& b) {
    if (context.args.has(a) && context.args.has(b)) {
        throw UsageError("use either " + a + " or " + b + ", not both");
    }
}

// --at N (default 1) or --next-to T, with --backwards.
LinePlace PlaceOf(const Context& context) {
    const Arguments& args = context.args;
    RejectBoth(context, "--at", "--next-to");
    const Direction direction =
        args.has("--backwards") ? Direction::Backwards : Direction::Forwards;
    if (args.has("--next-to")) return LinePlace::NextTo(args.value("--next-to"), direction);
    return LinePlace::At(args.has("--at") ? args.number("--at", kPositive) : 1, direction);
}

void Add(Context& context) {
    const LinePlace place = PlaceOf(context);
    const std::string& text = context.args.plain()[0];
    context.editEach(context.inputPath(1), [&](std::string_view line, LineOutput& output) {
        const std::size_t at = text.empty() ? std::string::npos : AddTextOffset(line, place);
        if (at == std::string::npos) return LineFate::Unchanged;
        output.text().append(line.substr(0, at)).append(text).append(line.substr(at));
        return LineFate::Rewritten;
    });
}

void Remove(Context& context) {
    const Arguments& args = context.args;
    RejectBoth(context, "--at", "--next-to");
    const std::int32_t count = args.has("--count") ? args.number("--count", kPositive) : 1;
    const LinePlace place = PlaceOf(context);
    context.editEach(context.inputPath(0), [&](std::string_view line, LineOutput& output) {
        const ByteRange removed = RemovedChars(line, count, place);
        if (removed.length == 0) return LineFate::Unchanged;
        output.text()
            .append(line.substr(0, removed.offset))
            .append(line.substr(removed.offset + removed.length));
        return LineFate::Rewritten;
    });
}

void Replace(Context& context) {
    const std::vector<std::string>& plain = context.args.plain();
    const std::string find = plain[0], with = plain.size() > 1 ? plain[1] : std::string();
    context.editEach(context.inputPath(2), [&](std::string_view line, LineOutput& output) {
        // Most lines hold no occurrence and go out as they came in.
        if (FindWhole(line, find) == std::string_view::npos) return LineFate::Unchanged;
        AppendReplacedText(output.text(), line, find, with);
        return LineFate::Rewritten;
    });
}

void Filter(Context& context) {
    const Arguments& args = context.args;
    const auto text = [&](const std::string& option) {
        return args.has(option) ? args.value(option) : std::string();
    };
    const std::string include = text("--include"), exclude = text("--exclude");
    const KeywordSieve sieve({include, args.has("--any") ? KeywordMatch::Any : KeywordMatch::All,
                              exclude,
                              args.has("--exclude-all") ? KeywordMatch::All : KeywordMatch::Any,
                              args.has("--match-case") ? LetterCase::Match : LetterCase::Ignore});
    const bool found = sieve.requiredDecides();
    const auto judge = [&](std::string_view line, LineOutput&) {
        return found || sieve.keeps(line) ? LineFate::Unchanged : LineFate::Dropped;
    };
    if (!sieve.hasRequired()) return context.editEach(context.inputPath(0), judge);
    // Lines without the keyword every kept line holds are passed over unjudged, and when that
    // keyword is the whole filter, the lines that hold it need no judging either.
    context.editEach(context.inputPath(0), judge,
                     [&](std::string_view text) { return sieve.findRequired(text); });
}

void RemoveEmpty(Context& context) {
    const EmptyLines empty =
        context.args.has("--ignore-space") ? EmptyLines::BlanksOnly : EmptyLines::NoCharacter;
    context.editEach(context.inputPath(0), [&](std::string_view line, LineOutput&) {
        return IsEmptyLine(line, empty) ? LineFate::Dropped : LineFate::Unchanged;
    });
}

void Trim(Context& context) {
    const bool left = context.args.has("--left");
    const bool right = context.args.has("--right");
    // Naming neither end trims both.
    const LineEnds ends = EndsOf(left || !right, right || !left);
    context.editEach(context.inputPath(0), [&](std::string_view line, LineOutput& output) {
        const std::string_view kept = TrimmedLine(line, ends);
        if (kept.size() == line.size()) return LineFate::Unchanged;
        output.text().append(kept);
        return LineFate::Rewritten;
    });
}

void RemoveLength(Context& context) {
    const Arguments& args = context.args;
    int chosen = 0;
    for (const char* option : {"--equal", "--less", "--more", "--range"})
        chosen += args.has(option);
    if (chosen != 1) throw UsageError("give exactly one of --equal, --less, --more, --range");
    LengthCondition condition{LengthOption::Range, 0};
    if (args.has("--equal")) {
        condition = {LengthOption::Equal, args.number("--equal", kLength)};
    } else if (args.has("--less")) {
        condition = {LengthOption::Less, args.number("--less", kPositive)};
    } else if (args.has("--more")) {
        condition = {LengthOption::More, args.number("--more", kLength)};
    } else {
        condition = {LengthOption::Range, args.number("--range", kLength, 0),
                     args.number("--range", kLength, 1)};
    }
    context.editEach(context.inputPath(0), [&](std::string_view line, LineOutput&) {
        return HasRemovedLength(line, condition) ? LineFate::Dropped : LineFate::Unchanged;
    });
}

}  // namespace

std::vector<Command> BatchCommands() {
    return CommandsFromHelp(R"(
add TEXT [--at N | --next-to T] [--backwards] [FILE]
    insert TEXT into every line at an index (default 1) or next to a text
remove [--count N] [--at K | --next-to T] [--backwards] [FILE]
    remove N characters (default 1) of every line from a position or next to a text
replace FIND [WITH] [FILE]
    replace every FIND by WITH (default empty) in every line, case-sensitive
filter [--include WORDS] [--any] [--exclude WORDS] [--exclude-all] [--match-case] [FILE]
    keep the lines holding the include words, then drop those holding the exclude words
remove-empty [--ignore-space] [FILE]
    remove the empty lines (--ignore-space: also those of blanks only)
trim [--left] [--right] [FILE]
    strip blanks from the ends of every line (both ends unless one is named)
remove-length (--equal N | --less N | --more N | --range LOW HIGH) [FILE]
    remove the lines of a given length in characters
)",
                            {Add, Remove, Replace, Filter, RemoveEmpty, Trim, RemoveLength});
}

}  // namespace pendara::cli
