// The commands over a whole list: order, groups of equal lines, numbering, counting.
#include <algorithm>
#include <array>
#include <initializer_list>
#include <numeric>

#include "catalogue/key_options.h"
#include "commands/invocation.h"
#include "keys/key_list_rules.h"
#include "keys/line_keys.h"
#include "list/line_groups.h"
#include "list/line_list.h"
#include "list/line_order.h"
#include "list/number_lines.h"
#include "list/scramble.h"
#include "list/text_lines.h"

namespace pendara {

namespace {

// A whole-list step from `done(lines, out)`, the lines as one text and where each starts.
template <typename Done>
class WholeListLambda final : public WholeListStep {
public:
    explicit WholeListLambda(Done done) : done_(std::move(done)) {}

protected:
    void done(std::string text, LineSink& out) override { done_(TextLines(std::move(text)), out); }

private:
    Done done_;
};

template <typename Done>
std::unique_ptr<LineStep> WholeList(Done done) {
    return std::make_unique<WholeListLambda<Done>>(std::move(done));
}

constexpr ValueRange kAnyNumber{INT32_MIN, INT32_MAX};
// As the Number Lines box: up to 18 digits, so that counting on never overflows.
constexpr ValueRange kAnyStart{-999999999999999999, 999999999999999999};

// The options of a command that compares lines: its own, then those of the keys.
std::vector<OptionSpec> WithKeys(std::vector<OptionSpec> own) {
    for (OptionSpec& option : KeyOptionSpecs()) own.push_back(std::move(option));
    return own;
}

std::uint64_t SeedOf(const Invocation& invocation) {
    return invocation.has("--seed") ? static_cast<std::uint64_t>(invocation.number("--seed"))
                                    : ClockSeed();
}

// The group commands' step: the lines as views into the text, grouped, and handed to
// `done(lines, groups, out)`. A million separate strings would cost more than the grouping.
template <typename Done>
class GroupedStep final : public WholeListStep {
public:
    GroupedStep(KeyOptions keys, Done done) : keys_(std::move(keys)), done_(std::move(done)) {}

protected:
    void done(std::string text, LineSink& out) override {
        std::vector<std::string_view> lines;
        LineCursor cursor(text);
        for (std::string_view line; cursor.next(line);) lines.push_back(line);
        const LineGroups groups = GroupLines(lines, keys_, LineCollator::forUserLocale());
        done_(lines, groups, out);
    }

private:
    KeyOptions keys_;
    Done done_;
};

template <typename Done>
std::unique_ptr<LineStep> Grouped(const Invocation& invocation, Done done) {
    return std::make_unique<GroupedStep<Done>>(KeyOptionsOf(invocation), std::move(done));
}

// The step that keeps the lines at the positions `pick(groups)` gives.
template <typename Pick>
std::unique_ptr<LineStep> KeepGrouped(const Invocation& invocation, Pick pick) {
    return Grouped(invocation, [pick](const std::vector<std::string_view>& lines,
                                      const LineGroups& groups, LineSink& out) {
        for (const std::uint32_t i : pick(groups)) out.put(lines[i]);
    });
}

KeepCopy KeepOf(const Invocation& invocation) {
    return invocation.text("--keep") == "last" ? KeepCopy::Last : KeepCopy::First;
}

NumberOptions NumberingOf(const Invocation& invocation) {
    return {invocation.number("--start"), static_cast<int>(invocation.number("--width")),
            invocation.text("--separator")};
}

class CountStep final : public LineStep {
public:
    void line(std::string_view, LineSink&) override { ++count_; }
    void finish(LineSink& out) override { out.put(std::to_string(count_)); }

private:
    unsigned long long count_ = 0;
};

// For lines that all have quick keys: whether lines with equal natural sort keys are equal
// lines, as dedupe has them. They are when digits and '-' each weigh alone and the characters of
// one weight are all word characters or none, so that the natural form reads equal lines alike.
bool NaturalKeysGroupLikeLines(const LineCollator& collator) {
    const std::array<unsigned char, 128>& rank = collator.quickRanks();
    const auto word = [](int c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    };
    for (int c = '0'; c <= '9'; ++c) {
        if (rank[c] == 0) return false;
    }
    std::array<int, 256> wordOfRank{};  // 0 unseen, 1 word, 2 not
    for (int c = 1; c < 128; ++c) {
        if (rank[c] == 0) continue;
        for (int other = 1; other < 128; ++other) {
            const bool alone = (c >= '0' && c <= '9') || c == '-';
            if (other != c && alone && rank[other] == rank[c]) return false;
        }
        const int kind = word(c) ? 1 : 2;
        if (wordOfRank[rank[c]] != 0 && wordOfRank[rank[c]] != kind) return false;
        wordOfRank[rank[c]] = kind;
    }
    return true;
}

// dedupe then sort as one step. Where the sort's equal keys are exactly dedupe's equal lines,
// the first line of each run of equal keys in sorted order is the first copy of its group, so
// one sort that drops repeated keys gives the same lines with no grouping at all. While every
// line has a quick key, each line's sort key is made as it arrives, beside the steps before
// that are still at work, and the sort only orders them.
class DedupeThenSort final : public LineStep {
public:
    explicit DedupeThenSort(KeyOptions keys)
        : keys_(std::move(keys)),
          collator_(LineCollator::forUserLocale()),
          keyed_(!keys_.global.natural || NaturalKeysGroupLikeLines(collator_)) {}

