// The number-box rule, against a reading of the rule built on std::from_chars. The first eight
// bytes give the box's range, the rest is the box's text.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "fuzz_check.h"
#include "text/number_box_rule.h"

namespace {

// Leading spaces, an optional sign, "$", "x", "X", "0x" or "0X" for hexadecimal, then digits
// and nothing else, within a signed 32-bit integer.
std::optional<std::int64_t> Expected(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    int base = 10;
    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.starts_with(prefix)) {
            text.remove_prefix(prefix.size());
            base = 16;
            break;
        }
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(std::min<std::uint64_t>(magnitude, 1ull << 40))
                 : static_cast<std::int64_t>(std::min<std::uint64_t>(magnitude, 1ull << 40));
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8) return 0;
    std::int32_t a = 0;
    std::int32_t b = 0;
    std::memcpy(&a, data, 4);
    std::memcpy(&b, data + 4, 4);
    const pendara::NumberRange range{std::min(a, b), std::max(a, b)};
    const std::string_view text(reinterpret_cast<const char*>(data) + 8, size - 8);

    const std::optional<std::int32_t> value = pendara::ParseWholeNumber(text);
    const std::optional<std::int64_t> expected = Expected(text);
    FUZZ_CHECK(value.has_value() == expected.has_value());
    if (value) FUZZ_CHECK(*value == *expected);

    FUZZ_CHECK(pendara::ReadNumberBox(text, range) == value.value_or(range.minimum));
    const std::optional<std::int32_t> onLeave = pendara::NumberBoxValueOnLeave(text, range);
    const bool outside = value && (*value < range.minimum || *value > range.maximum);
    FUZZ_CHECK(onLeave.has_value() == (range.bounded() && outside));
    if (onLeave) FUZZ_CHECK(*onLeave == (*value < range.minimum ? range.minimum : range.maximum));
    for (const int delta : {-1, 1}) {
        const std::int32_t stepped = pendara::NumberBoxValueAfterStep(text, range, delta);
        if (range.bounded()) FUZZ_CHECK(stepped >= range.minimum && stepped <= range.maximum);
    }
    return 0;
}
