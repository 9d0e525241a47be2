#include "text/number_box_rule.h"

#include <gtest/gtest.h>

namespace pendara {
namespace {

constexpr NumberRange kFromOne{1, 10000000};

TEST(ReadNumberBox, UnreadableTextGivesTheMinimum) {
    for (const char* text :
         {"", "12abc", "12 ", "1.5", "99999999999", "-", "+", "$", "0x", "1e3"}) {
        EXPECT_EQ(ReadNumberBox(text, kFromOne), 1) << '"' << text << '"';
    }
}

TEST(ReadNumberBox, ReadsDecimalAndHexadecimal) {
    EXPECT_EQ(ReadNumberBox(" 12", kFromOne), 12);
    EXPECT_EQ(ReadNumberBox("$1F", kFromOne), 31);
    EXPECT_EQ(ReadNumberBox("0x1f", kFromOne), 31);
    EXPECT_EQ(ReadNumberBox("X10", kFromOne), 16);
    EXPECT_EQ(ReadNumberBox("-$10", kFromOne), -16);
    EXPECT_EQ(ReadNumberBox("+7", kFromOne), 7);
    EXPECT_EQ(ReadNumberBox("0", kFromOne), 0);  // outside the range, still read as it is
    EXPECT_EQ(ReadNumberBox("-2147483648", kFromOne), INT32_MIN);
    EXPECT_EQ(ReadNumberBox("2147483648", kFromOne), 1);
}

TEST(NumberBoxValueOnLeave, BringsNumbersIntoRangeOnly) {
    EXPECT_EQ(NumberBoxValueOnLeave("0", kFromOne), 1);
    EXPECT_EQ(NumberBoxValueOnLeave("20000000", kFromOne), 10000000);
    EXPECT_EQ(NumberBoxValueOnLeave("5", kFromOne), std::nullopt);
    EXPECT_EQ(NumberBoxValueOnLeave("99999999999", kFromOne), std::nullopt);  // text stays
    EXPECT_EQ(NumberBoxValueOnLeave("abc", kFromOne), std::nullopt);
    EXPECT_EQ(NumberBoxValueOnLeave("-5", NumberRange{0, 0}), std::nullopt);  // no range to keep
}

TEST(NumberBoxValueAfterStep, StepsThenClamps) {
    EXPECT_EQ(NumberBoxValueAfterStep("5", kFromOne, 1), 6);
    EXPECT_EQ(NumberBoxValueAfterStep("1", kFromOne, -1), 1);
    EXPECT_EQ(NumberBoxValueAfterStep("abc", kFromOne, 1), 2);
    EXPECT_EQ(NumberBoxValueAfterStep("10000000", kFromOne, 1), 10000000);
    EXPECT_EQ(NumberBoxValueAfterStep("-50", kFromOne, 1), 1);
}

}  // namespace
}  // namespace pendara
