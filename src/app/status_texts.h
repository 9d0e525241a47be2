#pragma once

#include <cstdint>
#include <string>

namespace pendara {

// "D Day(s) H Hour(s) M Minute(s) S Second(s)" for a count of milliseconds; leftover
// milliseconds are dropped and every number is written, zero included.
std::string UptimeText(std::uint64_t milliseconds);

std::string MemoryPanelText(int memoryLoad);
// A charge above 100 (255: not reported) reads 100.
std::string PowerPanelText(int batteryPercent);
std::string UptimePanelText(std::uint64_t milliseconds);

}  // namespace pendara
