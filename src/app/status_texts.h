#pragma once

#include <cstdint>
#include <string>

namespace pendara {

// The words of the status bar, English unless the window passes its translation.
struct StatusWords {
    std::string day = "Day(s)";
    std::string hour = "Hour(s)";
    std::string minute = "Minute(s)";
    std::string second = "Second(s)";
    std::string memory = "Memory Usage :";
    std::string power = "Power :";
    std::string uptime = "System Uptime :";
};

// "D Day(s) H Hour(s) M Minute(s) S Second(s)" for a count of milliseconds; leftover
// milliseconds are dropped and every number is written, zero included.
std::string UptimeText(std::uint64_t milliseconds, const StatusWords& words = {});

std::string MemoryPanelText(int memoryLoad, const StatusWords& words = {});
// A charge above 100 (255: not reported) reads 100.
std::string PowerPanelText(int batteryPercent, const StatusWords& words = {});
std::string UptimePanelText(std::uint64_t milliseconds, const StatusWords& words = {});

}  // namespace pendara
