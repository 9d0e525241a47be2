#pragma once

#include <string>
#include <string_view>

namespace pendara {

// The text primitives every batch operation rests on. They clamp their arguments instead of
// failing, and their results at the edges (an offset past the end, an empty search text) are
// what the batch operations owe their behaviour to.

// `s` with every occurrence of `old` replaced by `replacement`, left to right, without overlaps;
// the inserted text is never searched again: ReplaceEvery("aaa", "aa", "b") == "ba".
// `s` unchanged when `old` is empty.
std::string ReplaceEvery(std::string_view s, std::string_view old, std::string_view replacement);
// The same, appended to `out`.
void AppendReplacingEvery(std::string& out, std::string_view s, std::string_view old,
                          std::string_view replacement);

// A blank is any byte 0 to 32. Blanks inside the text stay.
inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

inline std::string_view TrimLeading(std::string_view s) {
    std::size_t start = 0;
    while (start < s.size() && IsBlank(s[start])) ++start;
    return s.substr(start);
}
inline std::string_view TrimTrailing(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1])) --end;
    return s.substr(0, end);
}
inline std::string_view TrimBlanks(std::string_view s) { return TrimTrailing(TrimLeading(s)); }

// Byte offset in `s` of the leftmost occurrence of `needle` at or after byte `from`, compared
// byte for byte and matched only on whole characters; npos when there is none or `needle` is
// empty.
std::size_t FindWhole(std::string_view s, std::string_view needle, std::size_t from = 0);

// FindWhole on `s` with the letters A to Z taken as a to z, without making the folded copy;
// `foldedNeedle` holds no capital A to Z. The same offset as FindWhole(LowerAscii(s), ...).
std::size_t FindWholeFolded(std::string_view s, std::string_view foldedNeedle,
                            std::size_t from = 0);

}  // namespace pendara
