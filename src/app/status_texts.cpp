#include "app/status_texts.h"

#include <algorithm>

namespace pendara {

std::string UptimeText(std::uint64_t t) {
    const std::uint64_t days = t / 86400000;
    t %= 86400000;
    const std::uint64_t hours = t / 3600000;
    t %= 3600000;
    const std::uint64_t minutes = t / 60000;
    t %= 60000;
    const std::uint64_t seconds = t / 1000;
    return std::to_string(days) + " Day(s) " + std::to_string(hours) + " Hour(s) " +
           std::to_string(minutes) + " Minute(s) " + std::to_string(seconds) + " Second(s)";
}

std::string MemoryPanelText(int memoryLoad) {
    return "Memory Usage : " + std::to_string(memoryLoad) + "%";
}

std::string PowerPanelText(int batteryPercent) {
    return "Power : " + std::to_string(std::min(batteryPercent, 100)) + "%";
}

std::string UptimePanelText(std::uint64_t milliseconds) {
    return "System Uptime : " + UptimeText(milliseconds);
}

}  // namespace pendara
