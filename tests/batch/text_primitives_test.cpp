#include "batch/text_primitives.h"

#include <gtest/gtest.h>

#include "text/ascii.h"

namespace pendara {
namespace {

TEST(FindWhole, LeftmostExactMatchOnWholeCharacters) {
    constexpr std::size_t npos = std::string_view::npos;
    EXPECT_EQ(FindWhole("abc", ""), npos);
    EXPECT_EQ(FindWhole("", "b"), npos);
    EXPECT_EQ(FindWhole("abc", "B"), npos);
    EXPECT_EQ(FindWhole("abcbc", "bc"), 1u);
    EXPECT_EQ(FindWhole("abcbc", "bc", 2), 3u);
    EXPECT_EQ(FindWhole("baaa", "aa"), 1u);
    EXPECT_EQ(FindWhole("\xC3\xA4\xC3\xB6\xC3\xBC", "\xC3\xBC"), 4u);  // ä ö ü
}

TEST(FindWhole, NeverMatchesHalfACharacter) {
    // A stray byte equal to part of a sequence must not be found inside that sequence.
    EXPECT_EQ(FindWhole("\xC3\xA4", "\xA4"), std::string_view::npos);
    EXPECT_EQ(FindWhole("\xC3\xA4", "\xC3"), std::string_view::npos);
    EXPECT_EQ(FindWhole("\xC3\xA4\xA4", "\xA4"), 2u);
}

// Guards the many-positions-at-once search, its overlapping last step included, against
// missing or misplacing a match at any place in lines of any length.
TEST(FindWhole, AgreesWithAPlainSearchWhereverTheMatchLies) {
    for (const std::string_view needle : {"x", "pq", "Key=V"}) {
        const std::string folded = LowerAscii(needle);
        for (std::size_t length = needle.size(); length <= 48; ++length) {
            for (std::size_t at = 0; at + needle.size() <= length; ++at) {
                std::string line(length, 'k');
                line.replace(at, needle.size(), needle);
                const std::string upper = [&] {
                    std::string u = line;
                    for (char& c : u) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
                    return u;
                }();
                for (const std::size_t from : {std::size_t{0}, at, at + 1}) {
                    SCOPED_TRACE(line + " from " + std::to_string(from));
                    EXPECT_EQ(FindWhole(line, needle, from), line.find(needle, from));
                    EXPECT_EQ(FindWholeFolded(upper, folded, from),
                              LowerAscii(upper).find(folded, from));
                }
            }
        }
    }
}

// A capital in the folded needle would never match the folded text: a caller forgot to fold.
TEST(FindWholeDeathTest, DebugBuildsRefuseAnUnfoldedNeedle) {
    EXPECT_DEBUG_DEATH(FindWholeFolded("abc", "B"), "none_of");
}

TEST(ReplaceEvery, OnePassWithoutOverlaps) {
    EXPECT_EQ(ReplaceEvery("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceEvery("a.b.c", ".", ""), "abc");
    EXPECT_EQ(ReplaceEvery("xAx", "a", "y"), "xAx");
    EXPECT_EQ(ReplaceEvery("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceEvery("a", "a", "aa"), "aa");
    EXPECT_EQ(ReplaceEvery("aaaa", "aa", "a"), "aa");
    EXPECT_EQ(ReplaceEvery("", "a", "b"), "");
    EXPECT_EQ(ReplaceEvery("\xC3\xA4\xA4", "\xA4", "!"), "\xC3\xA4!");
}

TEST(Trim, OnlyBytesUpToSpaceAreBlanks) {
    EXPECT_EQ(TrimBlanks("\t a b \t"), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("\xA0x"), "\xA0x");
    EXPECT_EQ(TrimBlanks("\x01x\x1F"), "x");
    EXPECT_EQ(TrimLeading("  a  "), "a  ");
    EXPECT_EQ(TrimTrailing("  a  "), "  a");
}

TEST(LowerAscii, TouchesOnlyAToZ) {
    EXPECT_EQ(LowerAscii("\xC3\x84"
                         "BC"),
              "\xC3\x84"
              "bc");
    EXPECT_EQ(LowerAscii("AZ@[az"), "az@[az");
}

}  // namespace
}  // namespace pendara
