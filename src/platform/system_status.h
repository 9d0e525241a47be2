#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace pendara {

// Live readings of the machine for the status bar.
class SystemStatus {
public:
    virtual ~SystemStatus() = default;
    // Percentage 0 to 100 of physical memory in use.
    virtual int memoryLoad() = 0;
    // Battery charge 0 to 100, or 255 when the system cannot tell (no battery).
    virtual int batteryPercent() = 0;
    // Milliseconds since the system started, in 64 bits so it never wraps in practice.
    virtual std::uint64_t millisecondsSinceBoot() = 0;
};

// Reads the kernel's figures below `root` ("" for the real /proc and /sys; tests pass a folder).
std::unique_ptr<SystemStatus> MakeLinuxSystemStatus(const std::string& root = "");

}  // namespace pendara
