// The List Builder's batch operations, each changing or dropping lines one at a time.
#include <algorithm>

#include "batch/add_text.h"
#include "batch/keyword_filter.h"
#include "batch/keyword_sieve.h"
#include "batch/line_cleanup.h"
#include "batch/remove_chars.h"
#include "batch/replace_text.h"
#include "batch/text_primitives.h"
#include "commands/invocation.h"
#include "patterns/line_patterns.h"
#include "text/line_breaks.h"

namespace pendara {

namespace {

// The ranges of the batch panel's number boxes.
constexpr ValueRange kPositive{1, 10000000};
constexpr ValueRange kLength{0, 10000000};

OptionSpec Number(const char* name, const char* valueName, ValueRange range, const char* help,
                  const char* byDefault = "") {
    return {.name = name,
            .kind = ValueKind::Number,
            .valueName = valueName,
            .range = range,
            .byDefault = byDefault,
            .help = help};
}

OptionSpec Text(const char* name, const char* valueName, const char* help) {
    return {.name = name, .kind = ValueKind::Text, .valueName = valueName, .help = help};
}

const OptionSpec kNextTo = Text("--next-to", "T", "next to the first occurrence of T instead");
const OptionSpec kBackwards{.name = "--backwards",
                            .help = "count from the end of the line; before T, not after it"};

// Where Add and Remove work: --at (default 1) or --next-to, with --backwards. Made once; the
// search text lives on the heap, so the place still points to it when the step moves.
class Place {
public:
    explicit Place(const Invocation& invocation)
        : search_(std::make_unique<std::string>(invocation.text("--next-to"))) {
        const Direction direction =
            invocation.has("--backwards") ? Direction::Backwards : Direction::Forwards;
        place_ = invocation.has("--next-to") ? LinePlace::NextTo(*search_, direction)
                                             : LinePlace::At(invocation.number("--at"), direction);
    }
    const LinePlace& operator()() const { return place_; }

private:
    std::unique_ptr<std::string> search_;
    LinePlace place_;
};

// Filter's step: lines without the keyword every kept line holds need no judging, and when that
// keyword is the whole filter, the lines that hold it need none either.
class FilterStep final : public LineStep {
public:
    explicit FilterStep(const Invocation& invocation)
        : include_(invocation.text("--include")),
          exclude_(invocation.text("--exclude")),
          sieve_({include_, invocation.has("--any") ? KeywordMatch::Any : KeywordMatch::All,
                  exclude_, invocation.has("--exclude-all") ? KeywordMatch::All : KeywordMatch::Any,
                  invocation.has("--match-case") ? LetterCase::Match : LetterCase::Ignore}),
          decided_(sieve_.requiredDecides()) {}

    void line(std::string_view line, LineSink& out) override {
        if (decided_ || sieve_.keeps(line)) out.keep(line);
    }
    bool searches() const override { return sieve_.hasRequired(); }
    std::size_t search(std::string_view text, bool) const override {
        return sieve_.findRequired(text);
    }

private:
    std::string include_, exclude_;
    KeywordSieve sieve_;
    bool decided_;  // only lines found by search() come, and each one stays
};

// Replace by the pattern engine: FIND a pattern with --regex, otherwise a text found as it stands
// (with -I or --first), and WITH taken as it stands then too.
class PatternReplace final : public LineStep {
public:
    explicit PatternReplace(const Invocation& invocation) {
        const bool regex = invocation.has("--regex");
        const std::string& find = invocation.argument(0);
        std::string with = invocation.argument(1);
        if (!regex) with = ReplaceEvery(with, "\\", "\\\\");
        // As plain replace does, an empty text to find changes nothing.
        if (!regex && find.empty()) return;
        try {
            pattern_ = std::make_unique<Pattern>(
                std::vector<std::string>{regex ? find : QuotedPattern(find)},
                PatternOptions{.ignoreCase = invocation.has("--ignore-case")});
            replacement_ = std::make_unique<RegexReplacement>(
                *pattern_, with, RegexReplaceOptions{.firstOnly = invocation.has("--first")});
        } catch (const PatternError& error) {
            throw UsageError(error.what());
        }
    }

