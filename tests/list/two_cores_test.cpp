#include "list/two_cores.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "list/line_compare.h"
#include "list/line_order.h"
#include "text/cancel_point.h"

namespace pendara {
namespace {

constexpr int kCannotLimitThreads = 3;
constexpr int kThrew = 4;

// In a child process: makes every further thread start fail, as a process limit does. Root is
// exempt from the limit, so root first becomes an ordinary user. False when that is not allowed.
bool LimitThreadsToNone() {
    if (::geteuid() == 0 && ::setuid(65534) != 0) return false;
    const rlimit none{0, 0};
    if (::setrlimit(RLIMIT_NPROC, &none) != 0) return false;
    try {
        std::thread([] {}).join();
        return false;
    } catch (const std::system_error&) {
        return true;
    }
}

// Exit status of `work` run in a child process whose threads cannot start.
template <typename Work>
int StatusWithoutThreads(Work work) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        // Nothing may escape into the test runner's copy, and _exit skips its exit handlers.
        int status = kCannotLimitThreads;
        try {
            if (LimitThreadsToNone()) status = work();
        } catch (...) {
            status = kThrew;
        }
        ::_exit(status);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(RunOnTwoCores, WithoutASecondThreadDoesAllTheWorkOnOne) {
    // Guards against the abort when the second thread cannot be started (a `ulimit -u` limit).
    if (std::thread::hardware_concurrency() < 2) GTEST_SKIP() << "needs a second core";
    constexpr std::size_t count = kTwoCoreKeyLines + 1;
    const int status = StatusWithoutThreads([] {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t n = (i * 7919) % count;  // 7919 is prime: every n once
            char line[16];
            std::snprintf(line, sizeof line, "Line %07zu", n);
            lines.emplace_back(line);
        }
        SortLines(lines, LineCollator::forUserLocale());
        for (std::size_t i = 0; i < count; ++i) {
            char line[16];
            std::snprintf(line, sizeof line, "Line %07zu", i);
            if (lines[i] != line) return 1;
        }
        int partsRun = 0;
        SplitOverTwoCores(count, LineCollator::forUserLocale(),
                          [&](int, std::size_t, std::size_t, const LineCollator&) { ++partsRun; });
        return partsRun == 2 ? 0 : 2;
    });
    if (status == kCannotLimitThreads) GTEST_SKIP() << "cannot limit the threads of a process here";
    EXPECT_EQ(status, 0) << "1: lines out of order, 2: a part not run, 4: threw";
}

TEST(RunOnTwoCores, TheSecondCoreStopsAtACancelToo) {
    // Guards against a dropped job's second half running on, unseen by its cancel.
    std::atomic<bool> dropped{true};
    const CancelScope scope(&dropped);
    EXPECT_THROW(RunOnTwoCores(
                     kTwoCoreKeyLines, LineCollator::forUserLocale(), [](const LineCollator&) {},
                     [](const LineCollator&) { CancelPoint(); }),
                 Cancelled);
}

}  // namespace
}  // namespace pendara
