#pragma once

#include <cstddef>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace pendara {

// The line breaks of list text, found the same way by every reader of lines (the line list, the
// Main List, file forms, the command line's reader): a break is CR LF, a lone CR or a lone LF.
// Example: "a\r\nb\rc\nd" holds the lines "a", "b", "c" and "d".

inline bool IsBreakByte(char c) { return c == '\r' || c == '\n'; }

// The first CR or LF in [p, end), or end. Sixteen bytes at a time where the processor allows,
// since most lines are a few dozen bytes and a byte loop would be most of reading a long list.
inline const char* FindBreakByte(const char* p, const char* end) {
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int hits =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
        if (hits != 0) return p + __builtin_ctz(static_cast<unsigned>(hits));
    }
#endif
    while (p < end && !IsBreakByte(*p)) ++p;
    return p;
}

// The offset of the first CR or LF in `text` at or after `from`, or text.size().
inline std::size_t FindBreak(std::string_view text, std::size_t from = 0) {
    const char* begin = text.data();
    return static_cast<std::size_t>(FindBreakByte(begin + from, begin + text.size()) - begin);
}

// How many bytes the break at `at` takes: 2 for CR LF, else 1. `text[at]` is CR or LF; a CR at
// the very end of `text` counts as a lone CR, so a reader of blocks must look at the next block.
inline std::size_t BreakSize(std::string_view text, std::size_t at) {
    return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
}

// Where the line holding `at` starts: just after the last CR or LF in [start, at), or start.
inline const char* FindLineStart(const char* start, const char* at) {
    while (at > start && !IsBreakByte(at[-1])) --at;
    return at;
}

// How many breaks of each kind a text holds, and how it ends; counted by CountBreaks, or a byte
// at a time by a reader that passes over the text anyway.
struct BreakCounts {
    std::size_t crLf = 0;
    std::size_t lf = 0;
    std::size_t cr = 0;
    bool empty = true;
    bool endsWithBreak = false;

    // Counts the next byte of the text; `previous` is the one before it (0 for none).
    void count(char byte, char previous) {
        if (byte == '\n' && previous == '\r') {
            --cr;
            ++crLf;
        } else if (byte == '\n') {
            ++lf;
        } else if (byte == '\r') {
            ++cr;
        }
    }
};
inline BreakCounts CountBreaks(std::string_view text) {
    BreakCounts counts;
    counts.empty = text.empty();
    counts.endsWithBreak = !text.empty() && IsBreakByte(text.back());
    for (std::size_t at = FindBreak(text); at < text.size(); at = FindBreak(text, at)) {
        const std::size_t size = BreakSize(text, at);
        if (size == 2) {
            ++counts.crLf;
        } else if (text[at] == '\r') {
            ++counts.cr;
        } else {
            ++counts.lf;
        }
        at += size;
    }
    return counts;
}

}  // namespace pendara
