#include "commands/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <set>

#include "commands/apply.h"
#include "compare/compare_lists.h"
#include "merge/merge_lists.h"
#include "text/cancel_point.h"

namespace pendara {
namespace {

TEST(Catalogue, EveryEntryIsWholeAndItsDefaultsAreValid) {
    std::set<std::string> names;
    for (const CommandEntry& entry : Catalogue()) {
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(names.insert(entry.name).second);
        EXPECT_FALSE(entry.summary.empty());
        EXPECT_NE(entry.make, nullptr);
        EXPECT_TRUE(entry.usage().starts_with(entry.name));
        for (const OptionSpec& option : entry.options) {
            EXPECT_TRUE(option.name.starts_with("--")) << option.name;
            EXPECT_FALSE(option.help.empty()) << option.name;
            if (!option.byDefault.empty()) {
                EXPECT_EQ(option.badValue(option.byDefault), "");
            }
            if (option.kind == ValueKind::Number || option.kind == ValueKind::NumberPair) {
                EXPECT_LE(option.range.minimum, option.range.maximum) << option.name;
                EXPECT_FALSE(option.valueName.empty()) << option.name;
            }
            if (option.kind == ValueKind::Choice) {
                EXPECT_FALSE(option.choices.empty());
            }
        }
        for (const OptionGroup& group : entry.groups) {
            for (const std::string& name : group.names) {
                EXPECT_NE(entry.option(name), nullptr) << name;
            }
        }
    }
}

// Lists named by invocations, held in memory.
class MemoryLists : public ListOpener {
public:
    explicit MemoryLists(std::map<std::string, std::vector<std::string>> lists)
        : lists_(std::move(lists)) {}

