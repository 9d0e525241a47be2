#include <time.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/system_status.h"

namespace pendara {

namespace {

class LinuxSystemStatus final : public SystemStatus {
public:
    explicit LinuxSystemStatus(std::string root) : root_(std::move(root)) {}

    int memoryLoad() override {
        std::ifstream in(root_ + "/proc/meminfo");
        std::string key;
        long long value = 0, total = -1, available = -1;
        std::string unit;
        while (in >> key >> value) {
            std::getline(in, unit);
            if (key == "MemTotal:") total = value;
            if (key == "MemAvailable:") available = value;
        }
        if (total <= 0 || available < 0) return 0;
        const long long used = std::clamp(total - available, 0LL, total);
        return static_cast<int>((used * 100 + total / 2) / total);
    }

    int batteryPercent() override {
        namespace fs = std::filesystem;
        std::error_code ec;
        const fs::path supplies = root_ + "/sys/class/power_supply";
        for (fs::directory_iterator it(supplies, ec), end; !ec && it != end; it.increment(ec)) {
            std::string type;
            std::ifstream(it->path() / "type") >> type;
            if (type != "Battery") continue;
            int capacity = -1;
            std::ifstream(it->path() / "capacity") >> capacity;
            if (capacity >= 0) return std::min(capacity, 100);
        }
        return 255;
    }

    std::uint64_t millisecondsSinceBoot() override {
        if (!root_.empty()) {
            double seconds = 0;
            std::ifstream(root_ + "/proc/uptime") >> seconds;
            return static_cast<std::uint64_t>(seconds * 1000);
        }
        timespec now{};
        clock_gettime(CLOCK_BOOTTIME, &now);
        return static_cast<std::uint64_t>(now.tv_sec) * 1000 +
               static_cast<std::uint64_t>(now.tv_nsec) / 1000000;
    }

private:
    std::string root_;
};

}  // namespace

std::unique_ptr<SystemStatus> MakeLinuxSystemStatus(const std::string& root) {
    return std::make_unique<LinuxSystemStatus>(root);
}

}  // namespace pendara
