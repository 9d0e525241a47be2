#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "sanitizer.h"

namespace pendara::testing {
namespace {

// Runs pendara-cli with `args` in a child that `prepare` sets up first (its limits and standard
// streams); the child's exit status, or -1 when a signal ended it.
int RunPrepared(const std::vector<std::string>& args, const std::function<bool()>& prepare) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (!prepare()) ::_exit(127);
        std::vector<char*> argv{const_cast<char*>(PENDARA_CLI)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(PENDARA_CLI, argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CliOutput, FileSizeLimitIsAWriteErrorNotASignal) {
    // Guards against SIGXFSZ killing pendara-cli: the child keeps the signal's default action,
    // so only the program's own handling turns it into the ordinary write failure. Written with
    // -o, the file that was there stays whole.
    std::string lines;
    for (int i = 0; i < 2000; ++i) lines += "line " + std::to_string(i) + "\n";
    const std::string input = TempFile("limit-in.txt", lines);
    const std::string old = TempFile("limit-old.txt", "old\n");
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"reverse", input}, {"sort", "-o", old, input}}) {
        SCOPED_TRACE(args[0]);
        const std::string out = TempFile("limit-out.txt", "");
        const std::string err = TempFile("limit-err.txt", "");
        const int status = RunPrepared(args, [&] {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{4096, 4096};
            return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 &&
                   std::freopen(out.c_str(), "wb", stdout) &&
                   std::freopen(err.c_str(), "wb", stderr);
        });
        EXPECT_EQ(status, 1) << "-1: ended by a signal";
        EXPECT_EQ(FileBytes(err), "pendara-cli: write error: File too large\n");
    }
    EXPECT_EQ(FileBytes(old), "old\n");
}

// Guards against an endless source (/dev/zero, a FIFO that never ends) filling memory until the
// system kills the program: reading stops at a limit with a message, for whole lists and lines.
TEST(CliInput, EndlessInputEndsInAMessage) {
    if (kAddressSanitizer) {
        GTEST_SKIP()
            << "caps the address space, which the address sanitizer's shadow memory exceeds";
    }
    for (const std::vector<const char*>& command :
         {std::vector<const char*>{"sort", "/dev/zero"}, {"sort"}, {"filter", "--include", "x"}}) {
        SCOPED_TRACE(command[0]);
        const std::string err = TempFile("endless-err.txt", "");
        const int status =
            RunPrepared(std::vector<std::string>(command.begin(), command.end()), [&] {
                const rlimit limit{2ul << 30, 2ul << 30};
                return ::setrlimit(RLIMIT_AS, &limit) == 0 &&
                       std::freopen("/dev/zero", "rb", stdin) &&
                       std::freopen("/dev/null", "wb", stdout) &&
                       std::freopen(err.c_str(), "wb", stderr);
            });
        EXPECT_EQ(status, 1) << "-1: ended by a signal";
        EXPECT_EQ(FileBytes(err), "pendara-cli: Text exceeds memo capacity\n");
    }
}

}  // namespace
}  // namespace pendara::testing
