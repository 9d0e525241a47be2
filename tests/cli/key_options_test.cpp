#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace pendara::testing {
namespace {

struct KeyCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::string out;
};

void Check(const std::vector<KeyCase>& cases) {
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult result = RunCli(c.args, c.input);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, c.out);
    }
}

TEST(CliKeys, SortByKeysNumbersAndFlags) {
    Check({
        {"field as number, then field",
         {"sort", "-t", ";", "-k", "3:n", "-k", "1"},
         "b;x;10\na;y;9.5\nc;z;10.0\nd;w;\n",
         "d;w;\na;y;9.5\nb;x;10\nc;z;10.0\n"},
        {"reversed field by blanks",
         {"sort", "-k", "2:r"},
         "1  a\n2 c\n 3 b\n",
         "2 c\n 3 b\n1  a\n"},
        {"whole line as a number", {"sort", "-n"}, "10\n9\nx\n-1\n1e5\n", "x\n-1\n1e5\n9\n10\n"},
        {"global flags for a key without its own",
         {"sort", "-r", "-n", "-k", "2", "-k", "1:c"},
         "a 1\nb 3\nB 3\nc 2\n",
         "B 3\nb 3\nc 2\na 1\n"},
        {"long names",
         {"sort", "--separator", ",", "--key", "2", "--unique"},
         "a,b\nb,a\nc,B\n",
         "b,a\na,b\n"},
        {"unique keeps the first of equal keys", {"sort", "-u"}, "b\nA\na\nB\n", "A\nb\n"},
        {"unique by a key", {"sort", "-u", "-k", "1"}, "b 1\na 2\nB 3\n", "a 2\nb 1\n"},
        {"match case", {"sort", "-c"}, "b\nB\na\nA\n", "A\nB\na\nb\n"},
        {"decimal comma",
         {"sort", "--decimal-comma", "-t", ";", "-k", "2:n"},
         "a;1,5\nb;1,25\nc;1.9\n",
         "c;1.9\nb;1,25\na;1,5\n"},
        {"characters", {"sort", "-k", "c3-4"}, "xxb\nyya\nz\n", "z\nyya\nxxb\n"},
        {"natural key", {"sort", "-k", "1:v"}, "x10\n-2\nx9\n-10\n", "-10\n-2\nx9\nx10\n"},
        {"trim keeps the bytes", {"sort", "--trim"}, "  b\na \n", "a \n  b\n"},
    });
}

TEST(CliKeys, GroupsByKeysKeepTheLinesAsTheyWere) {
    Check({
        {"trim", {"dedupe", "--trim"}, "b \nb\n  B\nc\n", "b \nc\n"},
        {"squeeze", {"dedupe", "--squeeze"}, "a  b\na b\na\tb\n", "a  b\n"},
        {"field", {"dedupe", "-k", "1", "-t", ","}, "x,1\nX,2\ny,3\n", "x,1\ny,3\n"},
        {"number, keep last", {"dedupe", "-n", "--keep", "last"}, "1.0\n2\n01\n", "2\n01\n"},
        {"repeated by field",
         {"repeated", "--all", "-k", "2:n", "-t", ","},
         "a,1\nb,2\nc,1.0\n",
         "a,1\nc,1.0\n"},
        {"singles by field", {"singles", "-k", "-1"}, "a x\nb y\nc x\n", "b y\n"},
        {"tally by field", {"tally", "-k", "1", "-t", ","}, "a,1\nb,2\nA,3\n", "2\ta,1\n1\tb,2\n"},
        {"match case", {"dedupe", "-c", "-k", "1"}, "a 1\nA 2\na 3\n", "a 1\nA 2\n"},
    });
}

TEST(CliKeys, CompareByKeys) {
    const std::string first = TempFile("first.txt", "a,1\nB,2\nc,3\n");
    const std::string second = TempFile("second.txt", "b,9\nC,3\nd,4\n");
    Check({
        {"same by a field",
         {"compare", "--result", "same", "-t", ",", "-k", "1", first, second},
         "",
         "B,2\nc,3\n"},
        {"first only matching case",
         {"compare", "--result", "first-only", "-c", "-t", ",", "-k", "1", first, second},
         "",
         "a,1\nB,2\nc,3\n"},
        {"different by a number",
         {"compare", "--result", "different", "-t", ",", "-k", "2:n", first, second},
         "",
         "a,1\nB,2\nb,9\nd,4\n"},
    });
}

TEST(CliKeys, MalformedKeysAreUsageErrors) {
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"sort", "-k", "0"}, "fields count from 1"},
        {{"sort", "-k", "2:q"}, "unknown flag 'q'"},
        {{"sort", "-k", ""}, "a key is empty"},
        {{"sort", "-k", "c4-2"}, "ends before it starts"},
        {{"dedupe", "-k", "1:nv"}, "cannot also be natural"},
        {{"sort", "-t", "", "-k", "1"}, "separator is empty"},
        {{"dedupe", "-u"}, "-u"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const CliResult result = RunCli(c.args, "a\n");
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
}

}  // namespace
}  // namespace pendara::testing
