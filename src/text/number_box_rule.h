#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pendara {

// How a number box turns its text into a value.
//
// The text reads as a whole number when it is: any leading spaces, an optional '+' or '-', then
// decimal digits, or hexadecimal digits after '$', 'x', 'X', '0x' or '0X', with nothing after the
// digits and the value within a signed 32-bit integer. Examples: " 12" -> 12, "$1F" -> 31,
// "-0x10" -> -16; "12 ", "12abc", "1.5", "" and "99999999999" do not read.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// The range of a number box. When minimum equals maximum the box has no range to keep.
struct NumberRange {
    std::int32_t minimum;
    std::int32_t maximum;

    bool bounded() const { return minimum != maximum; }
    std::int32_t clamp(std::int64_t value) const;
};

// The value an operation reads: the number the text holds, even outside the range, or the
// minimum when the text does not read as a number.
std::int32_t ReadNumberBox(std::string_view text, NumberRange range);

// The value to write back when the focus leaves the box: the nearest bound when the text holds
// a number outside the range; nothing when the text is to stay as it is.
std::optional<std::int32_t> NumberBoxValueOnLeave(std::string_view text, NumberRange range);

// The value after an arrow step of `delta`: the value read, plus delta, brought into range.
std::int32_t NumberBoxValueAfterStep(std::string_view text, NumberRange range, int delta);

}  // namespace pendara
