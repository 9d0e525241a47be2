#include "list/collation_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <thread>

#include "list/line_compare.h"
#include "list/line_groups.h"
#include "list/line_order.h"
#include "text/failure.h"

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

// Short random lines of ASCII, heavy in the letters that locales join or reorder (ch, aa, ll, ij,
// y, i), in both cases, with digits, blanks, punctuation and a few control characters.
std::vector<std::string> RandomAsciiLines(std::size_t count) {
    static const std::string_view pieces[] = {
        "a", "A", "b", "c", "C",  "h",    "H",    "ch", "CH", "aa", "Aa", "ll", "ij", "IJ",
        "y", "Y", "i", "I", "z",  "w",    "v",    "o",  "0",  "1",  "2",  "9",  " ",  "-",
        "_", ",", "'", "~", "\t", "\x01", "\x7f", "dz", "ng", "th", "dd", "rh", "cs"};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1), length(0, 6);
    std::vector<std::string> lines(count);
    for (std::string& line : lines) {
        for (std::size_t n = length(random); n > 0; --n) line += pieces[piece(random)];
    }
    return lines;
}

// Guards against lines past about 716 million UTF-16 units all getting one empty key and so
// comparing equal. Takes about 8 GB and half a minute, so it runs only when asked for.
TEST(LineCollator, HugeLinesAreNeverEqualByMistake) {
    if (std::getenv("PENDARA_HUGE_TESTS") == nullptr)
        GTEST_SKIP() << "PENDARA_HUGE_TESTS=1 runs it";
    const LineCollator collator("");
    std::string acute(716'000'000, 'a');
    acute += "\xC3\xA9";
    std::string grave = acute;
    grave.back() = '\xA8';
    try {
        EXPECT_NE(collator.compare(acute, grave), 0);
    } catch (const Failure& failure) {
        EXPECT_EQ(std::string(failure.what()), "Line too long to compare");
    }
}

TEST(QuickKeys, OrderAndEqualExactlyLikeFullKeysInEveryLocale) {
    const std::vector<std::string> lines = RandomAsciiLines(4000);
    for (const char* locale : {"",
                               "en_US",
                               "da",
                               "cs",
                               "sk",
                               "tr",
                               "lt",
                               "sv",
                               "fi",
                               "et",
                               "hu",
                               "cy",
                               "hr",
                               "nl",
                               "de@collation=phonebook",
                               "es@collation=traditional",
                               "fr_CA",
                               "ja",
                               "th",
                               "en@colNumeric=yes",
                               "en@colAlternate=shifted",
                               "en@colCaseLevel=yes"}) {
        SCOPED_TRACE(locale);
        const LineCollator collator(locale);
        struct Keys {
            std::string full, quick;
        };
        std::vector<Keys> keys;
        for (const std::string& line : lines) {
            if (!collator.hasQuickKey(line)) continue;
            Keys& k = keys.emplace_back();
            collator.appendSortKey(line, k.full, KeyForm::Full);
            collator.appendSortKey(line, k.quick, KeyForm::Quick);
        }
        // Sorted by full key, the quick keys must rise exactly where the full keys do.
        std::sort(keys.begin(), keys.end(),
                  [](const Keys& a, const Keys& b) { return a.full < b.full; });
        for (std::size_t i = 1; i < keys.size(); ++i) {
            ASSERT_EQ(keys[i - 1].quick < keys[i].quick, keys[i - 1].full < keys[i].full) << i;
            ASSERT_LE(keys[i - 1].quick, keys[i].quick) << i;
        }
    }
    // Plain ASCII text does get quick keys where nothing in the locale stands against it.
    EXPECT_TRUE(LineCollator("").hasQuickKey("Hello, World! 42 (x = y) ~ {a|b}"));
    EXPECT_FALSE(LineCollator("").hasQuickKey("caf\xC3\xA9"));
}

TEST(QuickKeys, ListWithOneLineWithoutOneComparesAllLinesAlike) {
    // Full-width a equals a when case and width are ignored; a quick key for the ASCII lines next
    // to a full key for it would tell them apart.
    LineList list(std::vector<std::string>{"b", "a", "\xEF\xBD\x81", "A", "B"});
    DedupeLines(list, {}, LineCollator(""));
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"b", "a"}));
}

}  // namespace
}  // namespace pendara
