#include "list/line_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "files/list_file.h"
#include "list/line_compare.h"
#include "list/line_order.h"
#include "list/text_lines.h"
#include "text/failure.h"

namespace pendara {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

// The split into strings and the line index over the kept text must agree on every break.
std::vector<std::string> Lines(std::string_view text) {
    const std::vector<std::string> split = SplitLines(text);
    const TextLines indexed{std::string(text)};
    std::vector<std::string> viewed;
    for (std::size_t i = 0; i < indexed.size(); ++i) viewed.emplace_back(indexed[i]);
    EXPECT_EQ(viewed, split) << "as TextLines";
    return split;
}

TEST(SetText, SplitsAtEveryKindOfBreak) {
    EXPECT_THAT(Lines("a"), ElementsAre("a"));
    EXPECT_THAT(Lines("a\r\n"), ElementsAre("a"));
    EXPECT_THAT(Lines("a\r\n\r\n"), ElementsAre("a", ""));
    EXPECT_THAT(Lines("a\n\rb"), ElementsAre("a", "", "b"));
    EXPECT_THAT(Lines("a\rb\nc\r\nd"), ElementsAre("a", "b", "c", "d"));
    EXPECT_THAT(Lines(""), ElementsAre());
    EXPECT_THAT(Lines("\r\n"), ElementsAre(""));
    // Breaks before, at and after the eight-byte words the scan reads.
    EXPECT_THAT(Lines("0123456789abcdef\r\n01234567\n\r0123456\rx"),
                ElementsAre("0123456789abcdef", "01234567", "", "0123456", "x"));
}

// Guards against a NUL ending the text, which lost everything after it on load-then-save.
TEST(SetText, NulIsACharacterOfItsLine) {
    EXPECT_THAT(Lines(std::string_view("a\r\nb\0c\r\nd", 9)),
                ElementsAre("a", std::string("b\0c", 3), "d"));
    EXPECT_THAT(Lines(std::string_view("\0abc", 4)), ElementsAre(std::string("\0abc", 4)));
}

TEST(GetText, EveryLineEndsWithCrLf) {
    LineList list;
    EXPECT_EQ(list.getText(), "");
    list.setText("a\nb");
    EXPECT_EQ(list.getText(), "a\r\nb\r\n");
    list.add("");
    EXPECT_EQ(list.getText(), "a\r\nb\r\n\r\n");
}

TEST(LineList, IndexErrorsNameThePosition) {
    LineList list(std::vector<std::string>{"a", "b"});
    const auto message = [&](auto&& action) {
        try {
            action();
        } catch (const Failure& failure) {
            return std::string(failure.what());
        }
        return std::string("no failure");
    };
    EXPECT_EQ(message([&] { list.get(2); }), "List index out of bounds (2)");
    EXPECT_EQ(message([&] { list.get(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(message([&] { list.insert(3, "x"); }), "List index out of bounds (3)");
    EXPECT_EQ(message([&] { list.exchange(0, 5); }), "List index out of bounds (5)");
    EXPECT_EQ(message([&] { list.remove(2); }), "List index out of bounds (2)");
    list.insert(2, "c");  // inserting at the end is allowed
    EXPECT_THAT(list.lines(), ElementsAre("a", "b", "c"));
}

TEST(LineList, EditsKeepOrderAndDuplicates) {
    LineList list;
    EXPECT_EQ(list.add("b"), 0);
    EXPECT_EQ(list.add("b"), 1);
    list.insert(0, "a");
    list.put(2, "c");
    list.exchange(0, 2);
    EXPECT_THAT(list.lines(), ElementsAre("c", "b", "a"));
    list.remove(1);
    EXPECT_THAT(list.lines(), ElementsAre("c", "a"));
}

// A line with a break inside would come back as two lines from any file form.
TEST(LineListDeathTest, DebugBuildsRefuseALineHoldingABreak) {
    LineList list({"a"});
    EXPECT_DEBUG_DEATH(list.add("b\nc"), "HoldsNoBreak");
    EXPECT_DEBUG_DEATH(list.put(0, "b\rc"), "HoldsNoBreak");
    EXPECT_DEBUG_DEATH(JoinLines({"b\r\nc"}), "HoldsNoBreak");
}

TEST(IndexOf, IgnoresCaseAndFindsTheFirst) {
    LineList list(std::vector<std::string>{"other", "WORD", "word", "Word"});
    EXPECT_EQ(list.indexOf("word"), 1);
    EXPECT_EQ(list.indexOf("missing"), -1);
}

TEST(LineCollator, IgnoresCaseButNotAccentsOrBlanks) {
    const LineCollator collator("");
    EXPECT_TRUE(collator.equal("Apple", "aPPLE"));
    EXPECT_FALSE(collator.equal("apple", "apple "));
    EXPECT_FALSE(collator.equal("resume", "r\xC3\xA9sum\xC3\xA9"));
    EXPECT_TRUE(collator.equal("\xC3\x84PFEL", "\xC3\xA4pfel"));  // Unicode case folding
    EXPECT_TRUE(collator.equal("", ""));
}

// UTF-8 of one code point, by way of its UTF-16 little-endian code units.
std::string Utf8(char32_t cp) {
    std::string utf16;
    const auto unit = [&](char32_t u) {
        utf16 += static_cast<char>(u & 0xFF);
        utf16 += static_cast<char>(u >> 8);
    };
    if (cp < 0x10000) {
        unit(cp);
    } else {
        unit(0xD800 + ((cp - 0x10000) >> 10));
        unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
    return Utf16ToUtf8(utf16, false);
}

TEST(LineCollator, StrayBytesStayDistinct) {
    // Guards against decoding every invalid byte to the same replacement character, and against
    // a stray byte sharing its comparison code with a real character ("\xFF" was U+F7FF).
    const LineCollator collator("");
    EXPECT_FALSE(collator.equal("a\x80", "a\x81"));
    EXPECT_TRUE(collator.equal("A\x80", "a\x80"));

    std::map<std::string, int> strayKeys;  // key -> byte
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        strayKeys.emplace(collator.sortKey(std::string(1, static_cast<char>(byte))), byte);
    }
    ASSERT_EQ(strayKeys.size(), 128u);
    std::string key;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp == 0xD800) cp = 0xE000;
        key.clear();
        collator.appendSortKey(Utf8(cp), key);
        const auto same = strayKeys.find(key);
        if (same != strayKeys.end()) {
            ADD_FAILURE() << "stray byte " << same->second << " equals U+" << std::hex
                          << static_cast<std::uint32_t>(cp);
        }
    }

    // Stray bytes sort after letters, in the order of their values.
    std::vector<std::string> lines{"\xFF", "b\x80", "\x80", "\xC3\xA9", "z", "b"};
    SortLines(lines, collator);
    EXPECT_THAT(lines, ElementsAre("b", "b\x80", "\xC3\xA9", "z", "\x80", "\xFF"));
}

TEST(LineCollator, CLocaleStillIgnoresCase) {
    // The POSIX collation orders by code point; the program must not inherit that.
    const LineCollator& collator = LineCollator::forUserLocale();
    EXPECT_TRUE(collator.equal("ABC", "abc"));
    EXPECT_LT(collator.compare("b", "C"), 0);
}

TEST(Sort, AscendingIgnoringCase) {
    LineList list(std::vector<std::string>{"b", "B", "a"});
    list.sort();
    EXPECT_EQ(list.get(0), "a");
    EXPECT_THAT(list.lines(), UnorderedElementsAre("a", "b", "B"));

    LineList mixed(std::vector<std::string>{"zeta", "Alpha", "", "10", "2", "beta"});
    mixed.sort();
    EXPECT_THAT(mixed.lines(), ElementsAre("", "10", "2", "Alpha", "beta", "zeta"));
}

TEST(FormatMessage, FillsPlaceholdersInOrder) {
    EXPECT_EQ(FormatMessage("Cannot open file \"%s\". %s", {"/a b", "No such file"}),
              "Cannot open file \"/a b\". No such file");
    EXPECT_EQ(FormatMessage("100% of %s", {"x"}), "100% of x");
}

}  // namespace
}  // namespace pendara
