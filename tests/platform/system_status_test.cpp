#include "platform/system_status.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>

namespace pendara {
namespace {

namespace fs = std::filesystem;

class SystemStatusTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "pendara-status-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        fs::create_directories(root_ / "proc");
        fs::create_directories(root_ / "sys/class/power_supply");
    }
    void TearDown() override { fs::remove_all(root_); }
    void write(const std::string& relative, const std::string& text) {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative) << text;
    }
    fs::path root_;
};

TEST_F(SystemStatusTest, MemoryLoadFromTotalAndAvailable) {
    write("proc/meminfo", "MemTotal:       1000 kB\nMemFree:  10 kB\nMemAvailable:    430 kB\n");
    EXPECT_EQ(MakeLinuxSystemStatus(root_.string())->memoryLoad(), 57);
}

TEST_F(SystemStatusTest, BatteryOrTwoFiftyFiveWithoutOne) {
    auto status = MakeLinuxSystemStatus(root_.string());
    EXPECT_EQ(status->batteryPercent(), 255);
    write("sys/class/power_supply/AC/type", "Mains\n");
    EXPECT_EQ(status->batteryPercent(), 255);
    write("sys/class/power_supply/BAT0/type", "Battery\n");
    write("sys/class/power_supply/BAT0/capacity", "0\n");
    EXPECT_EQ(status->batteryPercent(), 0);
}

TEST_F(SystemStatusTest, UptimeBeyondFortyNineDays) {
    write("proc/uptime", "5000000.25 100.00\n");
    EXPECT_EQ(MakeLinuxSystemStatus(root_.string())->millisecondsSinceBoot(), 5000000250u);
    EXPECT_GT(MakeLinuxSystemStatus()->millisecondsSinceBoot(), 0u);
}

}  // namespace
}  // namespace pendara
