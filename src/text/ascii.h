#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace pendara {

// Byte tricks on eight bytes at a time, and ASCII case folding. Long lists are mostly plain
// ASCII, and working a word at a time there is what keeps the line rules within their budget.

inline constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;

inline std::uint64_t LoadWord(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

// 0x80 in every byte of `x` that is zero, exactly (no borrow between bytes).
inline constexpr std::uint64_t ZeroBytes(std::uint64_t x) {
    constexpr std::uint64_t low7 = 0x7F * kEveryByte;
    return ~(((x & low7) + low7) | x | low7);
}

// True when some byte of `word` is not ASCII.
inline constexpr bool HasNonAscii(std::uint64_t word) { return (word & 0x80 * kEveryByte) != 0; }

// `word` with every byte A to Z turned into a to z; every other byte stays.
inline constexpr std::uint64_t FoldAsciiWord(std::uint64_t word) {
    const std::uint64_t low7 = word & (0x7F * kEveryByte);
    const std::uint64_t atLeastA = low7 + (0x80 - 'A') * kEveryByte;  // top bit: byte >= 'A'
    const std::uint64_t aboveZ = low7 + (0x7F - 'Z') * kEveryByte;    // top bit: byte > 'Z'
    const std::uint64_t upper = atLeastA & ~aboveZ & ~word & (0x80 * kEveryByte);
    return word ^ (upper >> 2);  // 0x80 >> 2 is the 0x20 between capital and small letters
}

// Only the bytes A to Z change; accented capitals stay as they are.
inline constexpr char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// FoldAscii over `in` into a reused buffer, eight bytes at a time: folding every line of a long
// list byte by byte, with a fresh string each, would cost more than the searches themselves.
inline void FoldAsciiInto(std::string& out, std::string_view in) {
    out.resize(in.size());
    std::size_t at = 0;
    for (; at + 8 <= in.size(); at += 8) {
        const std::uint64_t folded = FoldAsciiWord(LoadWord(in.data() + at));
        std::memcpy(out.data() + at, &folded, 8);
    }
    for (; at < in.size(); ++at) out[at] = FoldAscii(in[at]);
}

inline std::string LowerAscii(std::string_view s) {
    std::string out;
    FoldAsciiInto(out, s);
    return out;
}

}  // namespace pendara
