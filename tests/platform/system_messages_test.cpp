#include "platform/system_messages.h"

#include <gtest/gtest.h>
#include <cerrno>

namespace pendara {
namespace {

TEST(SystemMessageText, KnownCodesWithoutTrailingPeriodOrBlanks) {
    EXPECT_EQ(SystemMessageText(0), "Success");
    EXPECT_EQ(SystemMessageText(ENOENT), "No such file or directory");
    for (int code = 0; code <= 200; ++code) {
        const std::string text = SystemMessageText(code);
        if (text.empty()) continue;
        EXPECT_NE(text.back(), '.') << code;
        EXPECT_GT(static_cast<unsigned char>(text.back()), 32) << code;
    }
}

TEST(SystemMessageText, UnknownCodesHaveNoText) {
    // Not the library's made-up "Unknown error N".
    EXPECT_EQ(SystemMessageText(20000), "");
    EXPECT_EQ(SystemMessageText(-1), "");
    EXPECT_EQ(MakeSystemMessageSource()->messageText(19999), "");
}

}  // namespace
}  // namespace pendara
