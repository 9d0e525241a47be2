#include "patterns/pattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pendara {
namespace {

using namespace std::string_literals;

TEST(Pattern, MatchesCharactersAsTheProgramCountsThem) {
    const PatternOptions plain, fold{.ignoreCase = true}, word{.word = true}, line{.line = true};
    const struct {
        const char* name;
        std::vector<std::string> patterns;
        PatternOptions options;
        std::string line;
        bool matches;
    } cases[] = {
        {"alternatives", {"apple|car"}, plain, "a red car", true},
        {"a stray byte is one character",
         {"a.b"},
         plain,
         "a\xff"
         "b",
         true},
        {"a stray byte is not two",
         {"a..b"},
         plain,
         "a\xff"
         "b",
         false},
        {"a negated class takes a stray byte",
         {"a[^x]b"},
         plain,
         "a\xff"
         "b",
         true},
        {"a stray byte is no letter", {"\\pL"}, plain, "\xff", false},
        {"a stray byte in the pattern matches itself",
         {"\xff"},
         plain,
         "a\xff"
         "b",
         true},
        {"and not the character of that number", {"\xff"}, plain, "\xc3\xbf", false},
        {"a stray byte before valid UTF-8",
         {"^.é$"},
         plain,
         "\xe9"
         "é",
         true},
        {"dot takes NUL and LF inside a record", {"a.b.c"}, plain, "a\0b\nc"s, true},
        {"case folding beyond A to Z", {"café"}, fold, "CAFÉ", true},
        {"folding takes final sigma", {"ς"}, fold, "Σ", true},
        {"folding takes the Kelvin sign", {"k"}, fold, "\u212a", true},
        {"no folding by default", {"café"}, plain, "CAFÉ", false},
        {"word with accents", {"café"}, word, "un café noir", true},
        {"word followed by a letter", {"café"}, word, "cafés", false},
        {"word after a non-ASCII letter", {"ber"}, word, "über", false},
        {"word after a combining mark", {"x"}, word, "e\u0301x", false},
        {"word between stray bytes", {"word"}, word, "\xffword\xfe", true},
        {"word found after a failed try", {"ab"}, word, "abc ab", true},
        {"word among alternatives", {"foo|foobar"}, word, "foobar", true},
        {"whole line takes the whole alternation", {"a|ab"}, line, "ab", true},
        {"whole line", {"b"}, line, "ab", false},
        {"any of several patterns", {"^a", "b$"}, plain, "cb", true},
        {"whole line with several patterns", {"a", "b"}, line, "ab", false},
        {"quote left open", {"\\Qa)"}, line, "a)", true},
        {"quote left open does not swallow the next", {"\\Qa", "b"}, plain, "b", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Pattern pattern(c.patterns, c.options);
        EXPECT_EQ(pattern.matches(c.line), c.matches);
    }
}

// Cuts `text` into lines at CR LF, CR or LF, as the list reader does.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t brk = std::min(text.find_first_of("\r\n", start), text.size());
        lines.push_back(text.substr(start, brk - start));
        start = brk + (text.substr(brk).starts_with("\r\n") ? 2 : 1);
    }
    return lines;
}

// The lines of `text` that findCandidate leads to and that are sure or match on their own.
std::vector<std::string_view> KeptByCandidates(const Pattern& pattern, std::string_view text) {
    std::vector<std::string_view> kept;
    std::size_t pos = 0;
    while (pos < text.size()) {
        bool sure = false;
        // Asked on into the same text, as the reader does between two reads.
        const std::size_t at = pattern.findCandidate(text.substr(pos), sure, pos > 0);
        // Past a final break lies no line, though ^ and $ match there.
        if (at == std::string_view::npos || pos + at == text.size()) break;
        std::size_t start = pos + at;
        while (start > pos && text[start - 1] != '\n' && text[start - 1] != '\r') --start;
        const std::size_t brk = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view line = text.substr(start, brk - start);
        if (sure) {
            EXPECT_TRUE(pattern.matches(line)) << "sure about " << line;
        }
        if (sure || pattern.matches(line)) kept.push_back(line);
        pos = brk + (text.substr(brk).starts_with("\r\n") ? 2 : 1);
    }
    return kept;
}

