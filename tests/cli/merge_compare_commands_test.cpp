#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace pendara::testing {
namespace {

TEST(CliMerge, LeftRightAndTopBottom) {
    const std::string left = TempFile("left.txt", "a1\r\na2\r\na3\r\n");
    const std::string right = TempFile("right.txt", "b1");
    EXPECT_EQ(
        RunCli({"merge", "--before", "[", "--separator", "|", "--after", "]", left, right}).out,
        "[a1|b1]\n[a2|]\n[a3|]\n");
    EXPECT_EQ(RunCli({"merge", "--top-bottom", "--separator", "   ", left, right}).out,
              "a1\na2\na3\n   \nb1\n");
    EXPECT_EQ(RunCli({"merge", "--top-bottom", "--crlf", left, right}).out,
              "a1\r\na2\r\na3\r\nb1\r\n");
}

TEST(CliMerge, StandardInputOnEitherSideButNotBoth) {
    const std::string right = TempFile("r.txt", "y\n");
    EXPECT_EQ(RunCli({"merge", "-", right}, "x\n").out, "xy\n");
    EXPECT_EQ(RunCli({"merge", right, "-"}, "x\n").out, "yx\n");
    const CliResult both = RunCli({"merge", "-", "-"}, "x\n");
    EXPECT_EQ(both.status, 2);
    EXPECT_NE(both.err.find("Usage: pendara-cli merge"), std::string::npos);
}

TEST(CliMerge, MixedLineEndsNulAndByteOrderMarks) {
    const std::string left = TempFile("mixed.txt", std::string("a\rb\nc\r\nd\0kept\n", 14));
    const std::string right = TempFile("utf16.txt", std::string("\xFF\xFEp\0\n\0q\0", 8));
    EXPECT_EQ(RunCli({"merge", "--separator", ",", left, right}).out,
              std::string("a,p\nb,q\nc,\nd\0kept,\n", 19));
    const std::string bom = TempFile("bom.txt", "\xEF\xBB\xBFz\n");
    EXPECT_EQ(RunCli({"merge", bom, bom}).out, "zz\n");
}

TEST(CliMerge, FailuresAndUsage) {
    const std::string file = TempFile("ok.txt", "x\n");
    const CliResult missing = RunCli({"merge", file, "/no/such/right.txt"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err,
              "pendara-cli: Cannot open file \"/no/such/right.txt\". No such file or directory\n");
    EXPECT_EQ(RunCli({"merge", file}).status, 2);
    EXPECT_EQ(RunCli({"merge", file, file, file}).status, 2);
    EXPECT_EQ(RunCli({"merge", file, ""}).status, 2);
    EXPECT_EQ(RunCli({"merge", "--before", file, file}).status, 2);
}

TEST(CliCompare, EachResult) {
    const std::string first = TempFile("first.txt", "a\nb\na\nc\n");
    const std::string second = TempFile("second.txt", "b\r\nd\r\nd\r\nB\r\n");
    const auto result = [&](const std::string& which) {
        return RunCli({"compare", "--result", which, first, second}).out;
    };
    EXPECT_EQ(result("first-only"), "a\na\nc\n");
    EXPECT_EQ(result("second-only"), "d\n");
    EXPECT_EQ(result("same"), "b\n");
    EXPECT_EQ(result("different"), "a\na\nc\nd\n");
}

TEST(CliCompare, SameFileStandardInputAndEmptySides) {
    const std::string list = TempFile("list.txt", "x\nX\ny\n");
    EXPECT_EQ(RunCli({"compare", "--result", "same", list, list}).out, "x\nX\ny\n");
    EXPECT_EQ(RunCli({"compare", "--result", "different", list, list}).out, "");
    EXPECT_EQ(RunCli({"compare", "--result", "second-only", "-", list}, "").out, "x\ny\n");
    EXPECT_EQ(RunCli({"compare", "--result", "first-only", list, "-"}, "Y\n").out, "x\nX\n");
    EXPECT_EQ(RunCli({"compare", "--result", "same", "-", "-"}, "x\n").status, 2);
}

TEST(CliCompare, InvalidUtf8AndNulsCompareByTheirBytes) {
    const std::string stray = "\xFF";
    const std::string first = TempFile("bytes1.txt", stray + std::string("a\nk\0z\n", 6));
    const std::string second = TempFile("bytes2.txt", std::string("\xFE"
                                                                  "a\nK\0Z\n",
                                                                  7));
    EXPECT_EQ(RunCli({"compare", "--result", "first-only", first, second}).out, stray + "a\n");
    EXPECT_EQ(RunCli({"compare", "--result", "same", first, second}).out, std::string("k\0z\n", 4));
}

TEST(CliCompare, FailuresAndUsage) {
    const std::string file = TempFile("c.txt", "x\n");
    const CliResult missing = RunCli({"compare", "--result", "same", "/no/such/first.txt", file});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "pendara-cli: Cannot open file \"/no/such/first.txt\". No such file or directory\n");
    EXPECT_EQ(RunCli({"compare", file, file}).status, 2);
    EXPECT_EQ(RunCli({"compare", "--result", "both", file, file}).status, 2);
    EXPECT_EQ(RunCli({"compare", "--result", "same", file}).status, 2);
}

}  // namespace
}  // namespace pendara::testing
