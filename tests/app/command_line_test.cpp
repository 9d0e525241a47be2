#include "app/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pendara {
namespace {

using ::testing::ElementsAre;
using Action = CommandLine::Action;

CommandLine Parse(std::vector<std::string_view> arguments) { return ParseCommandLine(arguments); }

TEST(CommandLine, FilesInOrderWithDashesAfterTheEndOfOptions) {
    EXPECT_THAT(Parse({}).files, ElementsAre());
    const CommandLine line = Parse({"a.txt", "-", "b.txt", "--", "-c.txt", "--help"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_THAT(line.files, ElementsAre("a.txt", "-", "b.txt", "-c.txt", "--help"));
}

TEST(CommandLine, HelpAndVersionWinOverFiles) {
    EXPECT_EQ(Parse({"a.txt", "--help"}).action, Action::Help);
    EXPECT_EQ(Parse({"-h"}).action, Action::Help);
    EXPECT_EQ(Parse({"--version", "a.txt"}).action, Action::Version);
    EXPECT_TRUE(Parse({"--version", "a.txt"}).files.empty());
}

TEST(CommandLine, UnknownOptionIsAUsageErrorNamingTheFirst) {
    for (const char* option : {"--bogus", "-x", "--help=1", "--versions"}) {
        SCOPED_TRACE(option);
        const CommandLine line = Parse({"a.txt", option, "-y"});
        EXPECT_EQ(line.action, Action::Usage);
        EXPECT_EQ(line.badOption, option);
        EXPECT_TRUE(line.files.empty());
    }
    EXPECT_EQ(UsageHint("-x"),
              "pendara: unknown option '-x'; usage: pendara [FILE...] "
              "(see pendara --help)");
}

TEST(CommandLine, ToolkitOptionsAndTheirValuesAreNoFiles) {
    // Guards against opening "fusion" as a list after "-style fusion".
    const CommandLine line = Parse({"-style", "fusion", "--platform=offscreen", "-reverse",
                                    "--qwindowtitle", "T", "list.txt"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_THAT(line.files, ElementsAre("list.txt"));
}

}  // namespace
}  // namespace pendara
