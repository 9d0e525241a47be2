#include "batch/text_primitives.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "list/utf8.h"

namespace pendara {

std::string MiddlePart(std::string_view s, std::int64_t start, std::int64_t count) {
    if (count <= 0 || s.empty()) return {};
    if (start < 1) start = 1;
    const std::size_t from = ByteOffsetOfChar(s, static_cast<std::size_t>(start - 1));
    if (from >= s.size()) return {};
    const std::string_view rest = s.substr(from);
    return std::string(rest.substr(0, ByteOffsetOfChar(rest, static_cast<std::size_t>(count))));
}

std::string LeftPart(std::string_view s, std::int64_t n) { return MiddlePart(s, 1, n); }

std::string RightPart(std::string_view s, std::int64_t n) {
    if (n <= 0) return {};
    const auto length = static_cast<std::int64_t>(CharCount(s));
    return MiddlePart(s, length + 1 - n, n);
}

std::size_t FindWhole(std::string_view s, std::string_view needle, std::size_t from) {
    constexpr std::size_t npos = std::string_view::npos;
    const std::size_t m = needle.size();
    if (m == 0 || from > s.size() || m > s.size() - from) return npos;
    const auto matchesAt = [&](std::size_t at) {
        return s[at] == needle[0] && s[at + m - 1] == needle[m - 1] &&
               std::memcmp(s.data() + at + 1, needle.data() + 1, m > 2 ? m - 2 : 0) == 0 &&
               IsCharBoundary(s, at) && IsCharBoundary(s, at + m);
    };
    // Eight candidate positions at a time, tested by their first and last byte with two word
    // compares; only where both match does memcmp run. On lines of a few dozen bytes this beats
    // a byte-by-byte search, and memmem, whose set-up per call dominates there.
    std::size_t at = from;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t ones = 0x0101010101010101ULL, low7 = 0x7F * ones;
        // 0x80 in every byte of x that is zero, exactly (no borrow between bytes).
        const auto zeroBytes = [](std::uint64_t x) { return ~(((x & low7) + low7) | x | low7); };
        const std::uint64_t first = static_cast<unsigned char>(needle[0]) * ones;
        const std::uint64_t last = static_cast<unsigned char>(needle[m - 1]) * ones;
        for (std::uint64_t a, b; at + m - 1 + 8 <= s.size(); at += 8) {
            std::memcpy(&a, s.data() + at, 8);
            std::memcpy(&b, s.data() + at + m - 1, 8);
            for (std::uint64_t hits = zeroBytes(a ^ first) & zeroBytes(b ^ last); hits != 0;
                 hits &= hits - 1) {
                const std::size_t candidate =
                    at + static_cast<std::size_t>(std::countr_zero(hits)) / 8;
                if (matchesAt(candidate)) return candidate;
            }
        }
    }
    for (; at + m <= s.size(); ++at) {
        if (matchesAt(at)) return at;
    }
    return npos;
}

int FirstPos(std::string_view needle, std::string_view s) {
    if (needle.empty() || s.empty()) return 0;
    const std::size_t at = FindWhole(s, needle);
    if (at == std::string_view::npos) return 0;
    return static_cast<int>(CharCount(s.substr(0, at)) + 1);
}

std::string ReplaceEvery(std::string_view s, std::string_view old, std::string_view replacement) {
    std::size_t at = FindWhole(s, old);
    if (at == std::string_view::npos) return std::string(s);
    std::string result;
    result.reserve(s.size() + (replacement.size() > old.size() ? s.size() / 2 : 0));
    std::size_t done = 0;
    while (at != std::string_view::npos) {
        result.append(s.substr(done, at - done));
        result.append(replacement);
        done = at + old.size();
        at = FindWhole(s, old, done);
    }
    result.append(s.substr(done));
    return result;
}

std::string_view TrimLeading(std::string_view s) {
    const auto first = std::find_if_not(s.begin(), s.end(), IsBlank);
    return s.substr(static_cast<std::size_t>(first - s.begin()));
}

std::string_view TrimTrailing(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1])) --end;
    return s.substr(0, end);
}

std::string_view TrimBlanks(std::string_view s) { return TrimTrailing(TrimLeading(s)); }

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return out;
}

std::string ApplyCaseMode(std::string_view s, int mode) {
    return mode == 1 ? LowerAscii(s) : std::string(s);
}

}  // namespace pendara
