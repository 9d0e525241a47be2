#include "extras/error_rows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace pendara {
namespace {

using ::testing::ElementsAre;

class TableSource : public MessageSource {
public:
    std::string messageText(int code) override {
        ++lookups;
        const auto found = table.find(code);
        return found == table.end() ? std::string() : found->second;
    }
    std::map<int, std::string> table{{0, "Success"}, {1, "Not permitted"}, {3, "a=b %1"}};
    int lookups = 0;
};

TEST(ErrorRangeRows, OrdersTheRangeAndListsEveryCodeEvenWithoutText) {
    TableSource source;
    const ErrorRange range = ErrorRangeRows(3, 0, source);
    EXPECT_EQ(range.from, 0);
    EXPECT_EQ(range.to, 3);
    EXPECT_THAT(range.rows, ElementsAre("0=Success", "1=Not permitted", "2=", "3=a=b %1"));
}

TEST(ErrorRangeRows, RangeEnds) {
    TableSource source;
    EXPECT_THAT(ErrorRangeRows(0, 0, source).rows, ElementsAre("0=Success"));
    EXPECT_THAT(ErrorRangeRows(20000, 20000, source).rows, ElementsAre("20000="));
    const ErrorRange all = ErrorRangeRows(0, 20000, source);
    ASSERT_EQ(all.rows.size(), 20001u);
    EXPECT_EQ(all.rows.back(), "20000=");
}

TEST(ErrorRangeRows, EndsOutsideTheBoxRangeAreBroughtIn) {
    // A box read before it lost the focus may still hold a number outside 0..20000.
    TableSource source;
    const ErrorRange range = ErrorRangeRows(-5, 99999, source);
    EXPECT_EQ(range.from, 0);
    EXPECT_EQ(range.to, 20000);
    EXPECT_EQ(source.lookups, 20001);
    EXPECT_EQ(ErrorRangeRows(30000, 19999, source).from, 19999);
}

TEST(KeyValueRows, SplitAtTheFirstEquals) {
    EXPECT_EQ(RowName("3=a=b"), "3");
    EXPECT_EQ(RowValue("3=a=b"), "a=b");
    EXPECT_EQ(RowMessage("3=a=b"), "a=b");
    EXPECT_EQ(RowName("x"), "x");
    EXPECT_EQ(RowValue("x"), "");
    EXPECT_EQ(RowMessage("x"), "x");  // a row without "=" is its own message
    EXPECT_EQ(RowValue(""), "");
    EXPECT_EQ(RowName("=C:\\x"), "");
}

}  // namespace
}  // namespace pendara
