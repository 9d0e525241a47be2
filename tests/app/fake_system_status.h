#pragma once

#include "platform/system_status.h"

namespace pendara::testing {

class FakeSystemStatus : public SystemStatus {
public:
    int memory = 57;
    int battery = 255;
    std::uint64_t uptime = 90061000;

    int memoryLoad() override { return memory; }
    int batteryPercent() override { return battery; }
    std::uint64_t millisecondsSinceBoot() override { return uptime; }
};

}  // namespace pendara::testing
