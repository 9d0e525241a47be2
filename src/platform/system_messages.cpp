#include "platform/system_messages.h"

#include <cstring>

namespace pendara {

namespace {

class SystemMessageSource final : public MessageSource {
public:
    std::string messageText(int code) override { return SystemMessageText(code); }
};

}  // namespace

std::string SystemMessageText(int code) {
    // strerror_r makes up "Unknown error N" for numbers it does not know; those have no text.
    if (::strerrordesc_np(code) == nullptr) return {};
    char buffer[256] = {};
    // The GNU strerror_r may return a static string instead of filling the buffer.
    const char* found = ::strerror_r(code, buffer, sizeof buffer);
    if (found == nullptr || std::strlen(found) >= sizeof buffer) return {};
    std::string text = found;
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= 32 || text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

std::unique_ptr<MessageSource> MakeSystemMessageSource() {
    return std::make_unique<SystemMessageSource>();
}

}  // namespace pendara
