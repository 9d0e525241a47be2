#include "app/status_texts.h"

#include <algorithm>

namespace pendara {

std::string UptimeText(std::uint64_t t, const StatusWords& words) {
    const std::uint64_t days = t / 86400000;
    t %= 86400000;
    const std::uint64_t hours = t / 3600000;
    t %= 3600000;
    const std::uint64_t minutes = t / 60000;
    t %= 60000;
    const std::uint64_t seconds = t / 1000;
    return std::to_string(days) + " " + words.day + " " + std::to_string(hours) + " " + words.hour +
           " " + std::to_string(minutes) + " " + words.minute + " " + std::to_string(seconds) +
           " " + words.second;
}

std::string MemoryPanelText(int memoryLoad, const StatusWords& words) {
    return words.memory + " " + std::to_string(memoryLoad) + "%";
}

std::string PowerPanelText(int batteryPercent, const StatusWords& words) {
    return words.power + " " + std::to_string(std::min(batteryPercent, 100)) + "%";
}

std::string UptimePanelText(std::uint64_t milliseconds, const StatusWords& words) {
    return words.uptime + " " + UptimeText(milliseconds, words);
}

}  // namespace pendara
