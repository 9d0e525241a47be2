#include "batch/text_primitives.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "list/ascii.h"
#include "list/utf8.h"

namespace pendara {

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
        const std::uint64_t first = static_cast<unsigned char>(needle[0]) * kEveryByte;
        const std::uint64_t last = static_cast<unsigned char>(needle[m - 1]) * kEveryByte;
        for (; at + m - 1 + 8 <= s.size(); at += 8) {
            const std::uint64_t a = LoadWord(s.data() + at);
            const std::uint64_t b = LoadWord(s.data() + at + m - 1);
            for (std::uint64_t hits = ZeroBytes(a ^ first) & ZeroBytes(b ^ last); hits != 0;
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

}  // namespace pendara