    std::unique_ptr<LineSource> open(const std::string& name) override {
        class Source : public LineSource {
        public:
            explicit Source(const std::vector<std::string>& lines) : lines_(lines) {}
            bool next(std::string_view& line) override {
                if (at_ == lines_.size()) return false;
                line = lines_[at_++];
                return true;
            }

        private:
            const std::vector<std::string>& lines_;
            std::size_t at_ = 0;
        };
        return std::make_unique<Source>(lists_.at(name));
    }
    std::string readText(const std::string& name) override {
        return JoinLines(lists_.at(name), "\n");
    }

private:
    std::map<std::string, std::vector<std::string>> lists_;
};

const std::vector<std::string> kLines = {"b",
                                         "A",
                                         "a",
                                         "",
                                         "  x y ",
                                         "item10",
                                         "item2",
                                         "B",
                                         "gr\xC3\xBCn",
                                         "GR\xC3\x9CN",
                                         "a=b=c",
                                         "abc",
                                         "item2",
                                         " ",
                                         "\xE2\x9C\x93 done"};
const std::vector<std::string> kRight = {"A", "z", "item2", "", "Z", "extra"};

// Invocations of every command, most of them with options.
const char* const kInvocations[] = {"sort",
                                    "sort --reverse",
                                    "sort --natural",
                                    "sort --length --reverse",
                                    "scramble --seed 7",
                                    "scramble --seed -2147483648",
                                    "count",
                                    "dedupe",
                                    "dedupe --keep last --match-case",
                                    "repeated",
                                    "repeated --all --match-case",
                                    "singles",
                                    "singles --match-case",
                                    "tally",
                                    "tally --match-case",
                                    "reverse",
                                    "number",
                                    "number --start -3 --width 4 --separator ': '",
                                    "number --start 5000000000 --width 12 --separator ''",
                                    "add '#' --at 3",
                                    "add x --next-to a --backwards",
                                    "remove --count 2 --at 2 --backwards",
                                    "remove --next-to = --count 3",
                                    "replace a XY",
                                    "replace ab",
                                    "filter --include 'a b' --any --exclude c",
                                    "filter --include A --match-case",
                                    "filter --exclude-all --exclude 'a b'",
                                    "remove-empty",
                                    "remove-empty --ignore-space",
                                    "trim",
                                    "trim --left",
                                    "trim --right",
                                    "remove-length --equal 0",
                                    "remove-length --less 2",
                                    "remove-length --more 3",
                                    "remove-length --range 3 1",
                                    "merge right",
                                    "merge --top-bottom --before B --separator S --after A right",
                                    "compare --result first-only right",
                                    "compare --result second-only right",
                                    "compare --result same right",
                                    "compare --result different right",
                                    "match --invert --ignore-case a",
                                    "match --word --line --regexp a --regexp 'x y'",
                                    "replace --regex '(a)' '\\1\\1' --first",
                                    "replace --ignore-case A x",
                                    "extract --all --group 1 '(.)[0-9]'",
                                    "join",
                                    "join --separator + --every 2",
                                    "split --separator ' ' --trim --drop-empty",
                                    "fields 2,-1 --separator ' ' --output-separator ,",
                                    "fields 1 --blanks",
                                    "case upper",
                                    "case title"};

TEST(CatalogueSteps, InPlaceRulesGiveWhatTheStepsGive) {
    std::set<std::string> tried;
    MemoryLists lists({{"right", kRight}});
    for (const char* text : kInvocations) {
        const Invocation invocation = ReadInvocation(text);
        if (invocation.entry().inPlace == nullptr) continue;
        tried.insert(invocation.command());
        LineList inPlace(kLines);
        ApplyInvocation(invocation, inPlace, lists);
        EXPECT_EQ(inPlace.lines(), RunStep(invocation, kLines, lists)) << text;
    }
    for (const CommandEntry& entry : Catalogue()) {
        if (entry.inPlace != nullptr) {
            EXPECT_TRUE(tried.count(entry.name)) << entry.name;
        }
    }
}

// A dropped job stops at the rules' cancel points instead of running on; an open scope whose
// flag stays down changes nothing. Reverse and count take no time worth stopping.
TEST(CatalogueSteps, EveryLongRuleStopsOnceItsJobIsDropped) {
    MemoryLists lists({{"right", kRight}});
    std::atomic<bool> dropped{false};
    for (const char* text : kInvocations) {
        SCOPED_TRACE(text);
        const Invocation invocation = ReadInvocation(text);
        LineList plain(kLines);
        ApplyInvocation(invocation, plain, lists);
        dropped = false;
        const CancelScope scope(&dropped);
        LineList kept(kLines);
        ApplyInvocation(invocation, kept, lists);
        EXPECT_EQ(kept, plain);
        if (invocation.command() == "reverse" || invocation.command() == "count") continue;
        dropped = true;
        LineList stopped(kLines);
        EXPECT_THROW(ApplyInvocation(invocation, stopped, lists), Cancelled);
        EXPECT_THROW(RunStep(invocation, kLines, lists), Cancelled);
    }
}

TEST(CatalogueSteps, AWholeTextGivesWhatItsLinesGiveOneByOne) {
    std::set<std::string> tried;
    MemoryLists lists({{"right", kRight}});
    for (const char* text : kInvocations) {
        const Invocation invocation = ReadInvocation(text);
        tried.insert(invocation.command());
        LinesSink whole;
        invocation.entry().make(invocation, lists)->wholeText(JoinLines(kLines, "\r\n"), whole);
        whole.flush();
        EXPECT_EQ(whole.lines, RunStep(invocation, kLines, lists)) << text;
    }
    EXPECT_EQ(tried.size(), Catalogue().size());
}

TEST(CatalogueSteps, MergeAndCompareTakeTheListSoFarAsTheFirstList) {
    MemoryLists lists({{"right", kRight}});
    const LineList left(kLines), right(kRight);
    const auto run = [&](const char* text) { return RunStep(ReadInvocation(text), kLines, lists); };
    EXPECT_EQ(run("merge --before '[' --separator '|' --after ']' right"),
              MergeLists(MergeMode::LeftRight, left, right, "[", "|", "]").lines());
    EXPECT_EQ(run("merge --top-bottom --separator -- right"),
              MergeLists(MergeMode::TopBottom, left, right, "", "--", "").lines());
    const Comparison comparison = CompareLists(left, right);
    EXPECT_EQ(run("compare --result first-only right"), comparison.firstOnly.lines());
    EXPECT_EQ(run("compare --result second-only right"), comparison.secondOnly.lines());
    EXPECT_EQ(run("compare --result same right"), comparison.same.lines());
    EXPECT_EQ(run("compare --result different right"), comparison.different.lines());
}

TEST(CatalogueSteps, NumbersFromAStartBeyondThirtyTwoBits) {
    // The Number Lines box takes up to 18 digits; the command must take what the box gives.
    LineList list(std::vector<std::string>{"a", "b"});
    ApplyInvocation(ReadInvocation("number --start -999999999999999999 --separator ' '"), list);
    EXPECT_EQ(list.lines(),
              (std::vector<std::string>{"-999999999999999999 a", "-999999999999999998 b"}));
    EXPECT_THROW(ReadInvocation("number --start 1000000000000000000"), UsageError);
}

}  // namespace
}  // namespace pendara
