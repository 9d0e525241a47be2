#include "list/collation_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "list/line_compare.h"

namespace pendara {
namespace {

// Distinct lines, no two equal when case is ignored, so every order is fully determined.
std::vector<std::string> ShuffledLines(std::size_t count) {
    const char* const starts[] = {"apple ", "\xC3\x84pfel ", "zebra ", "\xC3\xA9mile ", "Eagle "};
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t n = (i * 7919) % count;  // 7919 is prime, so n visits every number
        lines.push_back(starts[n % 5] + std::to_string(n));
    }
    return lines;
}

std::vector<std::string> AllKeys(const CollationKeys& keys) {
    std::vector<std::string> all;
    for (std::size_t i = 0; i < keys.size(); ++i) all.emplace_back(keys.key(i));
    return all;
}

TEST(CollationKeys, LongListOnTwoCoresGivesTheOneCoreResult) {
    if (std::thread::hardware_concurrency() < 2) GTEST_SKIP() << "needs a second core";
    const std::size_t count = kTwoCoreKeyLines + 50000;
    std::vector<std::string> lines = ShuffledLines(count);
    const LineCollator collator("");
    const std::span<const std::string> all(lines);

    const auto [front, back] =
        CollationKeys::MakeTwo(all.first(count / 2), all.subspan(count / 2), collator);
    const CollationKeys oneCore = CollationKeys::Make(all, collator);
    std::vector<std::string> twoCoreKeys = AllKeys(front);
    const std::vector<std::string> backKeys = AllKeys(back);
    twoCoreKeys.insert(twoCoreKeys.end(), backKeys.begin(), backKeys.end());
    const std::vector<std::string> oneCoreKeys = AllKeys(oneCore);
    ASSERT_EQ(twoCoreKeys.size(), oneCoreKeys.size());
    const auto differ = std::mismatch(twoCoreKeys.begin(), twoCoreKeys.end(), oneCoreKeys.begin());
    EXPECT_EQ(differ.first - twoCoreKeys.begin(), static_cast<std::ptrdiff_t>(count))
        << "the first key that differs";

    std::vector<std::pair<std::string, std::string>> reference;
    for (std::size_t i = 0; i < count; ++i) reference.emplace_back(oneCore.key(i), lines[i]);
    std::sort(reference.begin(), reference.end());
    SortLines(lines, collator);
    ASSERT_EQ(lines.size(), count);
    std::size_t same = 0;
    while (same < count && lines[same] == reference[same].second) ++same;
    EXPECT_EQ(same, count) << "the first line out of place";
}

}  // namespace
}  // namespace pendara
