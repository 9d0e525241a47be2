#include "text/utf8.h"

#include <gtest/gtest.h>

namespace pendara {
namespace {

TEST(CharCount, CountsSequencesAndStrayBytes) {
    EXPECT_EQ(CharCount(""), 0u);
    EXPECT_EQ(CharCount("abc"), 3u);
    EXPECT_EQ(CharCount("\xC3\xA4"
                        "b"),
              2u);                                 // ä b
    EXPECT_EQ(CharCount("\xF0\x9F\x98\x80"), 1u);  // one emoji
    EXPECT_EQ(CharCount("\xE4"
                        "bc"),
              3u);                             // Latin-1 ä: one stray byte
    EXPECT_EQ(CharCount("\xC3"), 1u);          // truncated sequence
    EXPECT_EQ(CharCount("\xC0\x80"), 2u);      // overlong form is two stray bytes
    EXPECT_EQ(CharCount("\xED\xA0\x80"), 3u);  // encoded surrogate
}

TEST(ByteOffsetOfChar, NeverLandsInsideACharacter) {
    const std::string_view s =
        "a\xC3\xA4\xE2\x82\xAC"
        "b";  // a ä € b
    EXPECT_EQ(ByteOffsetOfChar(s, 0), 0u);
    EXPECT_EQ(ByteOffsetOfChar(s, 1), 1u);
    EXPECT_EQ(ByteOffsetOfChar(s, 2), 3u);
    EXPECT_EQ(ByteOffsetOfChar(s, 3), 6u);
    EXPECT_EQ(ByteOffsetOfChar(s, 9), s.size());
}

TEST(IsCharBoundary, KnowsContinuationBytesFromStrayOnes) {
    const std::string_view s = "\xC3\xA4\xA9x";  // ä, a stray continuation byte, x
    EXPECT_TRUE(IsCharBoundary(s, 0));
    EXPECT_FALSE(IsCharBoundary(s, 1));
    EXPECT_TRUE(IsCharBoundary(s, 2));
    EXPECT_TRUE(IsCharBoundary(s, 3));
    EXPECT_TRUE(IsCharBoundary(s, 4));
}

}  // namespace
}  // namespace pendara
