#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "cli/cli_runner.h"

namespace pendara::testing {
namespace {

TEST(CliConventions, ReadsAnyBreaksWritesLfOrCrLf) {
    EXPECT_EQ(RunCli({"sort"}, "b\r\nA\rc\n").out, "A\nb\nc\n");
    EXPECT_EQ(RunCli({"sort", "--crlf", "-"}, "b\na").out, "a\r\nb\r\n");
    EXPECT_EQ(RunCli({"sort"}, "").out, "");
    // A NUL is one character of its line, never the end of the input.
    EXPECT_EQ(RunCli({"sort"}, std::string("b\na\0z\n", 6)).out, std::string("a\0z\nb\n", 6));
    const CliResult nuls = RunCli({"sort"}, std::string("b\0a\0c\0", 6));
    EXPECT_EQ(nuls.out, std::string("b\0a\0c\0\n", 7));
    EXPECT_EQ(nuls.status, 0);
    EXPECT_EQ(RunCli({"sort"},
                     "\xEF\xBB\xBF"
                     "b\na\n")
                  .out,
              "a\nb\n");
}

// Guards against the order following LC_MESSAGES (ICU's default locale) instead of the variable
// that names the collation. Swedish puts a-umlaut after z; the root collation next to a.
TEST(CliConventions, CollationLocaleComesFromLcAllThenLcCollateThenLang) {
    const char* const variables[] = {"LC_ALL", "LC_COLLATE", "LANG", "LC_MESSAGES"};
    std::optional<std::string> saved[4];
    for (int i = 0; i < 4; ++i) {
        if (const char* value = std::getenv(variables[i])) saved[i] = value;
    }
    const std::string input = "\xC3\xA4\nz\na\n";
    const std::string swedish = "a\nz\n\xC3\xA4\n", root = "a\n\xC3\xA4\nz\n";
    const struct {
        const char* values[4];
        const std::string& order;
    } cases[] = {
        {{nullptr, "sv_SE.UTF-8", "en_US.UTF-8", nullptr}, swedish},
        {{nullptr, nullptr, "sv_SE.UTF-8", "C"}, swedish},
        {{nullptr, nullptr, "en_US.UTF-8", "sv_SE.UTF-8"}, root},
        {{"C", "sv_SE.UTF-8", "sv_SE.UTF-8", nullptr}, root},
        {{nullptr, "C.UTF-8", "sv_SE.UTF-8", nullptr}, root},
        {{nullptr, "POSIX", "sv_SE.UTF-8", nullptr}, root},
        {{"sv_SE", "C", "C", nullptr}, swedish},
    };
    for (const auto& c : cases) {
        std::string trace;
        for (int i = 0; i < 4; ++i) {
            if (c.values[i] != nullptr) {
                ::setenv(variables[i], c.values[i], 1);
                trace += std::string(variables[i]) + "=" + c.values[i] + " ";
            } else {
                ::unsetenv(variables[i]);
            }
        }
        SCOPED_TRACE(trace);
        EXPECT_EQ(RunCli({"sort"}, input).out, c.order);
    }
    for (int i = 0; i < 4; ++i) {
        if (saved[i]) {
            ::setenv(variables[i], saved[i]->c_str(), 1);
        } else {
            ::unsetenv(variables[i]);
        }
    }
}

TEST(CliConventions, ErrorsAndUsage) {
    const CliResult missing = RunCli({"count", "/no/such/file.txt"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "pendara-cli: Cannot open file \"/no/such/file.txt\". No such file or directory\n");

    const CliResult unknown = RunCli({"frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("pendara-cli: unknown command 'frobnicate'\n"), std::string::npos);

    const CliResult badOption = RunCli({"sort", "--nope"});
    EXPECT_EQ(badOption.status, 2);
    EXPECT_NE(badOption.err.find("Usage: pendara-cli sort"), std::string::npos);

    EXPECT_EQ(RunCli({"scramble", "--seed", "x1"}).status, 2);
    EXPECT_EQ(RunCli({"scramble", "--seed"}).status, 2);
    EXPECT_EQ(RunCli({"merge", "a", "b", "c"}).status, 2);
    EXPECT_EQ(RunCli({"--version"}).status, 0);
    EXPECT_EQ(RunCli({"sort", "--help"}).status, 0);
}

TEST(CliConventions, HelpOnlyWhereItIsAskedFor) {
    // Guards against "--help" anywhere giving usage text and status 0 in place of the result.
    EXPECT_NE(RunCli({"--help"}).out.find("Commands:"), std::string::npos);
    EXPECT_NE(RunCli({"sort", "--help", "x"}).out.find("Usage: pendara-cli sort"),
              std::string::npos);
    EXPECT_EQ(RunCli({"add", "--", "--help"}, "a\n").out, "--helpa\n");
    EXPECT_EQ(RunCli({"filter", "--include", "--help"}, "x --help\ny\n").out, "x --help\n");
    const CliResult asFile = RunCli({"sort", "--", "--help"});
    EXPECT_EQ(asFile.status, 1);
    EXPECT_NE(asFile.err.find("Cannot open file"), std::string::npos) << asFile.err;
    EXPECT_EQ(RunCli({"sort", "--reverse", "--help"}).status, 2);

    for (const std::string first : {"--help", "--version"}) {
        const CliResult extra = RunCli({first, "sort"});
        EXPECT_EQ(extra.status, 2) << first;
        EXPECT_NE(extra.err.find("unexpected argument 'sort'"), std::string::npos) << extra.err;
    }
}

TEST(CliConventions, EmptyFileNameIsWrongUsage) {
    // Guards against '' reading standard input as if no file had been named.
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"sort", ""}, {"count", ""}, {"add", "x", ""}}) {
        const CliResult result = RunCli(args, "a\n");
        EXPECT_EQ(result.status, 2) << args[0];
        EXPECT_NE(result.err.find("a file name is empty"), std::string::npos) << result.err;
    }
    EXPECT_EQ(RunCli({"replace", "a", ""}, "abc\n").out, "bc\n");  // an empty WITH is no file
}

TEST(CliConventions, HelpAndVersionToAFullDeviceFail) {
    // Guards against reporting success when the help or version text could not be written.
    if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"--version"}, {"sort", "--help"}}) {
        const CliResult result = RunCli(args, "", "/dev/full");
        EXPECT_EQ(result.status, 1) << args[0];
        EXPECT_EQ(result.err, "pendara-cli: write error: No space left on device\n");
    }
}

TEST(CliCount, CountsLines) {
    EXPECT_EQ(RunCli({"count"}, "a\r\n\r\nb").out, "3\n");
    EXPECT_EQ(RunCli({"count"}, "").out, "0\n");
    EXPECT_EQ(RunCli({"count", TempFile("c.txt", "x\ny\n")}).out, "2\n");
}

TEST(CliScramble, SameSeedSameOrderAndNoLineLost) {
    std::string input;
    for (int i = 0; i < 50; ++i) input += std::to_string(i) + "\n";
    const CliResult a = RunCli({"scramble", "--seed", "42"}, input);
    const CliResult b = RunCli({"scramble", "--seed", "42"}, input);
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out, input);
    EXPECT_EQ(RunCli({"sort"}, a.out).out, RunCli({"sort"}, input).out);
}

}  // namespace
}  // namespace pendara::testing
