#include "window/error_text.h"

namespace pendara {

std::string WithClosingFullStop(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
    return message;
}

std::string EscapeMnemonics(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}

}  // namespace pendara
