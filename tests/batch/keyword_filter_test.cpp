#include "batch/keyword_filter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "batch_test_util.h"

namespace pendara::testing {
namespace {

using ::testing::ElementsAre;

TEST(SplitKeywords, SeparatorsAndEmptyKeywords) {
    EXPECT_THAT(SplitKeywords("red car"), ElementsAre("red", "car"));
    EXPECT_THAT(SplitKeywords("red  car"), ElementsAre("red", "", "car"));
    EXPECT_THAT(SplitKeywords("  \t apple \t "), ElementsAre("apple"));
    EXPECT_THAT(SplitKeywords("a\tb c"), ElementsAre("a\tb", "c"));
    EXPECT_THAT(SplitKeywords("   "), ElementsAre());
    EXPECT_THAT(SplitKeywords(""), ElementsAre());
}

TEST(SplitKeywords, LineBreaksSeparateLikeSpaces) {
    EXPECT_THAT(SplitKeywords("a\r\nb\nc\rd"), ElementsAre("a", "b", "c", "d"));
    // A space becomes a carriage return, so a space before a line feed is a single break...
    EXPECT_THAT(SplitKeywords("a \nb"), ElementsAre("a", "b"));
    // ...while a line feed before a carriage return is two.
    EXPECT_THAT(SplitKeywords("a\n\rb"), ElementsAre("a", "", "b"));
    EXPECT_THAT(SplitKeywords("a \rb"), ElementsAre("a", "", "b"));
}

const std::vector<std::string> kFruit = {"red apple", "green apple", "red car", ""};

std::vector<std::string> Filter(const std::string& include, bool includeAll,
                                const std::string& exclude, bool excludeAll,
                                bool matchCase = false) {
    return After(kFruit, [&](LineList& l) {
        FilterByKeywords(l, {include, includeAll ? KeywordMatch::All : KeywordMatch::Any, exclude,
                             excludeAll ? KeywordMatch::All : KeywordMatch::Any,
                             matchCase ? LetterCase::Match : LetterCase::Ignore});
    });
}

TEST(FilterByKeywords, IncludeAndOr) {
    EXPECT_THAT(Filter("red apple", true, "", false), ElementsAre("red apple"));
    EXPECT_THAT(Filter("red apple", false, "", false),
                ElementsAre("red apple", "green apple", "red car"));
    EXPECT_THAT(Filter("app", true, "", false), ElementsAre("red apple", "green apple"));
    EXPECT_THAT(Filter("   apple   ", true, "", false), ElementsAre("red apple", "green apple"));
}

TEST(FilterByKeywords, ExcludeAfterInclude) {
    EXPECT_THAT(Filter("", true, "car", false), ElementsAre("red apple", "green apple", ""));
    EXPECT_THAT(Filter("apple", true, "green", false), ElementsAre("red apple"));
    EXPECT_THAT(Filter("", true, "red apple", true), ElementsAre("green apple", "red car", ""));
}

TEST(FilterByKeywords, EmptyKeywordIsNeverFound) {
    EXPECT_THAT(Filter("red  car", true, "", false), ElementsAre());
    EXPECT_THAT(Filter("red  car", false, "", false), ElementsAre("red apple", "red car"));
    EXPECT_THAT(Filter("", true, "red  car", true), kFruit);
}

TEST(FilterByKeywords, BlankBoxesChangeNothing) {
    EXPECT_THAT(Filter("", true, "", false), kFruit);
    EXPECT_THAT(Filter("  \t", true, " ", false), kFruit);
}

TEST(FilterByKeywords, CaseFoldsOnlyAsciiLetters) {
    EXPECT_THAT(Filter("RED", true, "", false), ElementsAre("red apple", "red car"));
    EXPECT_THAT(Filter("RED", true, "", false, true), ElementsAre());
    const auto umlaut = [](const std::string& keyword) {
        return After({"\xC3\x84PFEL", "\xC3\xA4pfel"},
                     [&](LineList& l) { FilterByKeywords(l, {.include = keyword}); });
    };
    EXPECT_THAT(umlaut("\xC3\xA4PFEL"), ElementsAre("\xC3\xA4pfel"));  // Ä and ä stay apart
    // A keyword that is the tail byte of a character does not match inside it.
    EXPECT_THAT(umlaut("\x84"), ElementsAre());
}

TEST(FilterByKeywords, FoldingTouchesNothingButCapitals) {
    // Long enough to be folded a word at a time; '@' '[' and the top-bit bytes sit next to the
    // capitals and must not turn into '`' '{' or other letters.
    const auto kept = [](const std::string& keyword) {
        return After({"0123456789@[\xC1\xDAQ0123456789"},
                     [&](LineList& l) { FilterByKeywords(l, {.include = keyword}); })
            .size();
    };
    EXPECT_EQ(kept("q"), 1u);
    EXPECT_EQ(kept("@["), 1u);
    EXPECT_EQ(kept("`"), 0u);
    EXPECT_EQ(kept("{"), 0u);
    EXPECT_EQ(kept("\xE1"), 0u);
    EXPECT_EQ(kept("\xFA"), 0u);
}

TEST(FilterByKeywords, KeepsOrderOverManyLines) {
    std::vector<std::string> lines;
    std::vector<std::string> expected;
    for (int i = 0; i < 1000; ++i) {
        lines.push_back((i % 3 == 0 ? "keep " : "drop ") + std::to_string(i));
        if (i % 3 == 0) expected.push_back(lines.back());
    }
    EXPECT_EQ(After(lines, [](LineList& l) { FilterByKeywords(l, {.include = "KEEP"}); }),
              expected);
}

}  // namespace
}  // namespace pendara::testing
