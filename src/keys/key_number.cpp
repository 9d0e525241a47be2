#include "keys/key_number.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "keys/key_text.h"

namespace pendara {

namespace {

// The first byte of a key: no number below negatives below zero below positives.
constexpr char kNoNumber = 1, kNegative = 2, kZero = 3, kPositive = 4;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A positive value as its decimal exponent (four bytes, biased so that they order like it) and
// its significant digits two to a byte (1 to 100, a last odd digit paired with 0), ending with
// 0. The digits have no trailing zeros, so each value has one key, and at equal exponents the
// shorter digits, being the smaller, end first.
void AppendMagnitude(std::string_view integer, std::string_view fraction, std::string& out) {
    std::int64_t exponent = static_cast<std::int64_t>(integer.size());
    if (integer.empty()) {
        std::size_t zeros = 0;
        while (zeros < fraction.size() && fraction[zeros] == '0') ++zeros;
        exponent = -static_cast<std::int64_t>(zeros);
        fraction.remove_prefix(zeros);
    }
    if (fraction.empty()) {
        while (!integer.empty() && integer.back() == '0') integer.remove_suffix(1);
    }
    const auto biased = static_cast<std::uint32_t>(
        std::max<std::int64_t>(std::min<std::int64_t>(exponent, INT32_MAX), INT32_MIN) +
        (std::int64_t{1} << 31));
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(biased >> shift));
    const std::size_t count = integer.size() + fraction.size();
    const auto digit = [&](std::size_t i) {
        if (i >= count) return 0;
        return (i < integer.size() ? integer[i] : fraction[i - integer.size()]) - '0';
    };
    for (std::size_t i = 0; i < count; i += 2) {
        out.push_back(static_cast<char>(digit(i) * 10 + digit(i + 1) + 1));
    }
    out.push_back('\0');
}

}  // namespace

void AppendNumberKey(std::string_view text, char point, std::string& out) {
    std::size_t i = 0;
    while (i < text.size() && IsKeyBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const std::size_t digitsStart = i;
    while (i < text.size() && text[i] == '0') ++i;
    const std::size_t integerStart = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    const std::string_view integer = text.substr(integerStart, i - integerStart);
    bool anyDigit = i > digitsStart;
    std::string_view fraction;
    if (i + 1 < text.size() && text[i] == point && IsDigit(text[i + 1])) {
        const std::size_t start = ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        fraction = text.substr(start, i - start);
        while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
        anyDigit = true;
    }
    if (!anyDigit) {
        out.push_back(kNoNumber);
        return;
    }
    bool zero = integer.empty();
    for (std::size_t f = 0; zero && f < fraction.size(); ++f) zero = fraction[f] == '0';
    if (zero) {
        out.push_back(kZero);
        return;
    }
    out.push_back(negative ? kNegative : kPositive);
    const std::size_t start = out.size();
    AppendMagnitude(integer, fraction, out);
    // A larger magnitude is a smaller negative number.
    if (negative) {
        for (std::size_t b = start; b < out.size(); ++b) out[b] = static_cast<char>(~out[b]);
    }
}

}  // namespace pendara
