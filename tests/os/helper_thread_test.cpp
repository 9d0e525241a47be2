#include "os/helper_thread.h"

#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace pendara {
namespace {

// A piece may be done by the thread or, when wait() comes before the thread began it, by the
// caller: either way it runs once, its results are there after wait(), and its failure comes
// out of wait(). Many short pieces in a row meet both cases.
TEST(HelperThreadTest, EveryPieceRunsOnceAndIsSeenAfterWaitWhoeverDidIt) {
    HelperThread helper;
    std::vector<int> done(2000, 0);
    for (std::size_t n = 0; n < done.size(); ++n) {
        helper.start([&, n] { ++done[n]; });
        if (n % 3 == 0) std::this_thread::sleep_for(std::chrono::microseconds(50));
        helper.wait();
        ASSERT_EQ(done[n], 1) << "piece " << n;
    }
    for (int round = 0; round < 50; ++round) {
        helper.start([] { throw std::runtime_error("piece failed"); });
        EXPECT_THROW(helper.wait(), std::runtime_error);
    }
    // After failures the thread still takes work.
    int after = 0;
    helper.start([&] { after = 7; });
    helper.wait();
    EXPECT_EQ(after, 7);
}

// waitFor returns once the piece has reached its mark, while the rest of the piece may go on;
// a piece that fails before its mark still sets it, and wait() reports the failure.
TEST(HelperThreadTest, WaitForReturnsAtTheMarkAndWaitAtTheEnd) {
    HelperThread helper;
    for (int round = 0; round < 200; ++round) {
        std::atomic<bool> mark{false};
        std::atomic<bool> release{false};
        int before = 0, rest = 0;
        helper.start([&] {
            before = 1;
            mark.store(true, std::memory_order_release);
            // When done here, no one would let it go on: it goes on by itself then.
            for (int spin = 0; spin < 500 && !release.load(); ++spin) std::this_thread::yield();
            rest = 1;
        });
        helper.waitFor(mark);
        EXPECT_EQ(before, 1);
        release = true;
        helper.wait();
        EXPECT_EQ(rest, 1);
    }
    std::atomic<bool> mark{false};
    helper.start([&] {
        struct Set {
            std::atomic<bool>& flag;
            ~Set() { flag = true; }
        } set{mark};
        throw std::runtime_error("before the mark");
    });
    // Done here the failure comes out of waitFor, done there out of wait.
    bool failed = false;
    try {
        helper.waitFor(mark);
        helper.wait();
    } catch (const std::runtime_error&) {
        failed = true;
    }
    EXPECT_TRUE(failed);
    EXPECT_TRUE(mark.load());
}

}  // namespace
}  // namespace pendara
