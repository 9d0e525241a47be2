#include "batch/remove_chars.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "batch_test_util.h"

namespace pendara::testing {
namespace {

using ::testing::ElementsAre;

Direction Way(bool backwards) { return backwards ? Direction::Backwards : Direction::Forwards; }

std::string RemoveAt(const std::string& line, std::int64_t count, std::int64_t start,
                     bool backwards) {
    return After({line}, [&](LineList& l) {
        RemoveChars(l, count, LinePlace::At(start, Way(backwards)));
    })[0];
}

std::string RemoveNextTo(const std::string& line, std::int64_t count, const std::string& search,
                         bool backwards) {
    return After({line}, [&](LineList& l) {
        RemoveChars(l, count, LinePlace::NextTo(search, Way(backwards)));
    })[0];
}

TEST(RemoveChars, StartCountsFromEitherEnd) {
    EXPECT_EQ(RemoveAt("abcdefgh", 2, 2, false), "adefgh");
    EXPECT_EQ(RemoveAt("abcdefgh", 2, 2, true), "abcdeh");
    EXPECT_EQ(RemoveAt("abc", 1, 1, false), "bc");
    EXPECT_EQ(RemoveAt("abc", 1, 1, true), "ab");
}

TEST(RemoveChars, RunStopsAtTheEndsOfTheLine) {
    EXPECT_EQ(RemoveAt("abc", 5, 2, false), "a");
    EXPECT_EQ(RemoveAt("abc", 5, 2, true), "c");
    EXPECT_EQ(RemoveAt("abc", 10000000, 1, false), "");
    EXPECT_EQ(RemoveAt("abc", 10000000, 10000000, true), "abc");
    for (bool backwards : {false, true}) {
        SCOPED_TRACE(backwards ? "backwards" : "forwards");
        EXPECT_EQ(RemoveAt("abc", 1, 4, backwards), "abc");
        EXPECT_EQ(RemoveAt("abc", 7, 4, backwards), "abc");
        EXPECT_EQ(RemoveAt("", 3, 1, backwards), "");
    }
}

TEST(RemoveChars, SearchKeepsTheOccurrence) {
    EXPECT_EQ(RemoveNextTo("name: value", 1, ":", false), "name:value");
    EXPECT_EQ(RemoveNextTo("name: value", 1, ":", true), "nam: value");
    EXPECT_EQ(RemoveNextTo("a:b", 10, ":", false), "a:");
    EXPECT_EQ(RemoveNextTo("a:b", 10, ":", true), ":b");
    EXPECT_EQ(RemoveNextTo("a:b:c", 1, ":", false), "a::c");
    EXPECT_EQ(RemoveNextTo("a:b:c", 1, ":", true), ":b:c");
}

TEST(RemoveChars, SearchMissLeavesTheLine) {
    for (bool backwards : {false, true}) {
        SCOPED_TRACE(backwards ? "backwards" : "forwards");
        EXPECT_EQ(RemoveNextTo("Key", 1, "k", backwards), "Key");
        EXPECT_EQ(RemoveNextTo("abc", 1, "", backwards), "abc");
        EXPECT_EQ(RemoveNextTo("", 1, "a", backwards), "");
    }
}

TEST(RemoveChars, CountBelowOneRemovesNothing) {
    // Taken literally, the cut formulas would repeat characters for a negative count.
    for (bool backwards : {false, true}) {
        SCOPED_TRACE(backwards ? "backwards" : "forwards");
        EXPECT_EQ(RemoveAt("abcdef", -2, 3, backwards), "abcdef");
        EXPECT_EQ(RemoveNextTo("ab:cd", 0, ":", backwards), "ab:cd");
    }
}

TEST(RemoveChars, KeepsLineCountAndOrder) {
    EXPECT_THAT(
        After({"ab", "", "c", "de"}, [](LineList& l) { RemoveChars(l, 1, LinePlace::At(1)); }),
        ElementsAre("b", "", "", "e"));
}

TEST(RemoveChars, CountsWholeCharacters) {
    const std::string line = "\xC3\xA4\xC3\xB6\xC3\xBC\xF0\x9F\x98\x80";  // ä ö ü 😀
    EXPECT_EQ(RemoveAt(line, 2, 2, false), "\xC3\xA4\xF0\x9F\x98\x80");
    EXPECT_EQ(RemoveAt(line, 1, 1, true), "\xC3\xA4\xC3\xB6\xC3\xBC");
    EXPECT_EQ(RemoveNextTo(line, 1, "\xC3\xB6", false), "\xC3\xA4\xC3\xB6\xF0\x9F\x98\x80");
    EXPECT_EQ(RemoveNextTo(line, 1, "\xC3\xB6", true), "\xC3\xB6\xC3\xBC\xF0\x9F\x98\x80");
    // A stray byte is one character; invalid bytes survive untouched.
    EXPECT_EQ(RemoveAt("\xFF\xC3\xA4\xFE", 1, 2, false), "\xFF\xFE");
}

TEST(RemoveChars, LongMultiByteLinesAndLargeNumbers) {
    // A 1 MB line of two-byte characters, counts far past its end: the run must still start and
    // end on whole characters. Compared by size and ends, so a failure prints no megabyte.
    std::string line;
    for (int i = 0; i < 500000; ++i) line += "\xC3\xA4";
    const std::string tail = RemoveAt(line, 10000000, 499999, false);
    EXPECT_EQ(tail.size(), 2u * 499998);
    const std::string head = RemoveAt(line, 10000000, 499999, true);
    EXPECT_EQ(head.size(), 2u * 499998);
    EXPECT_EQ(RemoveAt(line, 10000000, 10000000, false).size(), line.size());
    const std::string around = RemoveNextTo(line + "x" + line, 3, "x", true);
    EXPECT_EQ(around.size(), 2 * line.size() + 1 - 6);
    EXPECT_EQ(around.substr(around.size() - line.size() - 3, 3), "\xC3\xA4x");
}

}  // namespace
}  // namespace pendara::testing
