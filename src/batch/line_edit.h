#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "list/utf8.h"

namespace pendara {

// CharCount, with plain ASCII (nearly every line) counted eight bytes at a time: the rules count
// the characters of a million lines, and a byte-by-byte loop alone would eat their time budget.
inline std::size_t CountChars(std::string_view s) {
    std::size_t at = 0;
    for (std::uint64_t word; at + 8 <= s.size(); at += 8) {
        std::memcpy(&word, s.data() + at, 8);
        if ((word & 0x8080808080808080ULL) != 0) break;
    }
    while (at < s.size() && static_cast<unsigned char>(s[at]) < 0x80) ++at;
    // Only ASCII lies before `at`, so decoding can start there.
    return at + CharCount(s.substr(at));
}

// FindWhole for the short lines of long lists. Eight candidate positions are tested at once by
// their first and last byte (two word compares); only positions where both match go on to
// memcmp. On lines of a few dozen bytes this is several times faster than a byte-by-byte
// search, and than memchr or memmem, whose per-call set-up dominates there.
inline std::size_t FindWholeFast(std::string_view s, std::string_view needle) {
    constexpr std::size_t npos = std::string_view::npos;
    const std::size_t m = needle.size();
    if (m == 0 || m > s.size()) return npos;
    const auto matchesAt = [&](std::size_t at) {
        return s[at] == needle[0] && s[at + m - 1] == needle[m - 1] &&
               std::memcmp(s.data() + at + 1, needle.data() + 1, m > 2 ? m - 2 : 0) == 0 &&
               IsCharBoundary(s, at) && IsCharBoundary(s, at + m);
    };
    std::size_t at = 0;
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
                const std::size_t candidate = at + static_cast<std::size_t>(std::countr_zero(hits)) / 8;
                if (matchesAt(candidate)) return candidate;
            }
        }
    }
    for (; at + m <= s.size(); ++at) {
        if (matchesAt(at)) return at;
    }
    return npos;
}

// Character length and byte offsets of one line. When every character is one byte (plain ASCII,
// nearly every line) offsets are the character indexes themselves and nothing is decoded twice.
class CharIndex {
public:
    explicit CharIndex(std::string_view s)
        : s_(s), length_(static_cast<std::int64_t>(CountChars(s))) {}

    std::int64_t length() const { return length_; }

    // Byte offset where character `chars` (from 0) starts, `chars` clamped to 0..length().
    std::size_t offset(std::int64_t chars) const {
        const std::int64_t clamped = std::clamp<std::int64_t>(chars, 0, length_);
        if (length_ == static_cast<std::int64_t>(s_.size())) return static_cast<std::size_t>(clamped);
        return ByteOffsetOfChar(s_, static_cast<std::size_t>(clamped));
    }

private:
    std::string_view s_;
    std::int64_t length_;
};

// Deletes the lines for which `keep` is false, in one pass, keeping the order of the rest.
//
// The lines are judged from the last to the first, the order in which a line-by-line delete would
// visit them, and the kept ones slide to the back. If `keep` throws, the lines not yet judged stay
// in front of the kept ones and nothing is lost: the list is what deleting line by line from the
// end would have left at that moment.
template <typename Keep>
void KeepLinesFromLast(std::vector<std::string>& lines, Keep keep) {
    std::size_t kept = lines.size();  // lines[kept..] are the kept ones
    std::size_t next = lines.size();  // lines[..next] are not judged yet
    try {
        while (next > 0) {
            std::string& line = lines[next - 1];
            if (keep(std::as_const(line))) {
                if (--kept != next - 1) lines[kept] = std::move(line);
            }
            --next;
        }
    } catch (...) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(next),
                    lines.begin() + static_cast<std::ptrdiff_t>(kept));
        throw;
    }
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(kept));
}

}  // namespace pendara