    void line(std::string_view line, LineSink&) override {
        starts_.push_back(text_.size());
        text_.append(line).push_back('\n');
        if (!keyed_) return;
        if (!collator_.hasQuickKey(line)) {
            // The keys come in one form: the sort makes them all again below.
            keyed_ = false;
            std::string().swap(sortKeys_);
            std::vector<std::size_t>().swap(keyEnds_);
            return;
        }
        // As the sort makes them: the natural form's key, then its leading zeros.
        if (keys_.global.natural) {
            NaturalForm(line, natural_, zeros_);
            collator_.appendSortKey(natural_, sortKeys_, KeyForm::Quick);
            sortKeys_ += zeros_;
        } else {
            collator_.appendSortKey(line, sortKeys_, KeyForm::Quick);
        }
        keyEnds_.push_back(sortKeys_.size());
    }

    void finish(LineSink& out) override {
        if (keyed_) {
            const std::vector<std::uint32_t> order = SortedPositionsByKey(
                starts_.size(), sortKeys_.size(),
                [&](std::size_t i, const LineCollator&, std::string& key) {
                    const std::size_t start = i == 0 ? 0 : keyEnds_[i - 1];
                    key.append(sortKeys_, start, keyEnds_[i] - start);
                },
                collator_, true);
            std::string().swap(sortKeys_);
            // The lines are read out of order: each is asked for some lines ahead, and where it
            // starts further ahead still.
            constexpr std::size_t kAhead = 16;
            const auto lineAt = [&](std::size_t i) {
                const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] : text_.size();
                return std::string_view(text_).substr(starts_[i], end - 1 - starts_[i]);
            };
            for (std::size_t k = 0; k < order.size(); ++k) {
                if (k + 2 * kAhead < order.size())
                    __builtin_prefetch(&starts_[order[k + 2 * kAhead]]);
                if (k + kAhead < order.size())
                    __builtin_prefetch(text_.data() + starts_[order[k + kAhead]]);
                out.put(lineAt(order[k]));
            }
            return;
        }
        std::vector<std::size_t>().swap(starts_);
        TextLines lines(std::move(text_));
        if (!keys_.global.natural || (KeyFormOf(lines, collator_) == KeyForm::Quick &&
                                      NaturalKeysGroupLikeLines(collator_))) {
            return put(lines, SortOrder(lines, keys_, true, collator_), out);
        }
        std::vector<std::string_view> views;
        views.reserve(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) views.push_back(lines[i]);
        const LineGroups groups = GroupLines(views, KeyOptions{}, collator_);
        std::string kept;
        for (const std::uint32_t i : DedupedPositions(groups, KeepCopy::First)) {
            kept.append(views[i]).push_back('\n');
        }
        views = {};
        lines = TextLines(std::move(kept));
        put(lines, SortOrder(lines, keys_, false, collator_), out);
    }

private:
    static void put(const TextLines& lines, const std::vector<std::uint32_t>& order,
                    LineSink& out) {
        constexpr std::size_t kAhead = 16;
        for (std::size_t k = 0; k < order.size(); ++k) {
            if (k + 2 * kAhead < order.size()) lines.prefetchStart(order[k + 2 * kAhead]);
            if (k + kAhead < order.size()) lines.prefetch(order[k + kAhead]);
            out.put(lines[order[k]]);
        }
    }

