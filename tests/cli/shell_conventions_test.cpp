#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace pendara::testing {
namespace {

struct ShellCase {
    const char* name;
    std::map<std::string, std::string> files;  // made afresh for the case
    std::vector<std::string> args;             // "@name" is the path of file `name`
    std::string input;
    int status;
    std::string out;                           // standard output, or the start of the error
    std::map<std::string, std::string> after;  // the files' bytes afterwards
};

TEST(CliShellConventions, SpellingFilesOutputAndRecords) {
    const std::string nul(1, '\0');
    const ShellCase cases[] = {
        {"value after =", {}, {"number", "--width=3"}, "a\n", 0, "001. a\n", {}},
        {"prefix of a long option", {}, {"sort", "--rev"}, "a\nb\n", 0, "b\na\n", {}},
        {"bundled flags", {}, {"sort", "-rn"}, "2\n10\n3\n", 0, "10\n3\n2\n", {}},
        {"bundle ending in a flag with a value",
         {},
         {"sort", "-rk", "2"},
         "a 1\nb 2\n",
         0,
         "b 2\na 1\n",
         {}},
        {"attached value", {}, {"split", "-t,"}, "a,b\n", 0, "a\nb\n", {}},
        {"a negative number stays an argument", {}, {"fields", "-t,", "-1"}, "a,b\n", 0, "b\n", {}},
        {"ambiguous prefix",
         {},
         {"sort", "--n"},
         "",
         2,
         "pendara-cli: option --n is ambiguous: --natural, --numeric, --null\n",
         {}},
        {"several files, one without a final break, one from standard input",
         {{"a",
           "\xEF\xBB\xBF"
           "b\r\nc"},
          {"b", "a\r"}},
         {"reverse", "@a", "-", "@b"},
         "x\n",
         0,
         "a\nx\nc\nb\n",
         {}},
        {"several files to a command that holds its list",
         {{"a", "b\rc"}, {"b", "\na"}},
         {"sort", "@a", "@b"},
         "",
         0,
         "\na\nb\nc\n",
         {}},
        {"-o onto its own input",
         {{"a", "b\na\n"}},
         {"sort", "-o", "@a", "@a"},
         "",
         0,
         "",
         {{"a", "a\nb\n"}}},
        {"-o is not touched when the input fails",
         {{"a", "keep\n"}},
         {"sort", "--output=@a", "@missing"},
         "",
         1,
         "pendara-cli: Cannot open file",
         {{"a", "keep\n"}}},
        {"-i keeps each file's form",
         {{"a",
           "\xEF\xBB\xBF"
           "b\r\na\r\n"},
          {"b", "d\rc"}},
         {"sort", "-i", "@a", "@b"},
         "",
         0,
         "",
         {{"a",
           "\xEF\xBB\xBF"
           "a\r\nb\r\n"},
          {"b", "c\rd"}}},
        {"-i on a streaming command and UTF-16",
         {{"a", std::string("\xFF\xFE"
                            "a\0\n\0",
                            6)}},
         {"add", "-", "--in-place", "@a"},
         "",
         0,
         "",
         {{"a", std::string("\xFF\xFE-\0a\0\n\0", 8)}}},
        {"-i replaces nothing when one input fails",
         {{"a", "b\na\n"}},
         {"sort", "-i", "@a", "@missing"},
         "",
         1,
         "pendara-cli: Cannot open file",
         {{"a", "b\na\n"}}},
        {"-i with standard input",
         {},
         {"sort", "-i"},
         "",
         2,
         "pendara-cli: --in-place needs files, not standard input\n",
         {}},
        {"-z with --crlf",
         {},
         {"sort", "-z", "--crlf"},
         "",
         2,
         "pendara-cli: use either --null or --crlf, not both\n",
         {}},
        {"-z keeps breaks inside records through a command that holds its list",
         {},
         {"sort", "-z"},
         "b\r\nx" + nul + "a\nc" + nul + "c",
         0,
         "a\nc" + nul + "b\r\nx" + nul + "c" + nul,
         {}},
        {"-z for both lists of compare",
         {{"a", "b\r\nx" + nul + "a" + nul}, {"b", "a" + nul + "q\nz" + nul}},
         {"compare", "-z", "--result", "different", "@a", "@b"},
         "",
         0,
         "b\r\nx" + nul + "q\nz" + nul,
         {}},
        {"-z through a streaming command",
         {},
         {"match", "-z", "x"},
         "a\nx" + nul + "y" + nul + "\nx\r",
         0,
         "a\nx" + nul + "\nx\r" + nul,
         {}},
    };
    for (const ShellCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::map<std::string, std::string> paths;
        for (const auto& [name, bytes] : c.files) paths[name] = TempFile(name, bytes);
        std::vector<std::string> args;
        for (const std::string& arg : c.args) {
            const std::size_t at = arg.find('@');
            args.push_back(
                at == std::string::npos ? arg : arg.substr(0, at) + TempPath(arg.substr(at + 1)));
        }
        const CliResult result = RunCli(args, c.input);
        EXPECT_EQ(result.status, c.status) << result.err;
        if (c.status == 0) {
            EXPECT_EQ(result.out, c.out);
        } else {
            EXPECT_TRUE(result.err.starts_with(c.out)) << result.err;
            EXPECT_EQ(result.out, "");
        }
        for (const auto& [name, bytes] : c.after) EXPECT_EQ(FileBytes(paths[name]), bytes) << name;
    }
}

TEST(CliShellConventions, WriteErrorsNameTheirCause) {
    if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"sort"}, {"trim"}, {"sort", "-o", "/dev/full"}}) {
        const CliResult result = RunCli(args, "a\n", "/dev/full");
        EXPECT_EQ(result.status, 1) << args[0];
        EXPECT_EQ(result.err, "pendara-cli: write error: No space left on device\n");
    }
}

TEST(CliShellConventions, VersionAndHelpFollowTheHabitsOfTheStandardTools) {
    const std::string version = RunCli({"--version"}).out;
    EXPECT_TRUE(version.starts_with("pendara-cli ")) << version;
    EXPECT_NE(version.find("\nCopyright (C) "), std::string::npos) << version;
    EXPECT_NE(version.find("GPL-3.0-or-later"), std::string::npos) << version;
    // Every option with its short form and its line of explanation.
    const std::string help = RunCli({"match", "--help"}).out;
    for (const char* line :
         {"  -v, --invert ", "  -o, --output FILE ", "  -z, --null ", "      --crlf "}) {
        EXPECT_NE(help.find(line), std::string::npos) << line << "\n" << help;
    }
}

}  // namespace
}  // namespace pendara::testing
