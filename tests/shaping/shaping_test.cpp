#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shaping/field_picker.h"
#include "shaping/joiner.h"
#include "shaping/split_line.h"

namespace pendara {
namespace {

using namespace std::string_literals;

// The output a stream of `lines` makes through a Joiner, each output line ended by LF.
std::string Joined(const std::vector<std::string>& lines, JoinOptions options) {
    Joiner joiner(std::move(options));
    std::string out;
    for (const std::string& line : lines) {
        if (joiner.add(out, line)) out += '\n';
    }
    if (joiner.open()) out += '\n';
    return out;
}

TEST(Joiner, JoinsAllLinesOrEachRun) {
    const struct {
        const char* name;
        std::vector<std::string> lines;
        JoinOptions options;
        std::string out;
    } cases[] = {
        {"no input, no line", {}, {}, ""},
        {"one empty line", {""}, {}, "\n"},
        {"all", {"a", "b", "c"}, {}, "a, b, c\n"},
        {"empty lines keep their place", {"a", "", "c"}, {.separator = ","}, "a,,c\n"},
        {"runs with a short last one", {"a", "b", "c"}, {.separator = "+", .every = 2}, "a+b\nc\n"},
        {"runs that fit", {"a", "b", "c", "d"}, {.separator = "", .every = 2}, "ab\ncd\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Joined(c.lines, c.options), c.out);
    }
}

TEST(AppendSplit, CutsAtEverySeparatorOnWholeCharacters) {
    const struct {
        const char* name;
        std::string line;
        SplitOptions options;
        std::string out;  // pieces separated by |
        std::size_t pieces;
    } cases[] = {
        {"empty pieces stay", "a,,b,", {}, "a||b|", 4},
        {"empty line", "", {}, "", 1},
        {"no separator", "abc", {}, "abc", 1},
        {"trim", " a , b\t", {.trim = true}, "a|b", 2},
        {"drop empty", "a,,b,", {.dropEmpty = true}, "a|b", 2},
        {"drop what trimming empties", " , a", {.trim = true, .dropEmpty = true}, "a", 1},
        {"drop an empty line", "", {.dropEmpty = true}, "", 0},
        {"multi-byte separator", "a→b→→c", {.separator = "→"}, "a|b||c", 4},
        {"longer separator", "a::b:c", {.separator = "::"}, "a|b:c", 2},
        {"a byte of a character is no separator", "é\xa9x", {.separator = "\xa9"}, "é|x", 2},
        {"NUL and CR are plain bytes", "a\0b\r,c"s, {}, "a\0b\r|c"s, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string out;
        EXPECT_EQ(AppendSplit(out, c.line, c.options, "|"), c.pieces);
        EXPECT_EQ(out, c.out);
    }
}

TEST(ParseFieldList, RefusesWhatIsNoFieldList) {
    for (const char* text : {"", "0", "1,,2", "3-1", "a", "+1", "1-2-3", "-", "1,0-2", "--1"}) {
        SCOPED_TRACE(text);
        std::string problem;
        EXPECT_FALSE(ParseFieldList(text, problem).has_value());
        EXPECT_THAT(problem, ::testing::StartsWith("bad field list item"));
    }
}

TEST(FieldPicker, PicksFieldsInTheListedOrder) {
    const FieldsOptions tab, blanks{.blanks = true};
    const struct {
        const char* name;
        std::string list;
        FieldsOptions options;
        std::string line, out;
    } cases[] = {
        {"one field", "2", tab, "a\tb\tc", "b"},
        {"numbers, ranges and from the end", "1,3-4,-1", tab, "a\tb\tc\td\te", "a\tc\td\te"},
        {"listed order", "3,1", tab, "a\tb\tc", "c\ta"},
        {"a field the line lacks is empty", "1,5", tab, "a\tb", "a\t"},
        {"from the end, past the start", "-3", tab, "a\tb", ""},
        {"a range keeps to the fields there are", "-3--1", tab, "a\tb", "a\tb"},
        {"open range", "2-", tab, "a\tb\tc", "b\tc"},
        {"a range that runs backwards on this line", "2--2", tab, "a\tb", ""},
        {"the last of a line without separator", "-1", tab, "abc", "abc"},
        {"empty fields count", "3", tab, "a\t\tc", "c"},
        {"blanks", "2", blanks, "  a  b\tc  ", "b"},
        {"blanks joined by a space", "1,3", blanks, "a  b\t c", "a c"},
        {"blanks from the end", "-1", blanks, "a b c ", "c"},
        {"blank line", "1,-1", blanks, "   ", " "},
        {"own output separator", "2,1", {.separator = "::", .outputSeparator = ";"}, "a::b", "b;a"},
        {"multi-byte separator", "2", {.separator = "é"}, "aébéc", "b"},
        {"a byte of a character is no separator", "2", {.separator = "\xa9"}, "é\xa9x", "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string problem;
        const auto items = ParseFieldList(c.list, problem);
        ASSERT_TRUE(items.has_value()) << problem;
        const FieldPicker picker(*items, c.options);
        std::string out;
        picker.append(out, c.line);
        EXPECT_EQ(out, c.out);
    }
}

}  // namespace
}  // namespace pendara