    void line(std::string_view line, LineSink& out) override {
        // Most lines hold no match and go out as they came in.
        if (!pattern_ || !pattern_->matches(line)) return out.keep(line);
        replacement_->append(out.compose(), line);
        out.commit();
    }
    // The lines before the first that may match go out unseen, as in match.
    bool takesWholeLines() const override { return pattern_ != nullptr; }
    std::size_t wholeLines(std::string_view text, bool continues, LineSink& out) override {
        // Where most lines match, a search passes over next to nothing and only adds its own
        // cost: after such a search, lines go one by one for a while, twice as long each time
        // it happens again and half as long after a search that paid.
        if (oneByOne_ > 0) {
            --oneByOne_;
            return 0;
        }
        bool sure = false;
        const std::size_t at = pattern_->findCandidate(text, sure, continues);
        const std::size_t taken =
            at == std::string_view::npos
                ? text.size()
                : static_cast<std::size_t>(FindLineStart(text.data(), text.data() + at) -
                                           text.data());
        if (taken < kFewBytes) {
            oneByOne_ = backOff_;
            backOff_ = std::min(backOff_ * 2, kMostOneByOne);
        } else {
            backOff_ = std::max(backOff_ / 2, kOneByOne);
        }
        out.keepLines(text.substr(0, taken));
        return taken;
    }

private:
    static constexpr std::size_t kFewBytes = 256;  // some lines' worth
    static constexpr int kOneByOne = 64, kMostOneByOne = 64 * 1024;

