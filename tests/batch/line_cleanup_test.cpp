#include "batch/line_cleanup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "batch/line_edit.h"
#include "batch_test_util.h"

namespace pendara::testing {
namespace {

using ::testing::ElementsAre;

TEST(RemoveEmptyLines, BlankOnlyLinesGoWhenIgnoringSpace) {
    const std::vector<std::string> lines = {"a", "", "  ", "b", "\t", "\xC2\xA0"};
    EXPECT_THAT(After(lines, [](LineList& l) { RemoveEmptyLines(l, EmptyLines::NoCharacter); }),
                ElementsAre("a", "  ", "b", "\t", "\xC2\xA0"));
    // A no-break space is not a blank.
    EXPECT_THAT(After(lines, [](LineList& l) { RemoveEmptyLines(l, EmptyLines::BlanksOnly); }),
                ElementsAre("a", "b", "\xC2\xA0"));
    EXPECT_THAT(After({}, [](LineList& l) { RemoveEmptyLines(l, EmptyLines::BlanksOnly); }),
                ElementsAre());
}

TEST(TrimLines, EitherOrBothEnds) {
    const auto trim = [](bool left, bool right) {
        return After({"  a b  ", " \t ", "x"},
                     [&](LineList& l) { TrimLines(l, EndsOf(left, right)); });
    };
    EXPECT_THAT(trim(true, true), ElementsAre("a b", "", "x"));
    EXPECT_THAT(trim(true, false), ElementsAre("a b  ", "", "x"));
    EXPECT_THAT(trim(false, true), ElementsAre("  a b", "", "x"));
    EXPECT_THAT(trim(false, false), ElementsAre("  a b  ", " \t ", "x"));
}

std::vector<std::string> ByLength(std::vector<std::string> lines, LengthOption option,
                                  std::int64_t value, std::int64_t high = 0) {
    return After(std::move(lines), [&](LineList& l) {
        RemoveLinesByLength(l, {option, value, high});
    });
}

TEST(RemoveLinesByLength, EachOption) {
    const std::vector<std::string> lines = {"a", "", "abc", "abcde"};
    EXPECT_THAT(ByLength(lines, LengthOption::Equal, 0), ElementsAre("a", "abc", "abcde"));
    EXPECT_THAT(ByLength(lines, LengthOption::Less, 1), ElementsAre("a", "abc", "abcde"));
    EXPECT_THAT(ByLength(lines, LengthOption::More, 0), ElementsAre(""));
    EXPECT_THAT(ByLength(lines, LengthOption::Range, 2, 4), ElementsAre("a", "", "abcde"));
    EXPECT_THAT(ByLength(lines, LengthOption::Range, 3, 3), ElementsAre("a", "", "abcde"));
    EXPECT_THAT(ByLength(lines, LengthOption::Range, 4, 2), ElementsAre("a", "", "abcde"));
    EXPECT_THAT(ByLength(lines, LengthOption::Range, 0, 10000000), ElementsAre());
}

TEST(RemoveLinesByLength, LengthCountsCharacters) {
    // "äöü" is three characters in six bytes; a stray byte is one.
    EXPECT_THAT(
        ByLength({"\xC3\xA4\xC3\xB6\xC3\xBC", "abcdef", "\xFF\xFE\xFD"}, LengthOption::Equal, 3),
        ElementsAre("abcdef"));
}

TEST(KeepLinesFromLast, FailureLosesNoLine) {
    // Judged from the last line: "d" and "c" are done, then the judge fails on "b".
    std::vector<std::string> lines = {"a", "b", "c", "d"};
    EXPECT_THROW(KeepLinesFromLast(lines,
                                   [](const std::string& line) {
                                       if (line == "b") throw std::runtime_error("out of memory");
                                       return line != "c";
                                   }),
                 std::runtime_error);
    EXPECT_THAT(lines, ElementsAre("a", "b", "d"));
}

}  // namespace
}  // namespace pendara::testing
