#include "os/helper_thread.h"

#include <gtest/gtest.h>
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

}  // namespace
}  // namespace pendara
