#include "patterns/pattern.h"

#include <gtest/gtest.h>

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
