#include "batch/line_edit.h"

#include <gtest/gtest.h>

#include <random>

#include "batch/text_primitives.h"
#include "list/utf8.h"

namespace pendara {
namespace {

// The fast search and count must agree with the plain primitives on any bytes: lines of every
// length around the eight-byte word size, needles of one to five bytes, from a small alphabet
// with multi-byte characters, their stray tails and bytes next to 'A', 'Z' and the top bit.
TEST(LineEditHelpers, AgreeWithThePlainPrimitives) {
    const std::string alphabet[] = {"a", "b", "A", "Z", "@", "[", "\xC3\xA4", "\xA4", "\xC3",
                                    "\xE2\x82\xAC", "\x80", "\xFF", " "};
    std::mt19937 random(7);
    std::uniform_int_distribution<int> piece(0, std::size(alphabet) - 1);
    const auto text = [&](int pieces) {
        std::string out;
        for (int i = 0; i < pieces; ++i) out += alphabet[piece(random)];
        return out;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string line = text(round % 40);
        const std::string needle = text(1 + round % 3);
        ASSERT_EQ(FindWholeFast(line, needle), FindWhole(line, needle)) << line << " / " << needle;
        ASSERT_EQ(CountChars(line), CharCount(line)) << line;
    }
    EXPECT_EQ(FindWholeFast("abc", ""), std::string_view::npos);
    EXPECT_EQ(FindWholeFast("", "a"), std::string_view::npos);
}

}  // namespace
}  // namespace pendara
