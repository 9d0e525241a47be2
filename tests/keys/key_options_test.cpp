#include "catalogue/key_options.h"

#include <gtest/gtest.h>

#include "commands/invocation.h"

namespace pendara {
namespace {

TEST(KeyOptionsOf, EveryKeyIsKeptAndWrittenBackInTurn) {
    const Invocation sort = ReadInvocation("sort -k 2:n -r --key c1-3 -t ';' --trim -k -1");
    const KeyOptions options = KeyOptionsOf(sort);
    ASSERT_EQ(options.keys.size(), 3u);
    EXPECT_EQ(options.keys[0], ParseKeySpec("2:n"));
    EXPECT_EQ(options.keys[1], ParseKeySpec("c1-3"));
    EXPECT_EQ(options.keys[2], ParseKeySpec("-1"));
    EXPECT_EQ(options.separator, ";");
    EXPECT_TRUE(options.trim);
    EXPECT_TRUE(options.global.reverse);
    EXPECT_FALSE(options.global.numeric);
    // A recipe or the window writes the invocation and reads it again.
    EXPECT_EQ(ReadInvocation(WriteInvocation(sort)), sort);
    EXPECT_THROW(ReadInvocation("dedupe -k 2:q"), UsageError);
    EXPECT_THROW(ReadInvocation("compare --result same -t '' other.txt"), UsageError);
}

}  // namespace
}  // namespace pendara
