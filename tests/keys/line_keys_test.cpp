#include "keys/line_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keys/key_list_rules.h"
#include "list/line_order.h"

namespace pendara {
namespace {

const LineCollator& Root() {
    static const LineCollator collator("");
    return collator;
}

KeyOptions Keys(std::vector<const char*> keyForms, std::string separator = "") {
    KeyOptions options;
    for (const char* keyForm : keyForms) options.keys.push_back(ParseKeySpec(keyForm));
    options.separator = std::move(separator);
    return options;
}

std::vector<std::string> Sorted(const std::vector<std::string>& lines, const KeyOptions& options,
                                bool unique = false) {
    std::vector<std::string> out;
    for (const std::uint32_t i : SortedPositionsByKeys(lines, options, Root(), unique)) {
        out.push_back(lines[i]);
    }
    return out;
}

using Lines = std::vector<std::string>;

TEST(SortByKeys, KeysCompareInTurnThenInputOrder) {
    KeyOptions globalReverse = Keys({"2", "1:n"}, ";");
    globalReverse.global.reverse = true;  // only the key without flags of its own
    KeyOptions numeric;
    numeric.global.numeric = true;
    const struct {
        const char* name;
        KeyOptions options;
        Lines lines, expected;
    } cases[] = {
        {"field as number",
         Keys({"3:n"}, ";"),
         {"a;x;10", "b;y;9.5", "c;z;", "d;w;-2", "e;v;9.50"},
         {"c;z;", "d;w;-2", "b;y;9.5", "e;v;9.50", "a;x;10"}},
        {"reverse of the second key only",
         Keys({"1", "2:nr"}, ","),
         {"b,1", "a,1", "b,3", "a,2", "B,2"},
         {"a,2", "a,1", "b,3", "B,2", "b,1"}},
        {"reverse of the first key only",
         Keys({"1:r", "2:n"}, ","),
         {"a,2", "b,1", "a,1", "c,5", "b,0"},
         {"c,5", "b,0", "b,1", "a,1", "a,2"}},
        {"equal keys keep input order, also reversed",
         Keys({"1:r"}),
         {"x 3", "y 1", "X 2", "y 0"},
         {"y 1", "y 0", "x 3", "X 2"}},
        {"global reverse skips keys with flags",
         globalReverse,
         {"2;a", "1;b", "3;a"},
         {"1;b", "2;a", "3;a"}},
        {"field from the end, missing fields first",
         Keys({"-2"}),
         {"q c z", "b", "r a z", "  s b z  "},
         {"b", "r a z", "  s b z  ", "q c z"}},
        {"characters past the end are empty",
         Keys({"c3-"}),
         {"xxb", "y", "zza", "w"},
         {"y", "w", "zza", "xxb"}},
        {"match case orders by bytes", Keys({"1:c"}), {"b", "B", "a", "A"}, {"A", "B", "a", "b"}},
        {"by length then as text", Keys({"1:l"}), {"ccc", "b", "aa", "A"}, {"A", "b", "aa", "ccc"}},
        {"natural keeps negative numbers as text",
         Keys({"1:v"}),
         {"x10", "-2", "x9", "-10", "file-10", "file-2"},
         {"-10", "-2", "file-2", "file-10", "x9", "x10"}},
        {"whole line as a number",
         numeric,
         {"10 apples", "9 pears", "none", "-1", "1e5"},
         {"none", "-1", "1e5", "9 pears", "10 apples"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Sorted(c.lines, c.options), c.expected);
    }
}

TEST(SortByKeys, UniqueKeepsTheFirstLineOfEachKeyInSortedOrder) {
    EXPECT_EQ(Sorted({"b 2", "a 1", "B 3", "a 4"}, Keys({"1"}), true), (Lines{"a 1", "b 2"}));
    KeyOptions numeric;
    numeric.global.numeric = true;
    EXPECT_EQ(Sorted({"1.0", "2", "1", "0.10e3", ".1"}, numeric, true),
              (Lines{"0.10e3", "1.0", "2"}));
}

TEST(SortByKeys, QuickAndFullKeysNeverMeet) {
    // One line's key needs the collator's full key: every line's same key then takes it, while
    // the other key may stay quick.
    const Lines lines = {"1;x;b", "2;\xC3\xA9;a", "3;e;c", "4;f;a", "5;E;\xC3\xA0"};
    EXPECT_EQ(Sorted(lines, Keys({"2", "3"}, ";")),
              (Lines{"5;E;\xC3\xA0", "3;e;c", "2;\xC3\xA9;a", "4;f;a", "1;x;b"}));
    EXPECT_EQ(Sorted(lines, Keys({"3", "1:r"}, ";")),
              (Lines{"4;f;a", "2;\xC3\xA9;a", "5;E;\xC3\xA0", "1;x;b", "3;e;c"}));
}

TEST(SortByKeys, WholeLineKeyOrdersLikeThePlainSort) {
    Lines lines;
    for (int i = 0; i < 300; ++i) {
        std::string line = std::to_string(i * 7919 % 1000);
        if (i % 3 == 0) line = "Item " + line;
        if (i % 5 == 0) line += " \xC3\xA9t\xC3\xA9";
        if (i % 7 == 0) line = "item" + line;
        lines.push_back(line);
    }
    const TextLines text([&] {
        std::string all;
        for (const std::string& line : lines) all += line + "\n";
        return all;
    }());
    for (const bool natural : {false, true}) {
        SCOPED_TRACE(natural ? "natural" : "plain");
        KeyOptions options;
        options.global.natural = natural;
        EXPECT_EQ(SortedPositionsByKeys(text, options, Root()),
                  SortedPositions(text, {false, natural, false}, Root()));
    }
}

TEST(GroupByKeys, TrimAndSqueezeJoinLinesThatDifferInBlanks) {
    const Lines lines = {"b ", "a  x", "b", " a x", "B\t", "a x y"};
    KeyOptions options;
    options.trim = true;
    options.squeeze = true;
    const LineGroups groups = GroupLinesByKeys(lines, options, Root());
    EXPECT_EQ(DedupedPositions(groups, KeepCopy::First), (std::vector<std::uint32_t>{0, 1, 5}));
    EXPECT_EQ(DedupedPositions(groups, KeepCopy::Last), (std::vector<std::uint32_t>{3, 4, 5}));
    options.squeeze = false;  // "a  x" and " a x" now differ inside
    EXPECT_EQ(GroupLinesByKeys(lines, options, Root()).groupCount(), 4u);
    options.global.matchCase = true;  // "B" apart from "b"
    EXPECT_EQ(GroupLinesByKeys(lines, options, Root()).groupCount(), 5u);
}

TEST(GroupByKeys, NumbersAndFieldsGroupByValue) {
    const Lines lines = {"x,0.1", "y,0.10", "z,-0", "w,0", "v,", "u,abc", "t,1e5", "s,1"};
    KeyOptions options = Keys({"2:n"}, ",");
    const LineGroups groups = GroupLinesByKeys(lines, options, Root());
    EXPECT_EQ(RepeatedPositions(groups, true),
              (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(groups.groupCount(), 4u);
    options = Keys({"1"}, ",");
    EXPECT_EQ(GroupLinesByKeys(Lines{"a,1", "A,2", "b,1"}, options, Root()).groupCount(), 2u);
}

TEST(CompareByKeys, ListsCompareByTheirKeysInOneForm) {
    // The second list alone would have quick keys; the first one's accent rules them out.
    const Lines first = {"1;caf\xC3\xA9 ", "2;tea", "3;milk"};
    const Lines second = {"9;  TEA", "8;water", "7;water"};
    KeyOptions options = Keys({"2"}, ";");
    options.trim = true;
    const ComparedPositions result = CompareByKeys(first, second, options, Root());
    EXPECT_EQ(result.same, (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(result.firstOnly, (std::vector<std::uint32_t>{0, 2}));
    EXPECT_EQ(result.secondOnly, (std::vector<std::uint32_t>{1}));
}

TEST(ListRulesByKeys, GiveTheLinesAsTheyWere) {
    KeyOptions trimmed;
    trimmed.trim = true;
    LineList list(Lines{" b", "a ", "B", "a", "c"});
    DedupeLinesByKeys(list, trimmed, KeepCopy::First, Root());
    EXPECT_EQ(list.lines(), (Lines{" b", "a ", "c"}));
    SortLinesByKeys(list, trimmed, false, Root());
    EXPECT_EQ(list.lines(), (Lines{"a ", " b", "c"}));

    LineList tally(Lines{"x;1", "y;2", "X;3", "z;1"});
    TallyLinesByKeys(tally, Keys({"1"}, ";"), Root());
    EXPECT_EQ(tally.lines(), (Lines{"2\tx;1", "1\ty;2", "1\tz;1"}));

    const Comparison c = CompareListsByKeys(
        LineList(Lines{"a;1", "b;2"}), LineList(Lines{"q;2", "r;3"}), Keys({"2:n"}, ";"), Root());
    EXPECT_EQ(c.same.lines(), (Lines{"b;2"}));
    EXPECT_EQ(c.different.lines(), (Lines{"a;1", "r;3"}));
}

}  // namespace
}  // namespace pendara
