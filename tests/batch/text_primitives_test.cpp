#include "batch/text_primitives.h"

#include <gtest/gtest.h>

namespace pendara {
namespace {

TEST(LeftRightPart, ClampCounts) {
    EXPECT_EQ(LeftPart("abc", 0), "");
    EXPECT_EQ(LeftPart("abc", -2), "");
    EXPECT_EQ(LeftPart("abc", 5), "abc");
    EXPECT_EQ(RightPart("abc", 2), "bc");
    EXPECT_EQ(RightPart("abc", 5), "abc");
    EXPECT_EQ(RightPart("abc", 0), "");
    EXPECT_EQ(RightPart("abc", -1), "");
    EXPECT_EQ(RightPart("abc", INT32_MAX), "abc");
}

TEST(MiddlePart, StartBelowOneKeepsTheCount) {
    EXPECT_EQ(MiddlePart("abcdef", 5, 10), "ef");
    EXPECT_EQ(MiddlePart("abc", 4, 2), "");
    EXPECT_EQ(MiddlePart("abc", 9, 1), "");
    EXPECT_EQ(MiddlePart("abcdef", 0, 3), "abc");
    EXPECT_EQ(MiddlePart("abcdef", -4, 3), "abc");
    EXPECT_EQ(MiddlePart("abcdef", 2, -1), "");
}

TEST(Primitives, CountWholeUtf8Characters) {
    const std::string s = "\xC3\xA4\xC3\xB6\xC3\xBC";  // ä ö ü
    EXPECT_EQ(LeftPart(s, 1), "\xC3\xA4");
    EXPECT_EQ(RightPart(s, 2), "\xC3\xB6\xC3\xBC");
    EXPECT_EQ(MiddlePart(s, 2, 1), "\xC3\xB6");
    EXPECT_EQ(FirstPos("\xC3\xBC", s), 3);
    EXPECT_EQ(LeftPart("\xE4\xF6x", 2), "\xE4\xF6");  // stray Latin-1 bytes count one each
}

TEST(FirstPos, ExactLeftmostMatch) {
    EXPECT_EQ(FirstPos("", "abc"), 0);
    EXPECT_EQ(FirstPos("b", ""), 0);
    EXPECT_EQ(FirstPos("B", "abc"), 0);
    EXPECT_EQ(FirstPos("bc", "abcbc"), 2);
    EXPECT_EQ(FirstPos("aa", "baaa"), 2);
}

TEST(FirstPos, NeverMatchesHalfACharacter) {
    // A stray byte equal to part of a sequence must not be found inside that sequence.
    EXPECT_EQ(FirstPos("\xA4", "\xC3\xA4"), 0);
    EXPECT_EQ(FirstPos("\xC3", "\xC3\xA4"), 0);
    EXPECT_EQ(FirstPos("\xA4", "\xC3\xA4\xA4"), 2);
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
    EXPECT_EQ(ApplyCaseMode("AbC", 0), "AbC");
    EXPECT_EQ(ApplyCaseMode("AbC", 1), "abc");
}

}  // namespace
}  // namespace pendara
