#include "list/line_order.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "list/number_lines.h"

namespace pendara {
namespace {

using ::testing::ElementsAre;

const LineCollator& Root() {
    static const LineCollator collator("");
    return collator;
}

std::vector<std::string> Sorted(std::vector<std::string> lines, SortOptions options) {
    LineList list(std::move(lines));
    SortLinesBy(list, options, Root());
    return list.lines();
}

// Where `a` and `b` first differ, or their size when they agree: a long list's failure then
// names one line instead of printing them all.
std::size_t FirstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first -
                                    a.begin());
}

TEST(SortForms, EqualLinesKeepTheirOrderInEveryForm) {
    const std::vector<std::string> lines = {"bb", "Apple", "a", "apple", "B", "APPLE"};
    EXPECT_THAT(Sorted(lines, {}), ElementsAre("a", "Apple", "apple", "APPLE", "B", "bb"));
    EXPECT_THAT(Sorted(lines, {true, false, false}),
                ElementsAre("bb", "B", "Apple", "apple", "APPLE", "a"));
    EXPECT_THAT(Sorted(lines, {false, true, false}),
                ElementsAre("a", "Apple", "apple", "APPLE", "B", "bb"));
    EXPECT_THAT(Sorted(lines, {false, false, true}),
                ElementsAre("a", "B", "bb", "Apple", "apple", "APPLE"));
    EXPECT_THAT(Sorted(lines, {true, true, true}),
                ElementsAre("Apple", "apple", "APPLE", "bb", "B", "a"));

    // Long lists make their keys on two cores. Every "abc..." line is equal to every other one,
    // each spelled differently, so any reordering among them shows.
    std::vector<std::string> many, equalOnes, others;
    for (int i = 0; i < 240000; ++i) {
        std::string line = i % 2 ? "zz" : "abcdefghijklmnopqr";
        for (std::size_t c = 0; c < line.size(); ++c) {
            if ((i >> (c + 1)) & 1) line[c] = static_cast<char>(line[c] - 'a' + 'A');
        }
        (i % 2 ? others : equalOnes).push_back(line);
        many.push_back(std::move(line));
    }
    std::vector<std::string> ascending = equalOnes, descending = others;
    ascending.insert(ascending.end(), others.begin(), others.end());
    descending.insert(descending.end(), equalOnes.begin(), equalOnes.end());
    for (const SortOptions options : {SortOptions{}, SortOptions{false, true, false}}) {
        SCOPED_TRACE(options.natural ? "natural" : "plain");
        EXPECT_EQ(FirstDifference(Sorted(many, options), ascending), many.size());
        EXPECT_EQ(FirstDifference(Sorted(many, {true, options.natural, false}), descending),
                  many.size());
        EXPECT_EQ(FirstDifference(Sorted(many, {true, options.natural, true}), ascending),
                  many.size());
    }
}

TEST(SortForms, AsciiLinesOrderLikeTheirFullKeys) {
    // Sorted without keys, through the quick key table: past the first sixteen bytes too.
    std::vector<std::string> lines;
    const char* const tails[] = {"b", "B", "a-", "a_", "A", "", "a b", "a0", "~", "Z"};
    for (int i = 0; i < 400; ++i) {
        const std::string head = i % 2 ? "Same sixteen byt" : "same Sixteen byt";
        lines.push_back((i % 3 ? head : head.substr(0, 9)) + tails[i % 10] + tails[i * 7 % 10]);
    }
    std::vector<std::string> expected = lines;
    std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
        return Root().sortKey(a) < Root().sortKey(b);
    });
    EXPECT_EQ(FirstDifference(Sorted(lines, {}), expected), lines.size());
    std::vector<std::string> descending = expected;
    std::stable_sort(descending.begin(), descending.end(), [](const auto& a, const auto& b) {
        return Root().sortKey(a) > Root().sortKey(b);
    });
    EXPECT_EQ(FirstDifference(Sorted(lines, {true, false, false}), descending), lines.size());
}

TEST(SortForms, NaturalComparesDigitRunsByValue) {
    const std::string big21 = "x" + std::string(21, '9');
    const std::string big25 = "x1" + std::string(24, '0');
    const std::vector<std::string> expected = {"a1b01", "a01b1", "a1b2", "a1b10", "x",   "x0",
                                               "x00",   "X2",    "x9",   "x09",   "x9a", "x10",
                                               "x010",  big21,   big25,  "y2"};
    std::vector<std::string> lines = expected;
    std::reverse(lines.begin(), lines.end());
    std::swap(lines[3], lines[9]);
    EXPECT_EQ(Sorted(lines, {false, true, false}), expected);
    std::reverse(lines.begin(), lines.end());
    EXPECT_EQ(Sorted(lines, {true, true, false}),
              std::vector<std::string>(expected.rbegin(), expected.rend()));
    EXPECT_THAT(Sorted({"x10", "x9"}, {}), ElementsAre("x10", "x9"));
    // A negative number's digits stay text; a hyphen inside a word is no minus sign.
    EXPECT_THAT(Sorted({"t=-2", "-2", "a-2", "t=-10", "-10", "a-10"}, {false, true, false}),
                ElementsAre("-10", "-2", "a-2", "a-10", "t=-10", "t=-2"));
}

TEST(SortForms, LengthCountsCharactersNotBytes) {
    // Three two-byte letters, two stray bytes.
    EXPECT_THAT(
        Sorted({"\xC3\xA9\xC3\xA9\xC3\xA9", "abcd", "\xFF\xFE", "ab"}, {false, false, true}),
        ElementsAre("ab", "\xFF\xFE", "\xC3\xA9\xC3\xA9\xC3\xA9", "abcd"));
}

TEST(ListOrder, ReverseAndNumber) {
    LineList list(std::vector<std::string>{"a", "b", "c"});
    ReverseLines(list);
    EXPECT_THAT(list.lines(), ElementsAre("c", "b", "a"));
    NumberLines(list, {-1, 3, "\t"});
    EXPECT_THAT(list.lines(), ElementsAre("-001\tc", "000\tb", "001\ta"));

    LineList plain(std::vector<std::string>{"x", "", "z"});
    NumberLines(plain, {});
    EXPECT_THAT(plain.lines(), ElementsAre("1. x", "2. ", "3. z"));
    NumberLines(plain, {99, 2, "|"});
    EXPECT_THAT(plain.lines(), ElementsAre("99|1. x", "100|2. ", "101|3. z"));
}

}  // namespace
}  // namespace pendara
