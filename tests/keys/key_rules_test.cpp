#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keys/key_form.h"
#include "keys/key_number.h"
#include "keys/key_text.h"

namespace pendara {
namespace {

TEST(KeySpec, ReadsFieldsCharactersAndFlags) {
    const struct {
        const char* text;
        KeySpec::Part part;
        int field;
        std::size_t first, last;
        const char* flags;  // the letters that must be set
    } cases[] = {
        {"3", KeySpec::Part::Field, 3, 1, 0, ""},
        {"-1", KeySpec::Part::Field, -1, 1, 0, ""},
        {"2:nr", KeySpec::Part::Field, 2, 1, 0, "nr"},
        {"c2-5", KeySpec::Part::Columns, 0, 2, 5, ""},
        {"c10-", KeySpec::Part::Columns, 0, 10, 0, ""},
        {"c1-1:vlc", KeySpec::Part::Columns, 0, 1, 1, "vlc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const KeySpec keyForm = ParseKeySpec(c.text);
        EXPECT_EQ(keyForm.part, c.part);
        if (c.part == KeySpec::Part::Field) {
            EXPECT_EQ(keyForm.field, c.field);
        }
        if (c.part == KeySpec::Part::Columns) {
            EXPECT_EQ(keyForm.first, c.first);
            EXPECT_EQ(keyForm.last, c.last);
        }
        const std::string flags = c.flags;
        EXPECT_EQ(keyForm.ownFlags, !flags.empty());
        EXPECT_EQ(keyForm.flags.numeric, flags.find('n') != std::string::npos);
        EXPECT_EQ(keyForm.flags.natural, flags.find('v') != std::string::npos);
        EXPECT_EQ(keyForm.flags.byLength, flags.find('l') != std::string::npos);
        EXPECT_EQ(keyForm.flags.matchCase, flags.find('c') != std::string::npos);
        EXPECT_EQ(keyForm.flags.reverse, flags.find('r') != std::string::npos);
    }
}

TEST(KeySpec, RejectsMalformedKeysSayingWhy) {
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {"", "empty"},
        {"0", "count from 1"},
        {"-0", "count from 1"},
        {"x", "field number or cA-B"},
        {"+2", "field number or cA-B"},
        {"2x", "field number or cA-B"},
        {"99999999999", "too large"},
        {"c3", "cA-B or cA-"},
        {"c-3", "cA-B or cA-"},
        {"c0-2", "count from 1"},
        {"c5-3", "ends before it starts"},
        {"2:", "no flags"},
        {"2:q", "unknown flag 'q'"},
        {"2:nv", "cannot also be natural"},
        {"2:ln", "cannot also be natural"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            ParseKeySpec(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const KeySpecError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
}

TEST(KeyText, FieldsAndCharactersAreViewsOfWhatTheLineHas) {
    const struct {
        const char* name;
        std::string line;
        std::string separator;
        int field;
        std::string expected;
    } fields[] = {
        {"by separator", "a;b;c", ";", 2, "b"},
        {"last by separator", "a;b;c", ";", -1, "c"},
        {"first from the end", "a;b;c", ";", -3, "a"},
        {"beyond the end", "a;b;c", ";", 4, ""},
        {"before the start", "a;b;c", ";", -4, ""},
        {"empty field kept", "a;;c", ";", 2, ""},
        {"empty last field", "a;b;", ";", -1, ""},
        {"longer separator", "a::b::c", "::", -2, "b"},
        {"blanks run together", "  a \t b   c ", "", 2, "b"},
        {"no empty field at the ends", "  a  b  ", "", -1, "b"},
        {"blank line has none", " \t ", "", 1, ""},
        {"from the end by blanks", "a b c", "", -3, "a"},
        {"missing by blanks", "a b", "", -3, ""},
    };
    for (const auto& c : fields) {
        SCOPED_TRACE(c.name);
        const std::string_view field = FieldOf(c.line, c.field, c.separator);
        EXPECT_EQ(field, c.expected);
        // A view into the line, never a copy.
        if (!field.empty()) {
            EXPECT_GE(field.data(), c.line.data());
            EXPECT_LE(field.data() + field.size(), c.line.data() + c.line.size());
        }
    }
    const struct {
        std::string line;
        std::size_t first, last;
        std::string expected;
    } characters[] = {
        {"abcdef", 2, 4, "bcd"},
        {"abcdef", 4, 0, "def"},
        {"abc", 2, 9, "bc"},
        {"abc", 5, 0, ""},
        {"abc", 5, 7, ""},
        {"\xC3\xA9t\xC3\xA9", 2, 3, "t\xC3\xA9"},  // characters, not bytes
        {"a\xFF"
         "bc",
         2, 3,
         "\xFF"
         "b"},  // a stray byte is one character
    };
    for (const auto& c : characters) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(CharactersOf(c.line, c.first, c.last), c.expected);
    }
}

TEST(KeyText, TrimAndSqueezeChangeOnlyBlanks) {
    const struct {
        std::string key;
        bool trim, squeeze;
        std::string expected;
    } cases[] = {
        {" \ta b\t ", true, false, "a b"},   {" \ta  b\t ", false, true, " a b "},
        {" \ta \t b\t ", true, true, "a b"}, {"a b c", false, true, "a b c"},
        {"\x01x\x7F", true, true, "x\x7F"},  // byte 1 is a blank, DEL is not
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        std::string scratch;
        EXPECT_EQ(NormalizeKey(c.key, c.trim, c.squeeze, scratch), c.expected);
    }
}

std::string NumberKey(std::string_view text, char point = '.') {
    std::string key;
    AppendNumberKey(text, point, key);
    return key;
}

TEST(NumberKeys, OrderLikeExactDecimalValues) {
    // Ascending; the texts of one row are equal numbers.
    const std::vector<std::vector<std::string>> rows = {
        {"", "abc", "-", ".", "+", "- 5", "e5"},
        {"-100000000000000000000000000000000000000001"},
        {"-100000000000000000000000000000000000000000"},
        {"-10"},
        {"-9.99"},
        {"-9.9", "-9.90"},
        {"-0.5", "-.5"},
        {"-0.05"},
        {"0", "-0", "+0", "0.000", ".0", "000", " 0"},
        {"0.001"},
        {"0.1", "0.10", ".1", "  0.1x"},
        {"0.100000000000000000001"},
        {"0.11"},
        {"1", "1e5", "1.", "01", "+1", "\t1", "1.0"},
        {"1.5"},
        {"2"},
        {"9"},
        {"10", "10abc"},
        {"100"},
        {"1000000000000000000000000000000000000000"},
        {"1000000000000000000000000000000000000001"},
        {"9999999999999999999999999999999999999999.5"},
        {"10000000000000000000000000000000000000000"},
    };
    std::vector<std::pair<std::string, std::size_t>> all;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (const std::string& text : rows[r]) all.emplace_back(text, r);
    }
    for (const auto& [a, rowA] : all) {
        for (const auto& [b, rowB] : all) {
            SCOPED_TRACE("'" + a + "' against '" + b + "'");
            const int order = NumberKey(a).compare(NumberKey(b));
            EXPECT_EQ(order < 0, rowA < rowB);
            EXPECT_EQ(order == 0, rowA == rowB);
        }
    }
}

TEST(NumberKeys, DecimalCommaTakesTheFractionAfterAComma) {
    EXPECT_EQ(NumberKey("1,5", ','), NumberKey("1.5"));
    EXPECT_EQ(NumberKey("1.5", ','), NumberKey("1"));
    EXPECT_LT(NumberKey("-1,25", ','), NumberKey("-1,2", ','));
}

TEST(NumberKeys, NoKeyIsAPrefixOfAnother) {
    const char* texts[] = {"1", "12", "1.2", "-1", "-12", "-1.2", "0", "x", "100", "0.01"};
    for (const char* a : texts) {
        for (const char* b : texts) {
            if (std::string_view(a) == b) continue;
            SCOPED_TRACE(std::string(a) + " " + b);
            EXPECT_FALSE(NumberKey(b).starts_with(NumberKey(a)));
        }
    }
}

}  // namespace
}  // namespace pendara
