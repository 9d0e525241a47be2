#include <gtest/gtest.h>

#include <random>

#include "batch/text_primitives.h"
#include "text/utf8.h"

namespace pendara {
namespace {

// Plain references: every byte position tried, every character decoded one by one.
std::size_t ReferenceFind(std::string_view s, std::string_view needle, std::size_t from) {
    if (needle.empty()) return std::string_view::npos;
    for (std::size_t at = from; at + needle.size() <= s.size(); ++at) {
        if (s.substr(at, needle.size()) == needle && IsCharBoundary(s, at) &&
            IsCharBoundary(s, at + needle.size())) {
            return at;
        }
    }
    return std::string_view::npos;
}

std::size_t ReferenceCount(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < s.size(); at += CharLengthAt(s, at)) ++count;
    return count;
}

// The word-at-a-time search and count must agree with the references on any bytes: lines of
// every length around the eight-byte word size, needles of one to three pieces, from an alphabet
// with multi-byte characters, their stray tails and bytes next to 'A', 'Z' and the top bit.
TEST(FastSearchAndCount, AgreeWithPlainReferences) {
    const std::string alphabet[] = {"a",    "b",        "A",    "Z",    "@",
                                    "[",    "\xC3\xA4", "\xA4", "\xC3", "\xE2\x82\xAC",
                                    "\x80", "\xFF",     " "};
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
        const std::size_t from =
            line.empty() ? 0 : static_cast<std::size_t>(round) % (line.size() + 1);
        ASSERT_EQ(FindWhole(line, needle, from), ReferenceFind(line, needle, from))
            << "round " << round << ": " << line << " / " << needle << " from " << from;
        ASSERT_EQ(CharCount(line), ReferenceCount(line)) << "round " << round << ": " << line;
    }
    EXPECT_EQ(FindWhole("abc", ""), std::string_view::npos);
    EXPECT_EQ(FindWhole("", "a"), std::string_view::npos);
    EXPECT_EQ(FindWhole("abc", "c", 9), std::string_view::npos);
}

}  // namespace
}  // namespace pendara
