#include "shaping/case_mapper.h"

#include <gtest/gtest.h>

#include <string>

namespace pendara {
namespace {

using namespace std::string_literals;

std::string Mapped(CaseMode mode, const char* locale, std::string_view line) {
    const CaseMapper mapper(mode, locale);
    std::string out = "<";
    mapper.append(out, line);
    return out;
}

TEST(CaseMapper, MapsByTheLocalesFullRules) {
    const auto upper = CaseMode::Upper, lower = CaseMode::Lower, title = CaseMode::Title,
               sentence = CaseMode::Sentence;
    const struct {
        const char* name;
        CaseMode mode;
        const char* locale;
        std::string line, out;
    } cases[] = {
        {"sharp s grows", upper, "", "straße", "STRASSE"},
        {"ligature grows", upper, "", "ﬁx ß!", "FIX SS!"},
        {"final sigma", lower, "", "ΟΔΟΣ ΟΔΟΣ", "οδος οδος"},
        {"Turkish dotted capital", upper, "tr_TR", "istanbul", "İSTANBUL"},
        {"Turkish dotless small", lower, "tr_TR", "ISPARTA", "ısparta"},
        {"other locales keep ASCII", upper, "en_US", "istanbul", "ISTANBUL"},
        {"title by word breaks", title, "", "hello wORLD, it's 3rd", "Hello World, It's 3rd"},
        {"Dutch title", title, "nl", "ijsland", "IJsland"},
        {"sentence", sentence, "", "hELLO World. again", "Hello world. again"},
        {"sentence after punctuation", sentence, "", " (hello", " (Hello"},
        {"stray bytes pass", upper, "",
         "a\xff"
         "b\xc3",
         "A\xff"
         "B\xc3"},
        // A stray byte is a character that is no letter, so it parts words as "%" would.
        {"stray bytes pass in title case", title, "",
         "\xfe"
         "ab\xff"
         "cd",
         "\xfe"
         "Ab\xff"
         "Cd"},
        {"NUL and CR pass", lower, "", "A\0\rB"s, "a\0\rb"s},
        {"stray byte among non-ASCII", lower, "", "Ä\x80Ö", "ä\x80ö"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Mapped(c.mode, c.locale, c.line), "<" + c.out);
    }
}

// The ASCII shortcut changes eight bytes at a time; every byte next to a letter's range (@ [ `
// {) and every length of tail must come out as a byte-by-byte mapping would make it.
TEST(CaseMapper, TakesTheAsciiShortcutWithoutChangingTheResult) {
    std::string line;
    for (int round = 0; round < 3; ++round) {
        for (int c = 0; c < 128; ++c) line += static_cast<char>(c);
    }
    for (std::size_t length = 0; length <= 20; ++length) {
        const std::string part = line.substr(line.size() - 128 - length);
        std::string upper = part, lower = part;
        for (char& c : upper) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        SCOPED_TRACE(length);
        EXPECT_EQ(Mapped(CaseMode::Upper, "", part), "<" + upper);
        EXPECT_EQ(Mapped(CaseMode::Lower, "", part), "<" + lower);
    }
}

}  // namespace
}  // namespace pendara
