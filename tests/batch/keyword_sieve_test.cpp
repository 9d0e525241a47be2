#include "batch/keyword_sieve.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/text_primitives.h"
#include "text/ascii.h"

namespace pendara::testing {
namespace {

// The rule spelled out: fold the line, then search each keyword on its own.
bool Holds(std::string_view line, const std::vector<std::string>& keywords, bool all, bool fold) {
    const std::string text = fold ? LowerAscii(line) : std::string(line);
    const auto found = [&](const std::string& k) {
        return FindWhole(text, fold ? LowerAscii(k) : k) != std::string::npos;
    };
    return all ? std::all_of(keywords.begin(), keywords.end(), found)
               : std::any_of(keywords.begin(), keywords.end(), found);
}

// Guards the one-pass search of many keywords against answers that differ from searching each
// keyword: overlapping and nested keywords, repeats, half characters, capitals, empty keywords.
TEST(KeywordSieve, ManyKeywordsJudgeLinesLikeOneSearchEach) {
    const std::vector<std::string> boxes = {
        "he she his hers",
        "he she his hers he",
        "a ab abc bcd cd",
        "\xA9 caf \xC3 x y",
        "CAF\xC3\xA9 Na\xC3\xAF f\xC3\xA9 tea",
        "he  she his hers",
        "k1 k2 k3 k4 k5 k6 k7",
        "Apple apple APPLE pear",
    };
    const std::vector<std::string> lines = {
        "",      "ushers",  "she",  "his hers",        "abcd",     "xbcdx",
        "café",  "caf\xC3", "CAFÉ", "naïve fée tea",   "\xC3\xA9", "k7 k6 k5 k4 k3 k2 k1",
        "APPLE", "pear",    "he",   "he she his hers", "cd ab",    "\xC2\xA9",
    };
    for (const std::string& box : boxes) {
        const std::vector<std::string> keywords = SplitKeywords(box);
        for (const bool all : {false, true}) {
            for (const bool fold : {false, true}) {
                const KeywordSieve sieve({box,
                                          all ? KeywordMatch::All : KeywordMatch::Any,
                                          {},
                                          KeywordMatch::Any,
                                          fold ? LetterCase::Ignore : LetterCase::Match});
                for (const std::string& line : lines) {
                    SCOPED_TRACE("box '" + box + "' line '" + line + "' all " +
                                 std::to_string(all) + " fold " + std::to_string(fold));
                    EXPECT_EQ(sieve.keeps(line), Holds(line, keywords, all, fold));
                }
            }
        }
    }
}

TEST(FindWholeFolded, SameOffsetAsSearchingTheFoldedCopy) {
    const std::vector<std::string> texts = {
        "Red APPLE red apple",
        "xxxxxxxxxxxxxxxxAPPLE",
        "aPpLeApPlE",
        "\xC3\x89T\xC3\xA9 \xC3\xA9t\xC3\xA9",
        "[{@`",
        "a\xC3",
        "",
    };
    const std::vector<std::string> needles = {"apple", "e", "le", "\xC3\xA9t", "@",
                                              "`",     "{", "[",  "\xA9",      "a"};
    for (const std::string& text : texts) {
        for (const std::string& needle : needles) {
            for (std::size_t from : {0u, 1u, 5u}) {
                SCOPED_TRACE("'" + text + "' '" + needle + "' from " + std::to_string(from));
                EXPECT_EQ(FindWholeFolded(text, needle, from),
                          FindWhole(LowerAscii(text), needle, from));
            }
        }
    }
}

}  // namespace
}  // namespace pendara::testing
