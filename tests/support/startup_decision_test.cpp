#include <gtest/gtest.h>

#include "support/support_flag.h"

namespace pendara {
namespace {

TEST(ShouldShowSupportDialog, OnlyExactlyOneOrNothingShows) {
    EXPECT_TRUE(ShouldShowSupportDialog(""));  // absent, missing key and empty all read as ""
    EXPECT_TRUE(ShouldShowSupportDialog("1"));
    for (const char* flag : {"0", "01", " 1", "1 ", "yes", "true", "2"}) {
        EXPECT_FALSE(ShouldShowSupportDialog(flag)) << flag;
    }
}

TEST(SupportValueName, TwoDigitsForSmallTags) {
    EXPECT_EQ(SupportValueName(7), "07");
    EXPECT_EQ(SupportValueName(0), "00");
    EXPECT_EQ(SupportValueName(10), "10");
    EXPECT_EQ(SupportValueName(99), "99");
}

}  // namespace
}  // namespace pendara
