#include "batch/add_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "batch_test_util.h"

namespace pendara::testing {
namespace {

using ::testing::ElementsAre;

Direction Way(bool backwards) { return backwards ? Direction::Backwards : Direction::Forwards; }

std::string AddAtIndex(const std::string& line, const std::string& text, std::int64_t index,
                       bool backwards) {
    return After({line},
                 [&](LineList& l) { AddText(l, text, LinePlace::At(index, Way(backwards))); })[0];
}

std::string AddNextTo(const std::string& line, const std::string& text, const std::string& search,
                      bool backwards) {
    return After({line}, [&](LineList& l) {
        AddText(l, text, LinePlace::NextTo(search, Way(backwards)));
    })[0];
}

TEST(AddText, IndexCountsFromEitherEnd) {
    EXPECT_EQ(AddAtIndex("abcdef", "-", 3, false), "ab-cdef");
    EXPECT_EQ(AddAtIndex("abcdef", "-", 3, true), "abcd-ef");
    EXPECT_EQ(AddAtIndex("abc", "-", 1, false), "-abc");
    EXPECT_EQ(AddAtIndex("abc", "-", 1, true), "abc-");
}

TEST(AddText, IndexPastTheLineClampsToTheFarEnd) {
    EXPECT_EQ(AddAtIndex("abc", "-", 4, false), "abc-");
    EXPECT_EQ(AddAtIndex("abc", "-", 10, false), "abc-");
    EXPECT_EQ(AddAtIndex("abc", "-", 4, true), "-abc");
    EXPECT_EQ(AddAtIndex("abc", "-", 10000000, true), "-abc");
    EXPECT_EQ(AddAtIndex("", "x", 5, false), "x");
    EXPECT_EQ(AddAtIndex("", "x", 5, true), "x");
}

TEST(AddText, SearchUsesTheFirstOccurrenceCaseSensitively) {
    EXPECT_EQ(AddNextTo("key=value=x", "#", "=", false), "key=#value=x");
    EXPECT_EQ(AddNextTo("key=value=x", "#", "=", true), "key#=value=x");
    EXPECT_EQ(AddNextTo("Key", "#", "k", false), "Key");
    EXPECT_EQ(AddNextTo("abc", "#", "", false), "abc");
    EXPECT_EQ(AddNextTo("", "x", "a", true), "");
}

TEST(AddText, EmptyTextOrEmptyListChangesNothing) {
    EXPECT_THAT(After({"abc", ""}, [](LineList& l) { AddText(l, "", LinePlace::At(2)); }),
                ElementsAre("abc", ""));
    EXPECT_THAT(After({}, [](LineList& l) { AddText(l, "x", LinePlace::At(1)); }), ElementsAre());
}

TEST(AddText, EveryLineInOrder) {
    EXPECT_THAT(After({"a", "", "bc"}, [](LineList& l) { AddText(l, "x", LinePlace::At(2)); }),
                ElementsAre("ax", "x", "bxc"));
}

TEST(AddText, NeverSplitsAMultiByteCharacter) {
    // "äöü": index 2 must land between whole characters, not inside the two bytes of "ä".
    EXPECT_EQ(AddAtIndex("\xC3\xA4\xC3\xB6\xC3\xBC", "-", 2, false), "\xC3\xA4-\xC3\xB6\xC3\xBC");
    EXPECT_EQ(AddAtIndex("\xC3\xA4\xC3\xB6\xC3\xBC", "-", 2, true), "\xC3\xA4\xC3\xB6-\xC3\xBC");
    // Stray Latin-1 bytes count one character each.
    EXPECT_EQ(AddAtIndex("\xE4\xF6x", "-", 3, false), "\xE4\xF6-x");
    EXPECT_EQ(AddNextTo("\xE2\x82\xAC"
                        "5",
                        "#", "5", true),
              "\xE2\x82\xAC#5");
}

TEST(AddText, LongMultiByteLineAtLargeIndexes) {
    std::string line;
    for (int i = 0; i < 500000; ++i) line += "\xE2\x82\xAC\xFF";  // euro sign, stray byte
    // Where "-" lands, in bytes (the line itself has no "-"): 1,000,000 characters in 2 MB.
    const auto dash = [&](std::int64_t index, bool backwards) {
        const std::string result = AddAtIndex(line, "-", index, backwards);
        EXPECT_EQ(result.size(), line.size() + 1);
        return result.find('-');
    };
    EXPECT_EQ(dash(10000000, false), line.size());
    EXPECT_EQ(dash(10000000, true), 0u);
    EXPECT_EQ(dash(999999, false), line.size() - 4);  // before the last euro sign and stray byte
    EXPECT_EQ(dash(3, true), line.size() - 4);
    EXPECT_EQ(dash(2, false), 3u);  // after the first euro sign
}

}  // namespace
}  // namespace pendara::testing
