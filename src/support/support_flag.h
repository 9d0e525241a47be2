#pragma once

#include <string>
#include <string_view>

namespace pendara {

// Where the program keeps its own two values, under the current user's root.
inline constexpr std::string_view kMakerKey = "Software\\Brantor";
inline constexpr std::string_view kSupportKey = "Software\\Brantor\\Support";
// The program's number; its support flag and path record are stored under SupportValueName(7).
inline constexpr int kProgramNumber = 7;

// Whether the support dialog shows at start, given the stored flag: only exactly "1", or an
// empty or absent flag (read as ""), says yes. "0", "01", " 1" and anything else say no.
bool ShouldShowSupportDialog(std::string_view flag);

// The value name for a program number: two digits for 0 to 99 (7 -> "07", 12 -> "12").
std::string SupportValueName(int tag);

}  // namespace pendara