    std::unique_ptr<Pattern> pattern_;
    std::unique_ptr<RegexReplacement> replacement_;
    int oneByOne_ = 0;  // lines still to go one by one before the next search
    int backOff_ = kOneByOne;
};

}  // namespace

void AddBatchEntries(std::vector<CommandEntry>& entries) {
    entries.push_back({
        .name = "add",
        .summary = "insert TEXT into every line at an index (default 1) or next to a text",
        .options = {Number("--at", "N", kPositive, "before character N (default 1)", "1"), kNextTo,
                    kBackwards},
        .groups = {{{"--at", "--next-to"}}},
        .arguments = {{"TEXT"}},
        .make =
            [](const Invocation& invocation, ListOpener&) {
                return EachLine([text = invocation.argument(0), place = Place(invocation)](
                                    std::string_view line, LineSink& out) {
                    const std::size_t at =
                        text.empty() ? std::string::npos : AddTextOffset(line, place());
                    if (at == std::string::npos) return out.keep(line);
                    out.compose().append(line.substr(0, at)).append(text).append(line.substr(at));
                    out.commit();
                });
            },
    });
    entries.push_back({
        .name = "remove",
        .summary =
            "remove N characters (default 1) of every line from a position or next to a text",
        .options = {Number("--count", "N", kPositive, "how many characters (default 1)", "1"),
                    Number("--at", "K", kPositive, "from character K (default 1)", "1"), kNextTo,
                    kBackwards},
        .groups = {{{"--at", "--next-to"}}},
        .make =
            [](const Invocation& invocation, ListOpener&) {
                return EachLine([count = invocation.number("--count"), place = Place(invocation)](
                                    std::string_view line, LineSink& out) {
                    const ByteRange removed = RemovedChars(line, count, place());
                    if (removed.length == 0) return out.keep(line);
                    out.compose()
                        .append(line.substr(0, removed.offset))
                        .append(line.substr(removed.offset + removed.length));
                    out.commit();
                });
            },
    });
    entries.push_back({
        .name = "replace",
        .summary = "replace every FIND by WITH (default empty) in every line, case-sensitive "
                   "unless -I",
        .options = {{.name = "--regex",
                     .help = "FIND is a pattern; \\0 to \\9 in WITH are the match and its groups"},
                    {.name = "--ignore-case",
                     .shortName = 'I',
                     .help = "fold case for all of Unicode"},
                    {.name = "--first", .help = "only the first match of each line"}},
        .arguments = {{"FIND"}, {"WITH", ArgumentKind::Text, true}},
        .make = [](const Invocation& invocation, ListOpener&) -> std::unique_ptr<LineStep> {
            if (invocation.has("--regex") || invocation.has("--ignore-case") ||
                invocation.has("--first")) {
                return std::make_unique<PatternReplace>(invocation);
            }
            return EachLine([find = invocation.argument(0), with = invocation.argument(1)](
                                std::string_view line, LineSink& out) {
                // Most lines hold no occurrence and go out as they came in.
                if (FindWhole(line, find) == std::string_view::npos) return out.keep(line);
                AppendReplacedText(out.compose(), line, find, with);
                out.commit();
            });
        },
    });
    entries.push_back({
        .name = "filter",
        .summary =
            "keep the lines holding the include words, then drop those holding the exclude words",
        .options = {Text("--include", "WORDS", "keep the lines holding all of these words"),
                    {.name = "--any", .help = "keep those holding any one of the include words"},
                    Text("--exclude", "WORDS", "drop the lines holding any of these words"),
                    {.name = "--exclude-all", .help = "drop only those holding all of them"},
                    {.name = "--match-case", .help = "A to Z match only in the same case"}},
        .make = [](const Invocation& invocation, ListOpener&) -> std::unique_ptr<LineStep> {
            return std::make_unique<FilterStep>(invocation);
        },
    });
    entries.push_back({
        .name = "remove-empty",
        .summary = "remove the empty lines (--ignore-space: also those of blanks only)",
        .options = {{.name = "--ignore-space", .help = "a line of blanks only is empty too"}},
        .make =
            [](const Invocation& invocation, ListOpener&) {
                return EachLine(
                    [empty = invocation.has("--ignore-space")
                                 ? EmptyLines::BlanksOnly
                                 : EmptyLines::NoCharacter](std::string_view line, LineSink& out) {
                        if (!IsEmptyLine(line, empty)) out.keep(line);
                    });
            },
    });
    entries.push_back({
        .name = "trim",
        .summary = "strip blanks from the ends of every line (both ends unless one is named)",
        .options = {{.name = "--left", .help = "the start of each line"},
                    {.name = "--right", .help = "the end of each line"}},
        .make =
            [](const Invocation& invocation, ListOpener&) {
                const bool left = invocation.has("--left"), right = invocation.has("--right");
                // Naming neither end trims both.
                return EachLine([ends = EndsOf(left || !right, right || !left)](
                                    std::string_view line, LineSink& out) {
                    const std::string_view kept = TrimmedLine(line, ends);
                    if (kept.size() == line.size()) return out.keep(line);
                    out.put(kept);
                });
            },
    });
    entries.push_back({
        .name = "remove-length",
        .summary = "remove the lines of a given length in characters",
        .options = {Number("--equal", "N", kLength, "of exactly N characters"),
                    Number("--less", "N", kPositive, "of fewer than N characters"),
                    Number("--more", "N", kLength, "of more than N characters"),
                    {.name = "--range",
                     .kind = ValueKind::NumberPair,
                     .valueName = "LOW HIGH",
                     .range = kLength,
                     .help = "of LOW to HIGH characters, both included, in either order"}},
        .groups = {{{"--equal", "--less", "--more", "--range"}, true}},
        .make =
            [](const Invocation& invocation, ListOpener&) {
                LengthCondition condition{LengthOption::Range, 0};
                if (invocation.has("--equal")) {
                    condition = {LengthOption::Equal, invocation.number("--equal")};
                } else if (invocation.has("--less")) {
                    condition = {LengthOption::Less, invocation.number("--less")};
                } else if (invocation.has("--more")) {
                    condition = {LengthOption::More, invocation.number("--more")};
                } else {
                    condition = {LengthOption::Range, invocation.number("--range", 0),
                                 invocation.number("--range", 1)};
                }
                return EachLine([condition](std::string_view line, LineSink& out) {
                    if (!HasRemovedLength(line, condition)) out.keep(line);
                });
            },
    });
}

}  // namespace pendara
