#include "text/number_box_rule.h"

#include <limits>

namespace pendara {

namespace {

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';

    int base = 10;
    if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
        base = 16, at += 1;
    } else if (at + 1 < text.size() && text[at] == '0' &&
               (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        base = 16, at += 2;
    }
    if (at >= text.size()) return std::nullopt;

    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text[at], base);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t NumberRange::clamp(std::int64_t value) const {
    if (!bounded()) {
        value = std::max<std::int64_t>(value, std::numeric_limits<std::int32_t>::min());
        return static_cast<std::int32_t>(
            std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
    }
    if (value < minimum) return minimum;
    if (value > maximum) return maximum;
    return static_cast<std::int32_t>(value);
}

std::int32_t ReadNumberBox(std::string_view text, NumberRange range) {
    return ParseWholeNumber(text).value_or(range.minimum);
}

std::optional<std::int32_t> NumberBoxValueOnLeave(std::string_view text, NumberRange range) {
    const std::optional<std::int32_t> value = ParseWholeNumber(text);
    if (!value || !range.bounded()) return std::nullopt;
    if (*value < range.minimum || *value > range.maximum) return range.clamp(*value);
    return std::nullopt;
}

std::int32_t NumberBoxValueAfterStep(std::string_view text, NumberRange range, int delta) {
    return range.clamp(std::int64_t{ReadNumberBox(text, range)} + delta);
}

}  // namespace pendara
