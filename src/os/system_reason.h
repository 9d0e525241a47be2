#pragma once

#include <string>

namespace pendara {

// The system's text for an errno value, without trailing blanks, line breaks and full stops.
std::string SystemReason(int error);

}  // namespace pendara
