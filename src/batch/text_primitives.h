#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pendara {

// The text primitives every batch operation rests on. Positions are 1-based and count
// characters (see list/utf8.h); every function clamps its arguments instead of failing, and
// their results at the edges (an index past the end, a negative count, an empty search text) are
// what the batch operations owe their behaviour to.

// Up to `count` characters from position `start`. A start below 1 begins at 1 without reducing
// the count: MiddlePart("abcdef", -4, 3) == "abc". A start past the end gives "".
std::string MiddlePart(std::string_view s, std::int64_t start, std::int64_t count);

// The first `n` characters; "" for n <= 0, all of `s` for n >= length.
std::string LeftPart(std::string_view s, std::int64_t n);

// The last `n` characters; "" for n <= 0, all of `s` for n >= length.
std::string RightPart(std::string_view s, std::int64_t n);

// Position of the leftmost occurrence of `needle` in `s`, compared byte for byte and matched
// only on whole characters; 0 when there is none or either text is empty. Note the order:
// the needle comes first.
int FirstPos(std::string_view needle, std::string_view s);

// `s` with every occurrence of `old` replaced by `replacement`, left to right, without overlaps;
// the inserted text is never searched again: ReplaceEvery("aaa", "aa", "b") == "ba".
// `s` unchanged when `old` is empty.
std::string ReplaceEvery(std::string_view s, std::string_view old, std::string_view replacement);

// A blank is any byte 0 to 32. Blanks inside the text stay.
std::string_view TrimBlanks(std::string_view s);
std::string_view TrimLeading(std::string_view s);
std::string_view TrimTrailing(std::string_view s);

inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

// Only the bytes A to Z change; accented capitals stay as they are.
std::string LowerAscii(std::string_view s);

// Case mode 0: `s` unchanged; 1: LowerAscii(s).
std::string ApplyCaseMode(std::string_view s, int mode);

// Byte offset in `s` of the leftmost whole-character occurrence of `needle` at or after byte
// `from`, or npos. The building block of FirstPos and ReplaceEvery for callers that work in bytes.
std::size_t FindWhole(std::string_view s, std::string_view needle, std::size_t from = 0);

}  // namespace pendara
