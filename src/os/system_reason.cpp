#include "os/system_reason.h"

#include <cstring>

namespace pendara {

std::string SystemReason(int error) {
    char buffer[256] = {};
    // The GNU strerror_r may return a static string instead of filling the buffer.
    const char* text = ::strerror_r(error, buffer, sizeof buffer);
    std::string reason = text != nullptr ? text : "";
    while (!reason.empty() &&
           (static_cast<unsigned char>(reason.back()) <= 32 || reason.back() == '.')) {
        reason.pop_back();
    }
    return reason;
}

}  // namespace pendara
