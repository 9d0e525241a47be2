#include "batch/text_primitives.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>

#include "text/ascii.h"
#include "text/utf8.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace pendara {

namespace {

// The search behind FindWhole and FindWholeFolded. Eight candidate positions at a time are
// tested by their first and last byte with two word compares, and only where both match is the
// rest compared. On lines of a few dozen bytes this beats a byte-by-byte search, and memmem,
// whose set-up per call dominates there. Folding sets the 0x20 bit of a byte before comparing
// it with a small letter, which matches exactly that letter and its capital.
template <bool folded>
std::size_t Find(std::string_view s, std::string_view needle, std::size_t from) {
    constexpr std::size_t npos = std::string_view::npos;
    const std::size_t m = needle.size();
    if (m == 0 || from > s.size() || m > s.size() - from) return npos;
    const auto isSmall = [](char c) { return c >= 'a' && c <= 'z'; };
    const char first = needle[0], last = needle[m - 1];
    const char firstSet = folded && isSmall(first) ? 0x20 : 0;
    const char lastSet = folded && isSmall(last) ? 0x20 : 0;
    const auto middleMatches = [&](std::size_t at) {
        if constexpr (folded) {
            for (std::size_t k = 1; k + 1 < m; ++k) {
                if (FoldAscii(s[at + k]) != needle[k]) return false;
            }
            return true;
        } else {
            // Keywords are short: a call to memcmp would cost more than the compare.
            if (m > 16) return std::memcmp(s.data() + at + 1, needle.data() + 1, m - 2) == 0;
            for (std::size_t k = 1; k + 1 < m; ++k) {
                if (s[at + k] != needle[k]) return false;
            }
            return true;
        }
    };
    // Most bytes are ASCII, which start a character without looking back.
    const auto isBoundary = [&](std::size_t at) {
        return at >= s.size() || static_cast<unsigned char>(s[at]) < 0x80 || IsCharBoundary(s, at);
    };
    const auto matchesAt = [&](std::size_t at) {
        return static_cast<char>(s[at] | firstSet) == first &&
               static_cast<char>(s[at + m - 1] | lastSet) == last && middleMatches(at) &&
               isBoundary(at) && isBoundary(at + m);
    };
    std::size_t at = from;
#ifdef __SSE2__
    // Sixteen positions at a time where the line is long enough, the last sixteen overlapping
    // the ones before; shorter lines take the word loop below.
    if (s.size() >= m - 1 + 16) {
        const __m128i firstBytes = _mm_set1_epi8(first), lastBytes = _mm_set1_epi8(last);
        const __m128i firstBits = _mm_set1_epi8(firstSet), lastBits = _mm_set1_epi8(lastSet);
        const auto load = [&](std::size_t p) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.data() + p));
        };
        const auto hitsAt = [&](std::size_t p) {
            const __m128i x = _mm_cmpeq_epi8(_mm_or_si128(load(p), firstBits), firstBytes);
            const __m128i y = _mm_cmpeq_epi8(_mm_or_si128(load(p + m - 1), lastBits), lastBytes);
            return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(x, y)));
        };
        const auto firstMatch = [&](std::size_t p, unsigned hits) {
            for (; hits != 0; hits &= hits - 1) {
                const std::size_t candidate = p + static_cast<std::size_t>(std::countr_zero(hits));
                if (matchesAt(candidate)) return candidate;
            }
            return npos;
        };
        for (; at + m - 1 + 16 <= s.size(); at += 16) {
            if (const std::size_t found = firstMatch(at, hitsAt(at)); found != npos) return found;
        }
        if (at + m > s.size()) return npos;
        const std::size_t last16 = s.size() - (m - 1) - 16;
        return firstMatch(last16, hitsAt(last16) & (~0U << (at - last16)));
    }
#endif
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t firstWord = static_cast<unsigned char>(first) * kEveryByte;
        const std::uint64_t lastWord = static_cast<unsigned char>(last) * kEveryByte;
        const std::uint64_t firstBits = static_cast<unsigned char>(firstSet) * kEveryByte;
        const std::uint64_t lastBits = static_cast<unsigned char>(lastSet) * kEveryByte;
        const auto hitsAt = [&](std::size_t word) {
            const std::uint64_t x = LoadWord(s.data() + word) | firstBits;
            const std::uint64_t y = LoadWord(s.data() + word + m - 1) | lastBits;
            return ZeroBytes(x ^ firstWord) & ZeroBytes(y ^ lastWord);
        };
        const auto firstMatch = [&](std::size_t word, std::uint64_t hits) {
            for (; hits != 0; hits &= hits - 1) {
                const std::size_t candidate =
                    word + static_cast<std::size_t>(std::countr_zero(hits)) / 8;
                if (matchesAt(candidate)) return candidate;
            }
            return npos;
        };
        for (; at + m - 1 + 8 <= s.size(); at += 8) {
            if (const std::size_t found = firstMatch(at, hitsAt(at)); found != npos) return found;
        }
        // The last positions as one more word that overlaps the one before, instead of a byte
        // at a time: on short lines the tail is a good part of the line.
        if (at + m <= s.size() && s.size() >= m - 1 + 8) {
            const std::size_t last = s.size() - (m - 1) - 8;
            return firstMatch(last, hitsAt(last) & (~std::uint64_t{0} << (8 * (at - last))));
        }
    }
    for (; at + m <= s.size(); ++at) {
        if (matchesAt(at)) return at;
    }
    return npos;
}

}  // namespace

std::size_t FindWhole(std::string_view s, std::string_view needle, std::size_t from) {
    return Find<false>(s, needle, from);
}

std::size_t FindWholeFolded(std::string_view s, std::string_view foldedNeedle, std::size_t from) {
    assert(std::none_of(foldedNeedle.begin(), foldedNeedle.end(),
                        [](char c) { return c >= 'A' && c <= 'Z'; }));
    return Find<true>(s, foldedNeedle, from);
}

void AppendReplacingEvery(std::string& out, std::string_view s, std::string_view old,
                          std::string_view replacement) {
    std::size_t done = 0;
    for (std::size_t at = FindWhole(s, old); at != std::string_view::npos;
         at = FindWhole(s, old, done)) {
        out.append(s.substr(done, at - done));
        out.append(replacement);
        done = at + old.size();
    }
    out.append(s.substr(done));
}

std::string ReplaceEvery(std::string_view s, std::string_view old, std::string_view replacement) {
    std::string result;
    result.reserve(s.size() + (replacement.size() > old.size() ? s.size() / 2 : 0));
    AppendReplacingEvery(result, s, old, replacement);
    return result;
}

}  // namespace pendara