    KeyOptions keys_;
    const LineCollator& collator_;
    bool keyed_;  // whether sortKeys_ holds every line's key so far
    std::string text_;
    std::vector<std::size_t> starts_;
    std::string sortKeys_;
    std::vector<std::size_t> keyEnds_;
    std::string natural_, zeros_;
};

}  // namespace

std::unique_ptr<LineStep> MakeJoinedStep(const Invocation& first, const Invocation& second) {
    const auto only = [](const Invocation& invocation, std::initializer_list<const char*> names) {
        for (const auto& [name, values] : invocation.options()) {
            if (std::find(names.begin(), names.end(), name) == names.end()) return false;
        }
        return true;
    };
    if (first.command() == "dedupe" && only(first, {"--keep"}) && first.text("--keep") == "first" &&
        second.command() == "sort" && only(second, {"--natural"})) {
        return std::make_unique<DedupeThenSort>(KeyOptionsOf(second));
    }
    return nullptr;
}

void AddListEntries(std::vector<CommandEntry>& entries) {
    entries.push_back({
        .name = "sort",
        .summary = "sort the lines, ignoring case, by the user's locale",
        .options = WithKeys(
            {{.name = "--reverse", .shortName = 'r', .help = "from the last line to the first"},
             {.name = "--natural", .help = "runs of digits compare by their value"},
             {.name = "--length", .help = "by number of characters first"},
             {.name = "--unique",
              .shortName = 'u',
              .help = "only the first line of each group of equal keys"}}),
        .wholeList = true,
        .make =
            [](const Invocation& invocation, ListOpener&) {
                return WholeList(
                    [keys = KeyOptionsOf(invocation), unique = invocation.has("--unique")](
                        const TextLines& lines, LineSink& out) {
                        const std::vector<std::uint32_t> order =
                            SortOrder(lines, keys, unique, LineCollator::forUserLocale());
                        // The lines are read out of order: each is asked for some lines ahead.
                        constexpr std::size_t kAhead = 16;
                        for (std::size_t k = 0; k < order.size(); ++k) {
                            if (k + kAhead < order.size()) lines.prefetch(order[k + kAhead]);
                            out.put(lines[order[k]]);
                        }
                    });
            },
        .inPlace =
            [](const Invocation& invocation, LineList& list) {
                SortLinesByKeys(list, KeyOptionsOf(invocation), invocation.has("--unique"));
            },
    });
    entries.push_back({
        .name = "scramble",
        .summary = "put the lines in random order",
        .options = {{.name = "--seed",
                     .kind = ValueKind::Number,
                     .valueName = "N",
                     .range = kAnyNumber,
                     .help = "the same seed gives the same order (otherwise from the clock)"}},
        .wholeList = true,
        .make =
            [](const Invocation& invocation, ListOpener&) {
                return WholeList(
                    [seed = SeedOf(invocation)](const TextLines& lines, LineSink& out) {
                        std::vector<std::uint32_t> order(lines.size());
                        std::iota(order.begin(), order.end(), 0);
                        ScrambleItems(order, seed);
                        for (const std::uint32_t i : order) out.put(lines[i]);
                    });
            },
        .inPlace = [](const Invocation& invocation,
                      LineList& list) { ScrambleLines(list.lines(), SeedOf(invocation)); },
    });
    entries.push_back({
        .name = "count",
        .summary = "print the number of lines",
        .result = ResultKind::Number,
        // Counts as it reads, so a list of any length costs one block of memory.
        .make = [](const Invocation&, ListOpener&) -> std::unique_ptr<LineStep> {
            return std::make_unique<CountStep>();
        },
    });
    entries.push_back({
        .name = "dedupe",
        .summary = "keep one line of each group of equal lines",
        .options = WithKeys({{.name = "--keep",
                              .kind = ValueKind::Choice,
                              .choices = {"first", "last"},
                              .byDefault = "first",
                              .help = "which copy of each group stays where it stood"}}),
        .wholeList = true,
        .make =
            [](const Invocation& invocation, ListOpener&) {
                return KeepGrouped(invocation,
                                   [keep = KeepOf(invocation)](const LineGroups& groups) {
                                       return DedupedPositions(groups, keep);
                                   });
            },
        .inPlace =
            [](const Invocation& invocation, LineList& list) {
                DedupeLinesByKeys(list, KeyOptionsOf(invocation), KeepOf(invocation));
            },
    });
    entries.push_back({
        .name = "repeated",
        .summary = "keep only lines that occur more than once",
        .options = WithKeys({{.name = "--all", .help = "every copy, not one of each"}}),
        .wholeList = true,
        .make =
            [](const Invocation& invocation, ListOpener&) {
                return KeepGrouped(invocation,
                                   [all = invocation.has("--all")](const LineGroups& groups) {
                                       return RepeatedPositions(groups, all);
                                   });
            },
        .inPlace =
            [](const Invocation& invocation, LineList& list) {
                KeepRepeatedLinesByKeys(list, KeyOptionsOf(invocation), invocation.has("--all"));
            },
    });
    entries.push_back({
        .name = "singles",
        .summary = "keep only lines that occur exactly once",
        .options = WithKeys({}),
        .wholeList = true,
        .make = [](const Invocation& invocation,
                   ListOpener&) { return KeepGrouped(invocation, SinglePositions); },
        .inPlace = [](const Invocation& invocation,
                      LineList& list) { KeepSingleLinesByKeys(list, KeyOptionsOf(invocation)); },
    });
    entries.push_back({
        .name = "tally",
        .summary = "count each group of equal lines, most frequent first",
        .options = WithKeys({}),
        .wholeList = true,
        .make =
            [](const Invocation& invocation, ListOpener&) {
                return Grouped(invocation, [](const std::vector<std::string_view>& lines,
                                              const LineGroups& groups, LineSink& out) {
                    for (const TallyRow& row : TallyRows(groups)) {
                        out.compose()
                            .append(std::to_string(row.count))
                            .append(1, '\t')
                            .append(lines[row.line]);
                        out.commit();
                    }
                });
            },
        .inPlace = [](const Invocation& invocation,
                      LineList& list) { TallyLinesByKeys(list, KeyOptionsOf(invocation)); },
    });
    entries.push_back({
        .name = "reverse",
        .summary = "put the lines in reverse order",
        .wholeList = true,
        .make =
            [](const Invocation&, ListOpener&) {
                return WholeList([](const TextLines& lines, LineSink& out) {
                    for (std::size_t i = lines.size(); i > 0; --i) out.put(lines[i - 1]);
                });
            },
        .inPlace = [](const Invocation&, LineList& list) { ReverseLines(list); },
    });
    entries.push_back({
        .name = "number",
        .summary = "put each line's number in front of it",
        .options = {{.name = "--start",
                     .kind = ValueKind::Number,
                     .valueName = "N",
                     .range = kAnyStart,
                     .byDefault = "1",
                     .help = "the first line's number (default 1)"},
                    {.name = "--width",
                     .kind = ValueKind::Number,
                     .valueName = "W",
                     .range = {0, 100},
                     .byDefault = "0",
                     .help = "zero-padded to this many digits (default 0: no padding)"},
                    {.name = "--separator",
                     .kind = ValueKind::Text,
                     .valueName = "T",
                     .byDefault = ". ",
                     .help = "between the number and the line (default \". \")"}},
        .make =
            [](const Invocation& invocation, ListOpener&) {
                return EachLine(
                    [options = NumberingOf(invocation), number = invocation.number("--start")](
                        std::string_view line, LineSink& out) mutable {
                        std::string& numbered = out.compose();
                        AppendLineNumber(numbered, number++, options);
                        numbered.append(line);
                        out.commit();
                    });
            },
        .inPlace = [](const Invocation& invocation,
                      LineList& list) { NumberLines(list, NumberingOf(invocation)); },
    });
}

}  // namespace pendara
