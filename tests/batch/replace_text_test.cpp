#include "batch/replace_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "batch_test_util.h"

namespace pendara::testing {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Replace(std::vector<std::string> lines, const std::string& find,
                                 const std::string& with) {
    return After(std::move(lines), [&](LineList& l) { ReplaceText(l, find, with); });
}

TEST(ReplaceText, EveryOccurrenceOnePassCaseSensitive) {
    EXPECT_THAT(Replace({"a-b-c"}, "-", "+"), ElementsAre("a+b+c"));
    EXPECT_THAT(Replace({"a-b-c"}, "-", ""), ElementsAre("abc"));
    EXPECT_THAT(Replace({"aaaa"}, "aa", "a"), ElementsAre("aa"));
    EXPECT_THAT(Replace({"a"}, "a", "aa"), ElementsAre("aa"));
    EXPECT_THAT(Replace({"Cat cat"}, "cat", "dog"), ElementsAre("Cat dog"));
    EXPECT_THAT(Replace({" a b ", "c d"}, " ", ""), ElementsAre("ab", "cd"));
}

TEST(ReplaceText, UnchangedLines) {
    EXPECT_THAT(Replace({"abc", ""}, "", "x"), ElementsAre("abc", ""));
    EXPECT_THAT(Replace({"abc", ""}, "z", "x"), ElementsAre("abc", ""));
    EXPECT_THAT(Replace({}, "a", "b"), ElementsAre());
}

TEST(ReplaceText, MatchesOnlyWholeCharacters) {
    // The byte A4 is the tail of "ä": it must not be found there, only where it stands alone.
    EXPECT_THAT(Replace({"\xC3\xA4\xA4"}, "\xA4", "x"), ElementsAre("\xC3\xA4x"));
    EXPECT_THAT(Replace({"\xC3\xA4-\xC3\xA4"}, "\xC3\xA4", "ae"), ElementsAre("ae-ae"));
}

}  // namespace
}  // namespace pendara::testing
