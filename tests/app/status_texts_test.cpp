#include "app/status_texts.h"

#include <gtest/gtest.h>

#include "window/error_text.h"

namespace pendara {
namespace {

TEST(UptimeText, EveryNumberWrittenAndMillisecondsDropped) {
    EXPECT_EQ(UptimeText(999), "0 Day(s) 0 Hour(s) 0 Minute(s) 0 Second(s)");
    EXPECT_EQ(UptimeText(90061000), "1 Day(s) 1 Hour(s) 1 Minute(s) 1 Second(s)");
    EXPECT_EQ(UptimeText(2147483648u), "24 Day(s) 20 Hour(s) 31 Minute(s) 23 Second(s)");
    EXPECT_EQ(UptimeText(4294967295u), "49 Day(s) 17 Hour(s) 2 Minute(s) 47 Second(s)");
}

TEST(UptimeText, KeepsCountingPastThe32BitWrap) {
    // A 32-bit tick count would read 0 days again here.
    EXPECT_EQ(UptimeText(4294967296u + 1000), "49 Day(s) 17 Hour(s) 2 Minute(s) 48 Second(s)");
    EXPECT_EQ(UptimeText(100ull * 86400000), "100 Day(s) 0 Hour(s) 0 Minute(s) 0 Second(s)");
}

TEST(StatusPanels, PowerAboveHundredReadsHundred) {
    EXPECT_EQ(MemoryPanelText(57), "Memory Usage : 57%");
    EXPECT_EQ(PowerPanelText(0), "Power : 0%");
    EXPECT_EQ(PowerPanelText(100), "Power : 100%");
    EXPECT_EQ(PowerPanelText(255), "Power : 100%");
}

TEST(WithClosingFullStop, OnlyAfterCharactersBeyondTheStop) {
    EXPECT_EQ(WithClosingFullStop("Cannot open clipboard"), "Cannot open clipboard.");
    EXPECT_EQ(WithClosingFullStop("List index out of bounds (3)"), "List index out of bounds (3)");
    EXPECT_EQ(WithClosingFullStop("Done."), "Done.");
    EXPECT_EQ(WithClosingFullStop("Stop!"), "Stop!");
    EXPECT_EQ(WithClosingFullStop("code 7"), "code 7.");
    EXPECT_EQ(WithClosingFullStop(""), "");
}

TEST(EscapeMnemonics, DoublesEveryAmpersand) {
    EXPECT_EQ(EscapeMnemonics("R&D && more"), "R&&D &&&& more");
}

}  // namespace
}  // namespace pendara
