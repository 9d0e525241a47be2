#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace pendara::testing {
namespace {

TEST(CliGroups, DedupeRepeatedSinglesTally) {
    const std::string input = "b\nA\na\nB\nc\n";
    EXPECT_EQ(RunCli({"dedupe"}, "b\nA\na\nB\n").out, "b\nA\n");
    EXPECT_EQ(RunCli({"dedupe", "--keep", "last"}, input).out, "a\nB\nc\n");
    EXPECT_EQ(RunCli({"dedupe", "--match-case", "--keep", "first"}, "a\nA\na\n").out, "a\nA\n");
    EXPECT_EQ(RunCli({"repeated"}, input).out, "b\nA\n");
    EXPECT_EQ(RunCli({"repeated", "--all", "--match-case"}, "a\nA\na\n").out, "a\na\n");
    EXPECT_EQ(RunCli({"singles", "--match-case"}, "a\nA\na\n").out, "A\n");
    EXPECT_EQ(RunCli({"tally", "--crlf"}, "b\nA\na\nB\n").out, "2\tb\r\n2\tA\r\n");

    const CliResult badKeep = RunCli({"dedupe", "--keep", "middle"}, input);
    EXPECT_EQ(badKeep.status, 2);
    EXPECT_NE(badKeep.err.find("--keep takes first or last, not 'middle'"), std::string::npos);
    EXPECT_EQ(RunCli({"singles", "--all"}, input).status, 2);
}

TEST(CliOrder, SortFormsReverseAndNumber) {
    EXPECT_EQ(RunCli({"sort", "--natural"}, "x10\nx9\n").out, "x9\nx10\n");
    EXPECT_EQ(RunCli({"sort", "--reverse", "--length"}, "bb\nA\nccc\na\n").out, "ccc\nbb\nA\na\n");
    EXPECT_EQ(RunCli({"reverse"}, "1\n2\n3").out, "3\n2\n1\n");
    EXPECT_EQ(RunCli({"number"}, "a\nb\n").out, "1. a\n2. b\n");
    EXPECT_EQ(RunCli({"number", "--start", "9", "--width", "2", "--separator", ": "}, "a\nb\n").out,
              "09: a\n10: b\n");
    EXPECT_EQ(RunCli({"number", "--width", "-1"}, "a\n").status, 2);
    EXPECT_EQ(RunCli({"number", "--start", "x"}, "a\n").status, 2);
}

}  // namespace
}  // namespace pendara::testing
