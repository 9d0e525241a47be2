#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/cli_runner.h"

namespace pendara::testing {
namespace {

// The words bash's completion of `line` (the word being completed last) offers, sorted, one a
// line, run in the temporary folder; `script` is the one pendara-cli makes for the package.
std::string Completions(const std::string& script, const std::string& line) {
    static const std::string driver = TempFile("complete.sh", R"(source "$1"
complete -p pendara-cli >/dev/null || exit 3
read -ra COMP_WORDS <<< "$2"
[[ $2 == *' ' ]] && COMP_WORDS+=('')
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
_pendara_cli
printf '%s\n' "${COMPREPLY[@]}" | sort
)");
    const std::string command =
        "cd '" + TempPath("") + "' && bash '" + driver + "' '" + script + "' '" + line + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, got);
    }
    EXPECT_EQ(::pclose(pipe), 0) << line;
    return out;
}

TEST(CliCompletion, BashOffersCommandsOptionsValuesAndFiles) {
    if (std::system("command -v bash >/dev/null") != 0) GTEST_SKIP() << "no bash";
    const CliResult made = RunCli({"--generate", "bash"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string script = TempFile("pendara-cli.bash", made.out);
    TempFile("list-one.txt", "");
    TempFile("list-two.txt", "");

    EXPECT_EQ(Completions(script, "pendara-cli sc"), "scramble\n");
    EXPECT_EQ(Completions(script, "pendara-cli sort --rev"), "--reverse\n");
    EXPECT_EQ(Completions(script, "pendara-cli sort --nu"), "--null\n--numeric\n");
    EXPECT_EQ(Completions(script, "pendara-cli case "), "lower\nsentence\ntitle\nupper\n");
    EXPECT_EQ(Completions(script, "pendara-cli dedupe --keep "), "first\nlast\n");
    EXPECT_EQ(Completions(script, "pendara-cli compare a --result s"), "same\nsecond-only\n");
    EXPECT_EQ(Completions(script, "pendara-cli sort -o list-"), "list-one.txt\nlist-two.txt\n");
    EXPECT_EQ(Completions(script, "pendara-cli sort -r list-t"), "list-two.txt\n");
    // A value that is any text gets no file names offered.
    EXPECT_EQ(Completions(script, "pendara-cli number --separator list"), "\n");
}

}  // namespace
}  // namespace pendara::testing
