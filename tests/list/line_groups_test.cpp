#include "list/line_groups.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <unordered_set>

#include "list/hash_slots.h"

namespace pendara {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const LineCollator& Root() {
    static const LineCollator collator("");
    return collator;
}

// Case variants that are equal, accents and stray bytes that are not, and a repeated empty line.
const std::vector<std::string> kMixed = {"b",
                                         "A",
                                         "a",
                                         "B",
                                         "r\xC3\xA9sum\xC3\xA9",
                                         "resume",
                                         "RESUME",
                                         "caf\xE9",
                                         "caf\xC3\xA9",
                                         "",
                                         "a\x80",
                                         "A\x80",
                                         "a\x81",
                                         ""};

template <typename Rule, typename Options>
std::vector<std::string> Apply(Rule rule, const Options& options,
                               const std::vector<std::string>& lines = kMixed) {
    LineList list(lines);
    rule(list, options, Root());
    return list.lines();
}

// Lines of 8 bytes whose hashes under a fixed, unkeyed hash of the kind the table once used
// (word-wise FNV-1a with a final mix) share their low 20 bits: made by running it backwards.
std::vector<std::string> LinesCollidingUnderAFixedHash(std::size_t count) {
    const auto inverse = [](std::uint64_t odd) {
        std::uint64_t x = odd;  // right to 3 bits; each Newton step doubles that
        for (int i = 0; i < 5; ++i) x *= 2 - odd * x;
        return x;
    };
    const std::uint64_t prime = inverse(0x100000001b3ull), mix = inverse(0xff51afd7ed558ccdull);
    std::vector<std::string> lines;
    for (std::uint64_t wanted = 1; lines.size() < count; ++wanted) {
        std::uint64_t h = wanted << 20;
        h ^= h >> 33;
        h *= mix;
        h ^= h >> 33;
        std::uint64_t x = h;
        for (int i = 0; i < 3; ++i) x = h ^ (x >> 29);
        const std::uint64_t word = (x * prime) ^ (0xcbf29ce484222325ull ^ 8);
        std::string line(8, ' ');
        std::memcpy(line.data(), &word, 8);
        if (line.find_first_of(std::string("\0\r\n", 3)) == std::string::npos) {
            lines.push_back(line);
        }
    }
    return lines;
}

// Guards against a made file turning dedupe, repeated, singles and tally quadratic: 200,000
// lines that all fall in one slot of the table took 19 s against 0.02 s for random ones.
TEST(LineGroups, LinesMadeToCollideSpreadOverTheTable) {
    const std::vector<std::string> lines = LinesCollidingUnderAFixedHash(200'000);
    std::unordered_set<std::uint64_t> slots;
    for (const std::string& line : lines) slots.insert(HashKey(line) & ((1u << 19) - 1));
    // Random hashes fill about 160,000 of the 524,288 slots that 200,000 lines get.
    EXPECT_GT(slots.size(), 140'000u);
}

TEST(LineGroups, DedupeKeepsFirstOrLastCopyWhereItStood) {
    EXPECT_THAT(Apply(DedupeLines, DedupeOptions{}),
                ElementsAre("b", "A", "r\xC3\xA9sum\xC3\xA9", "resume", "caf\xE9", "caf\xC3\xA9",
                            "", "a\x80", "a\x81"));
    EXPECT_THAT(Apply(DedupeLines, DedupeOptions{KeepCopy::Last, false}),
                ElementsAre("a", "B", "r\xC3\xA9sum\xC3\xA9", "RESUME", "caf\xE9", "caf\xC3\xA9",
                            "A\x80", "a\x81", ""));
    std::vector<std::string> byBytes = kMixed;
    byBytes.pop_back();
    EXPECT_EQ(Apply(DedupeLines, DedupeOptions{KeepCopy::First, true}), byBytes);
}

TEST(LineGroups, RepeatedAndSinglesSplitTheGroups) {
    EXPECT_THAT(Apply(KeepRepeatedLines, RepeatedOptions{}),
                ElementsAre("b", "A", "resume", "", "a\x80"));
    EXPECT_THAT(Apply(KeepRepeatedLines, RepeatedOptions{true, false}),
                ElementsAre("b", "A", "a", "B", "resume", "RESUME", "", "a\x80", "A\x80", ""));
    EXPECT_THAT(Apply(KeepRepeatedLines, RepeatedOptions{false, true}), ElementsAre(""));
    EXPECT_THAT(Apply(KeepSingleLines, SinglesOptions{}),
                ElementsAre("r\xC3\xA9sum\xC3\xA9", "caf\xE9", "caf\xC3\xA9", "a\x81"));
}

TEST(LineGroups, TallyCountsLargestFirstTiesInOrderOfAppearance) {
    EXPECT_THAT(Apply(TallyLines, TallyOptions{}),
                ElementsAre("2\tb", "2\tA", "2\tresume", "2\t", "2\ta\x80",
                            "1\tr\xC3\xA9sum\xC3\xA9", "1\tcaf\xE9", "1\tcaf\xC3\xA9", "1\ta\x81"));
    EXPECT_THAT(Apply(TallyLines, TallyOptions{}, {"x", "y", "Y", "X", "y"}),
                ElementsAre("3\ty", "2\tx"));
}

TEST(LineGroups, OneLineAndNoLines) {
    const std::vector<std::string> one = {"only"};
    EXPECT_THAT(Apply(DedupeLines, DedupeOptions{KeepCopy::Last, false}, one), ElementsAre("only"));
    EXPECT_THAT(Apply(KeepRepeatedLines, RepeatedOptions{}, one), IsEmpty());
    EXPECT_THAT(Apply(KeepSingleLines, SinglesOptions{}, one), ElementsAre("only"));
    EXPECT_THAT(Apply(TallyLines, TallyOptions{}, one), ElementsAre("1\tonly"));
    EXPECT_THAT(Apply(TallyLines, TallyOptions{}, {}), IsEmpty());
}

TEST(LineGroups, LongListGroupsAcrossBothHalves) {
    // Long enough for the keys to be made on two cores; a group must not split at the seam.
    std::vector<std::string> lines;
    for (int i = 0; i < 240000; ++i)
        lines.push_back((i % 2 ? "Word" : "word") + std::to_string(i % 1000));
    lines[lines.size() - 2] = "late";
    lines.back() = "LATE";
    const std::vector<std::string> kept = Apply(DedupeLines, DedupeOptions{}, lines);
    ASSERT_EQ(kept.size(), 1001u);
    EXPECT_EQ(kept[1], "Word1");
    EXPECT_EQ(kept.back(), "late");
    const std::vector<std::string> tally = Apply(TallyLines, TallyOptions{}, lines);
    EXPECT_EQ(tally.front(), "240\tword0");
    EXPECT_EQ(tally.back(), "2\tlate");
}

}  // namespace
}  // namespace pendara
