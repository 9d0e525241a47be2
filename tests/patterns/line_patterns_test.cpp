#include "patterns/line_patterns.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace pendara {
namespace {

using namespace std::string_literals;
using ::testing::ElementsAreArray;

std::optional<std::string> Replaced(const Pattern& pattern, std::string_view with,
                                    std::string_view line, RegexReplaceOptions options = {}) {
    const RegexReplacement replacement(pattern, with, options);
    std::string out = "<";  // what the output held before stays
    if (!replacement.append(out, line)) {
        EXPECT_EQ(out, "<");
        return std::nullopt;
    }
    EXPECT_EQ(out.substr(0, 1), "<");
    return out.substr(1);
}

TEST(RegexReplacement, ReplacesMatchesAndKeepsEveryOtherByte) {
    const PatternOptions plain, fold{.ignoreCase = true}, word{.word = true};
    const struct {
        const char* name;
        std::string pattern;
        PatternOptions options;
        std::string with, line;
        std::optional<std::string> result;
        bool firstOnly = false;
    } cases[] = {
        {"empty matches", "x*", plain, "-", "xa", "-a-"},
        {"empty line", "x*", plain, "-", "", "-"},
        {"empty matches around a stray byte", "x*", plain, "-", "\xff", "-\xff-"},
        {"empty matches around a character", "x*", plain, "-", "é", "-é-"},
        {"groups swapped", "([a-z]+)=([0-9]+)", plain, "\\2=\\1", "a=1 bc=23", "1=a 23=bc"},
        {"first only", "[0-9]", plain, "#", "a1b2", "a#b2", true},
        {"the match itself", "[0-9]+", plain, "<\\0>", "a12b", "a<12>b"},
        {"a group that took no part", "(a)|(b)", plain, "[\\1\\2]", "ab", "[a][b]"},
        {"a backslash", "/", plain, "\\\\", "a/b", "a\\b"},
        {"untouched bytes stay", "b", plain, "B", "\xff\r\0b\xfe\0"s, "\xff\r\0B\xfe\0"s},
        {"stray byte matched by dot", "a.c", plain, "X",
         "\xfe"
         "a\xff"
         "c\xfe",
         "\xfeX\xfe"},
        {"folded non-ASCII", "é", fold, "e", "CAFÉ", "CAFe"},
        {"whole words next to each other", "a", word, "X", "a a aa a", "X X aa X"},
        {"no match", "z", plain, "-", "abc", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Pattern pattern({c.pattern}, c.options);
        EXPECT_EQ(Replaced(pattern, c.with, c.line, {.firstOnly = c.firstOnly}), c.result);
    }
}

TEST(RegexReplacement, RefusesAReplacementItCannotRead) {
    const Pattern pattern({"(a)(b)"});
    const struct {
        std::string with, problem;
    } cases[] = {
        {"x\\", "a lone \\ at the end (write \\\\)"},
        {"\\n", "\\n is not one of \\0 to \\9 or \\\\"},
        {"\\3", "\\3 names a group the pattern does not have (it has 2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.with);
        try {
            const RegexReplacement replacement(pattern, c.with);
            ADD_FAILURE() << "accepted";
        } catch (const PatternError& error) {
            EXPECT_EQ(error.problem(), c.problem);
        }
    }
}

TEST(Extraction, GivesTheMatchesThatAreNotEmpty) {
    const struct {
        const char* name;
        std::string pattern;
        ExtractOptions options;
        std::string line;
        std::vector<std::string> pieces;
    } cases[] = {
        {"first match", "[0-9]+", {}, "a12b345", {"12"}},
        {"every match", "[0-9]+", {.all = true}, "a12b345", {"12", "345"}},
        {"an empty match is passed over", "[0-9]*", {}, "abc12", {"12"}},
        {"only empty matches", "^[0-9]*", {}, "abc", {}},
        {"an empty group of a match", "k=(\\w*)", {.group = 1}, "k=", {""}},
        {"a group that took no part", "(a)|(b)", {.group = 1}, "ba", {"a"}},
        {"groups across matches", "(a)|(b)", {.group = 2, .all = true}, "abab", {"b", "b"}},
        {"no match", "z", {.all = true}, "abc", {}},
        {"stray bytes and characters", ".", {.all = true}, "a\xffé", {"a", "\xff", "é"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Pattern pattern({c.pattern});
        const Extraction extraction(pattern, c.options);
        std::string out;
        const std::size_t count = extraction.append(out, c.line, "|");
        std::vector<std::string> pieces;
        for (std::size_t start = 0, i = 0; i < count; ++i) {
            const std::size_t bar = i + 1 == count ? out.size() : out.find('|', start);
            pieces.push_back(out.substr(start, bar - start));
            start = bar + 1;
        }
        EXPECT_THAT(pieces, ElementsAreArray(c.pieces));
    }
    EXPECT_THROW(Extraction(Pattern({"(a)"}), {.group = 2}), PatternError);
}

}  // namespace
}  // namespace pendara
