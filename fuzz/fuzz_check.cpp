#include "fuzz_check.h"

#include <string_view>

#include "text/utf8.h"

bool IsValidUtf8(const char* text, std::size_t size) {
    bool valid = true;
    pendara::WalkUtf8(
        std::string_view(text, size), [](char32_t, std::string_view) {},
        [&](unsigned char) { valid = false; });
    return valid;
}