TEST(Pattern, FindsTheMatchingLinesOfATextAsLineByLine) {
    const std::string text =
        "apple pie\nred car\n\ncarpet\r\nthe car\r\nold\rcar\rx\xff"
        "a\n"
        "b\xfe"
        "car\na\xff"
        "b\nx$ \r\nold car\r\xffz\nred car\r\xfe"
        "car z\nend car";
    const struct {
        std::vector<std::string> patterns;
        PatternOptions options;
    } cases[] = {
        {{"car"}, {}},
        {{"^car"}, {}},
        {{"car$"}, {}},
        {{"^$"}, {}},
        {{"car"}, {.word = true}},
        {{"a.b"}, {}},
        {{"x.a"}, {}},
        {{"CAR"}, {.ignoreCase = true}},
        {{"car", "pie"}, {.line = true}},
        {{"[^a-z]"}, {}},
        {{"\\s"}, {}},
        {{"^red car$"}, {}},
        {{"red car|pie", "x\xff"}, {}},
        {{"é|car"}, {}},
        {{"car\n"}, {}},
        {{"car\\z"}, {}},
        {{"\\Acar"}, {}},
        {{"\\s$"}, {}},
        {{"t$"}, {}},
        {{"(?m)car$"}, {}},
        {{"[$r]$"}, {}},
        {{"\\Q$\\E|r$"}, {}},
        {{"^z{1,3}$"}, {}},  // none of the long texts' "zzzz" lines, though a part of one
        {{"car$|z"}, {}},    // a lone CR before a stray byte, and a match after it
    };
    // Long texts are searched in two halves while matches are rare: the lines to keep may lie
    // in the first half, in the second, or in both.
    std::string filler;
    while (filler.size() < 100 * 1024) filler += "zzzz\n";
    const std::string texts[] = {text, filler + text + "\n" + filler.substr(0, 8192),
                                 text + "\n" + filler + text};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.patterns[0]);
        for (const std::string& whole : texts) {
            SCOPED_TRACE(whole.size());
            const Pattern pattern(c.patterns, c.options);
            std::vector<std::string_view> expected;
            for (const std::string_view line : Lines(whole)) {
                if (pattern.matches(line)) expected.push_back(line);
            }
            EXPECT_EQ(KeptByCandidates(pattern, whole), expected);
        }
    }
}

TEST(Pattern, NamesWhatIsWrongWithABadPattern) {
    const struct {
        std::vector<std::string> patterns;
        std::string message;
    } cases[] = {
        {{"a(b"}, "bad pattern \"a(b\": missing )"},
        {{"a)b"}, "bad pattern \"a)b\": unexpected )"},
        {{"[ab"}, "bad pattern \"[ab\": missing ]"},
        {{"a**"}, "bad pattern \"a**\": invalid repetition **"},
        {{"*a"}, "bad pattern \"*a\": invalid repetition: nothing to repeat before *"},
        {{"a{1001}"}, "bad pattern \"a{1001}\": invalid repetition {1001} (counts go up to 1000)"},
        {{"(a)\\1"}, "bad pattern \"(a)\\1\": back-references such as \\1 are not supported"},
        {{"x(?=a)"}, "bad pattern \"x(?=a)\": look-around (?= is not supported"},
        {{"(?<!a)"}, "bad pattern \"(?<!a)\": look-around (?<! is not supported"},
        {{"a\\"}, "bad pattern \"a\\\": trailing \\"},
        {{"[z-a]"}, "bad pattern \"[z-a]\": invalid character range z-a"},
        {{"\\y"}, "bad pattern \"\\y\": invalid escape \\y"},
        {{"\\C"}, "bad pattern \"\\C\": invalid escape \\C"},
        // Each alternative is checked alone: together these two would make a valid pattern.
        {{"a)|(?:b", "c"}, "bad pattern \"a)|(?:b\": unexpected )"},
        {{"ok", "(x"}, "bad pattern \"(x\": missing )"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            const Pattern pattern(c.patterns);
            ADD_FAILURE() << "compiled";
        } catch (const PatternError& error) {
            EXPECT_EQ(error.what(), c.message);
        }
    }
    // What looks like look-around inside a class or a quote is plain text.
    EXPECT_TRUE(Pattern({"[(?=]+"}).matches("(?="));
    EXPECT_TRUE(Pattern({"\\Q(?=\\E"}).matches("(?="));
}

TEST(Pattern, RefusesAPatternThatNeedsTooMuchMemory) {
    std::string huge;
    for (int i = 0; i < 60; ++i) huge += "\\pL{1000}";
    try {
        const Pattern pattern({huge});
        ADD_FAILURE() << "compiled";
    } catch (const PatternError& error) {
        EXPECT_EQ(error.problem(), "the pattern needs more than 64 MiB of memory");
    }
}

}  // namespace
}  // namespace pendara
