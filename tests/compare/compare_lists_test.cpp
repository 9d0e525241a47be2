#include "compare/compare_lists.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "list/line_compare.h"

namespace pendara {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

LineList Lines(std::vector<std::string> lines) { return LineList(std::move(lines)); }

const LineCollator& Root() {
    static const LineCollator collator("");
    return collator;
}

Comparison Compare(std::vector<std::string> first, std::vector<std::string> second) {
    return CompareLists(Lines(std::move(first)), Lines(std::move(second)), Root());
}

TEST(CompareLists, OrdersRepeatsAndFirstOccurrences) {
    const Comparison c = Compare({"a", "b", "a", "c"}, {"b", "d", "d", "B"});
    EXPECT_THAT(c.firstOnly.lines(), ElementsAre("a", "a", "c"));
    EXPECT_THAT(c.secondOnly.lines(), ElementsAre("d"));
    EXPECT_THAT(c.same.lines(), ElementsAre("b"));
    EXPECT_THAT(c.different.lines(), ElementsAre("a", "a", "c", "d"));
}

TEST(CompareLists, SecondOnlyKeepsFirstOccurrenceAndItsCase) {
    const Comparison c = Compare({"x"}, {"Q", "p", "q", "P", "x", "r"});
    EXPECT_THAT(c.secondOnly.lines(), ElementsAre("Q", "p", "r"));
    EXPECT_THAT(c.different.lines(), ElementsAre("Q", "p", "r"));
    EXPECT_THAT(c.same.lines(), ElementsAre("x"));
}

TEST(CompareLists, SameKeepsFirstListCaseAndRepeats) {
    const Comparison c = Compare({"Apple", "APPLE", "pear", "apple"}, {"apple"});
    EXPECT_THAT(c.same.lines(), ElementsAre("Apple", "APPLE", "apple"));
    EXPECT_THAT(c.firstOnly.lines(), ElementsAre("pear"));
    EXPECT_THAT(c.secondOnly.lines(), IsEmpty());
}

TEST(CompareLists, SameListOnBothSides) {
    const std::vector<std::string> list = {"a", "b", "a", ""};
    const Comparison c = Compare(list, list);
    EXPECT_EQ(c.same.lines(), list);
    EXPECT_THAT(c.firstOnly.lines(), IsEmpty());
    EXPECT_THAT(c.secondOnly.lines(), IsEmpty());
    EXPECT_THAT(c.different.lines(), IsEmpty());
}

TEST(CompareLists, EmptySides) {
    const Comparison noFirst = Compare({}, {"x", "x", "y"});
    EXPECT_THAT(noFirst.firstOnly.lines(), IsEmpty());
    EXPECT_THAT(noFirst.same.lines(), IsEmpty());
    EXPECT_THAT(noFirst.secondOnly.lines(), ElementsAre("x", "y"));
    EXPECT_THAT(noFirst.different.lines(), ElementsAre("x", "y"));

    const Comparison noSecond = Compare({"x", "x"}, {});
    EXPECT_THAT(noSecond.firstOnly.lines(), ElementsAre("x", "x"));
    EXPECT_THAT(noSecond.different.lines(), ElementsAre("x", "x"));
    EXPECT_THAT(noSecond.secondOnly.lines(), IsEmpty());
    EXPECT_THAT(noSecond.same.lines(), IsEmpty());

    EXPECT_EQ(Compare({}, {}), Comparison{});
}

TEST(CompareLists, EmptyLineIsALineLikeAnyOther) {
    const Comparison c = Compare({"", "a"}, {"", "", "b"});
    EXPECT_THAT(c.same.lines(), ElementsAre(""));
    EXPECT_THAT(c.secondOnly.lines(), ElementsAre("b"));
}

TEST(CompareLists, BlanksAccentsAndStrayBytesMakeLinesDifferent) {
    const Comparison c = Compare({"a ", " a", "café", "x\xFF"}, {"a", "cafe", "x\xFE"});
    EXPECT_THAT(c.same.lines(), IsEmpty());
    EXPECT_THAT(c.firstOnly.lines(), ElementsAre("a ", " a", "café", "x\xFF"));
    EXPECT_THAT(c.secondOnly.lines(), ElementsAre("a", "cafe", "x\xFE"));
}

TEST(CompareLists, LocaleEqualityBeyondAscii) {
    // Case of accented and Greek letters, and a composed against a decomposed é.
    const Comparison c =
        Compare({"ÉCOLE", "ΣΟΦΙΑ", "caf\xC3\xA9"}, {"école", "σοφια", "cafe\xCC\x81"});
    EXPECT_THAT(c.same.lines(), ElementsAre("ÉCOLE", "ΣΟΦΙΑ", "caf\xC3\xA9"));
    EXPECT_THAT(c.different.lines(), IsEmpty());
}

// The comparison as a plain scan with the collator's equality: slow, but plainly right.
Comparison Scanned(const std::vector<std::string>& f, const std::vector<std::string>& s) {
    const auto holds = [](const std::vector<std::string>& list, const std::string& line) {
        for (const std::string& other : list) {
            if (Root().equal(line, other)) return true;
        }
        return false;
    };
    Comparison c;
    for (const std::string& line : f) (holds(s, line) ? c.same : c.firstOnly).add(line);
    for (const std::string& line : s) {
        if (!holds(f, line) && !holds(c.secondOnly.lines(), line)) c.secondOnly.add(line);
    }
    c.different.lines() = c.firstOnly.lines();
    for (const std::string& line : c.secondOnly.lines()) c.different.add(line);
    return c;
}

TEST(CompareLists, AgreesWithAScan) {
    const std::vector<std::string> f = {"One", "two", "", "THREE", "two ", "Ünï", "x\x80", "one"};
    const std::vector<std::string> s = {"three", "ONE", "four", "FOUR", "ünÏ", "x\x80", "five"};
    EXPECT_EQ(Compare(f, s), Scanned(f, s));

    // Long lists with exact repeats and case variants near and across the lookup's batches; with
    // one accented word, and with ASCII only, which is compared without keys.
    for (const char* const fifth : {"ÃPSILON", "epsilon"}) {
        SCOPED_TRACE(fifth);
        std::vector<std::string> longF, longS;
        const char* const words[] = {"alpha", "Beta", "GAMMA", "delta", fifth};
        for (int i = 0; i < 300; ++i) {
            longF.push_back(std::string(words[i % 5]) + std::to_string(i % 37));
            std::string line = std::string(words[(i * 3) % 5]) + std::to_string(i % 41 + 20);
            if (i % 4 == 0) {
                for (char& c : line) {
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                }
            }
            longS.push_back(line);
        }
        const Comparison c = Compare(longF, longS);
        EXPECT_EQ(c, Scanned(longF, longS));
        EXPECT_GT(c.same.count(), 50);  // every path taken many times
        EXPECT_GT(c.firstOnly.count(), 50);
        EXPECT_GT(c.secondOnly.count(), 20);
        EXPECT_EQ(Compare(longS, longF), Scanned(longS, longF));
    }
}

TEST(CompareLists, LongListsSplitOverTwoCoresGiveTheSameResults) {
    // Long enough for the keys to be made on two threads; ASCII letters, digits and blanks,
    // so case-folded equality is the collator's equality and serves as the check.
    std::vector<std::string> f, s;
    for (int i = 0; i < 150000; ++i) {
        f.push_back("Line " + std::to_string(i % 90000));
        s.push_back((i % 3 == 0 ? "LINE " : "line ") + std::to_string(60000 + i % 70000));
    }
    const auto folded = [](std::string line) {
        for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return line;
    };
    std::set<std::string> inF, inS, listed;
    for (const std::string& line : f) inF.insert(folded(line));
    for (const std::string& line : s) inS.insert(folded(line));
    Comparison expected;
    for (const std::string& line : f) {
        (inS.count(folded(line)) ? expected.same : expected.firstOnly).add(line);
    }
    for (const std::string& line : s) {
        if (!inF.count(folded(line)) && listed.insert(folded(line)).second) {
            expected.secondOnly.add(line);
        }
    }
    expected.different.lines() = expected.firstOnly.lines();
    for (const std::string& line : expected.secondOnly.lines()) expected.different.add(line);

    EXPECT_EQ(CompareLists(Lines(f), Lines(s), Root()), expected);
    EXPECT_EQ(CompareLists(LineList(f), LineList(s)), expected);
}

TEST(CompareLists, SpentInputsGiveTheSameResults) {
    const std::vector<std::string> f = {"a", "B", "a", "c",
                                        "long line beyond the short-string size"};
    const std::vector<std::string> s = {"b", "d", "D", "LONG LINE BEYOND THE SHORT-STRING SIZE"};
    EXPECT_EQ(CompareLists(Lines(f), Lines(s), Root()), Compare(f, s));
}

TEST(CompareLists, LeavesInputsUnchanged) {
    const LineList first = Lines({"b", "a"});
    const LineList second = Lines({"A", "c"});
    const Comparison c = CompareLists(first, second);
    EXPECT_THAT(first.lines(), ElementsAre("b", "a"));
    EXPECT_THAT(second.lines(), ElementsAre("A", "c"));
    EXPECT_THAT(c.same.lines(), ElementsAre("a"));
}

}  // namespace
}  // namespace pendara
