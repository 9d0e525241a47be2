#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pendara {

// The character model: a character is one valid UTF-8 sequence, or a single byte wherever the
// bytes are not valid UTF-8. Plain ASCII and 8-bit single-byte text thus keep "one character,
// one byte", and UTF-8 text is never cut inside a character.

// Length of the valid UTF-8 sequence at `p` (2 to 4) with its code point in `cp`, or 0 when the
// bytes at `p` do not start one. Rejects overlong forms, surrogates and values past U+10FFFF.
int DecodeUtf8(const unsigned char* p, const unsigned char* end, char32_t& cp);

// Appends code point `cp` (at most U+10FFFF) to `out` as UTF-8, one to four bytes.
void AppendUtf8(std::string& out, char32_t cp);

// Byte length of the character that starts at byte `at` of `s` (at < s.size()).
std::size_t CharLengthAt(std::string_view s, std::size_t at);

// Number of characters in `s`.
std::size_t CharCount(std::string_view s);

// Byte offset where character number `index` (from 0) starts; s.size() when index >= count.
std::size_t ByteOffsetOfChar(std::string_view s, std::size_t index);

// True when byte `at` starts a character (or is s.size()).
bool IsCharBoundary(std::string_view s, std::size_t at);

// Walks `text` character by character: `character(codePoint, bytes)` for every valid UTF-8
// sequence, plain ASCII included, and `stray(byte)` for every byte that does not start one.
template <typename Character, typename Stray>
void WalkUtf8(std::string_view text, Character character, Stray stray) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p < end) {
        char32_t cp = *p;
        const int length = *p < 0x80 ? 1 : DecodeUtf8(p, end, cp);
        if (length == 0) {
            stray(*p++);
            continue;
        }
        character(cp, std::string_view(reinterpret_cast<const char*>(p),
                                       static_cast<std::size_t>(length)));
        p += length;
    }
}

}  // namespace pendara
