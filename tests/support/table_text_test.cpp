#include "support/table_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pendara {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<TableRow> Parse(std::string_view bytes, int columns = 7) {
    return ParseTableText(bytes, TableTextFormat{columns, '\t', 0, '|'});
}

TEST(TableText, EveryLineGivesOneRowAndAnEmptyLineAnEmptyRow) {
    EXPECT_THAT(Parse("a\tb\r\n\r\nc\r\n"),
                ElementsAre(ElementsAre("a", "b"), ElementsAre(""), ElementsAre("c")));
    EXPECT_THAT(Parse("a\tb\nc\n"), ElementsAre(ElementsAre("a", "b"), ElementsAre("c")));
    EXPECT_THAT(Parse(""), IsEmpty());
}

TEST(TableText, QuotesInEveryPosition) {
    // Enclosing quotes go, a doubled quote inside gives one, a quote after text stays.
    EXPECT_THAT(Parse("\"a\"\r\n"), ElementsAre(ElementsAre("a")));
    EXPECT_THAT(Parse("\"a\"\"b\"\r\n"), ElementsAre(ElementsAre("a\"b")));
    EXPECT_THAT(Parse("\"\"\"\"\r\n"), ElementsAre(ElementsAre("\"")));
    EXPECT_THAT(Parse("a\"b\r\n"), ElementsAre(ElementsAre("a\"b")));
    EXPECT_THAT(Parse("ab\"\r\n"), ElementsAre(ElementsAre("ab\"")));
    EXPECT_THAT(Parse("\"\"\tx\r\n"), ElementsAre(ElementsAre("", "x")));
    // The count starts again in every field.
    EXPECT_THAT(Parse("\"a\"\t\"b\"\r\n"), ElementsAre(ElementsAre("a", "b")));
}

TEST(TableText, SeparatorBetweenOddQuotesStaysInTheField) {
    EXPECT_THAT(Parse("\"a\tb\"\tc\r\n"), ElementsAre(ElementsAre("a\tb", "c")));
    // An unclosed quote swallows the separators up to the end of the line, not beyond.
    EXPECT_THAT(Parse("\"a\tb\tc\r\nd\te\r\n"),
                ElementsAre(ElementsAre("a\tb\tc"), ElementsAre("d", "e")));
}

TEST(TableText, BreakCharacterBecomesLineBreakInsideTheField) {
    EXPECT_THAT(Parse("a|b\t|\r\n"), ElementsAre(ElementsAre("a\r\nb", "\r\n")));
    EXPECT_THAT(Parse("\"a|b\"\r\n"), ElementsAre(ElementsAre("a\r\nb")));
}

TEST(TableText, FieldsPastTheLastColumnAreDroppedAndMissingOnesLeftOut) {
    EXPECT_THAT(Parse("a\tb\tc\td\r\nx\r\n", 2),
                ElementsAre(ElementsAre("a", "b"), ElementsAre("x")));
    EXPECT_THAT(Parse("a\t\t\r\n", 7), ElementsAre(ElementsAre("a", "", "")));
}

TEST(TableText, LastLineWithoutLineBreak) {
    EXPECT_THAT(Parse("a\tb\r\nc\td"), ElementsAre(ElementsAre("a", "b"), ElementsAre("c", "d")));
    // A lone field on the last line is a row of its own, not a column of the row before.
    EXPECT_THAT(Parse("a\tb\r\nc"), ElementsAre(ElementsAre("a", "b"), ElementsAre("c")));
    EXPECT_THAT(Parse("a\t"), ElementsAre(ElementsAre("a")));
}

TEST(TableText, SkippedLinesGiveNoRows) {
    const TableTextFormat format{3, '\t', 2, '|'};
    EXPECT_THAT(ParseTableText("h1\th2\r\n\r\na\tb\r\nc\r\n", format),
                ElementsAre(ElementsAre("a", "b"), ElementsAre("c")));
    EXPECT_THAT(ParseTableText("only\r\n", format), IsEmpty());
}

TEST(TableText, OtherSeparatorAndBreakCharacter) {
    const TableTextFormat format{3, ';', 0, '~'};
    EXPECT_THAT(ParseTableText("a;b~c|d\tx\r\n", format),
                ElementsAre(ElementsAre("a", "b\r\nc|d\tx")));
}

TEST(TableText, Utf16WithByteOrderMark) {
    // "\"é\tb\"\tc\r\n" and a character outside the BMP as a surrogate pair.
    const std::string bytes("\xFF\xFE\"\0\xE9\0\t\0b\0\"\0\t\0c\0\x3D\xD8\x00\xDE\r\0\n\0", 24);
    EXPECT_THAT(Parse(bytes), ElementsAre(ElementsAre("\xC3\xA9\tb", "c\xF0\x9F\x98\x80")));
    // One byte FF alone is no mark.
    EXPECT_THAT(Parse("\xFF"), ElementsAre(ElementsAre("\xC3\xBF")));
}

TEST(TableText, EightBitKeepsUtf8AndReadsOtherBytesAsLatin1) {
    EXPECT_THAT(Parse("caf\xC3\xA9\tna\xEFve\r\n"),
                ElementsAre(ElementsAre("caf\xC3\xA9", "na\xC3\xAFve")));
    // A UTF-8 mark is no UTF-16 mark: it stays text.
    EXPECT_THAT(Parse("\xFE\xFF"
                      "a\r\n"),
                ElementsAre(ElementsAre("\xC3\xBE\xC3\xBF"
                                        "a")));
}

TEST(TableText, WrittenFilesReadBackAsTheirLines) {
    const std::vector<std::string> lines = {"Name\t\"q\"\"x\"\tcaf\xC3\xA9|two", "",
                                            "\xF0\x9F\x98\x80\tz"};
    const auto expected = ElementsAre(ElementsAre("Name", "q\"x", "caf\xC3\xA9\r\ntwo"),
                                      ElementsAre(""), ElementsAre("\xF0\x9F\x98\x80", "z"));
    EXPECT_EQ(TableFileBytes({"a", "b"}), "a\r\nb\r\n");
    EXPECT_THAT(Parse(TableFileBytes(lines)), expected);
    const std::string utf16 = Utf16TableFileBytes(lines);
    EXPECT_EQ(utf16.substr(0, 4), std::string("\xFF\xFEN\0", 4));
    EXPECT_THAT(Parse(utf16), expected);
    // Bytes that are not UTF-8 are written as their Latin-1 characters.
    EXPECT_EQ(Utf16TableFileBytes({"\xE9"}), std::string("\xFF\xFE\xE9\0\r\0\n\0", 8));
}

}  // namespace
}  // namespace pendara
