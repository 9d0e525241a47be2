#include "platform/system_messages.h"

#include <cstring>

#include "os/system_reason.h"

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
    std::string text = SystemReason(code);
    if (text.size() >= 256) return {};
    return text;
}

std::unique_ptr<MessageSource> MakeSystemMessageSource() {
    return std::make_unique<SystemMessageSource>();
}

}  // namespace pendara
