#include "text/utf8.h"

#include <cassert>

#include "text/ascii.h"

namespace pendara {

int DecodeUtf8(const unsigned char* p, const unsigned char* end, char32_t& cp) {
    const unsigned char b0 = *p;
    int len;
    char32_t min;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2, min = 0x80, cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3, min = 0x800, cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4, min = 0x10000, cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (end - p < len) return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

std::size_t CharLengthAt(std::string_view s, std::size_t at) {
    assert(at < s.size());
    const auto* p = reinterpret_cast<const unsigned char*>(s.data()) + at;
    if (*p < 0x80) return 1;
    char32_t cp;
    const int len = DecodeUtf8(p, reinterpret_cast<const unsigned char*>(s.data()) + s.size(), cp);
    return len == 0 ? 1 : static_cast<std::size_t>(len);
}

std::size_t CharCount(std::string_view s) {
    // Plain ASCII (nearly every line) is skipped eight bytes at a time: the batch rules count the
    // characters of a million lines, and a byte-by-byte loop alone would eat their time budget.
    std::size_t ascii = 0;
    for (; ascii + 8 <= s.size(); ascii += 8) {
        if (HasNonAscii(LoadWord(s.data() + ascii))) break;
    }
    std::size_t count = ascii;
    for (std::size_t at = ascii; at < s.size(); ++count) {
        at += static_cast<unsigned char>(s[at]) < 0x80 ? 1 : CharLengthAt(s, at);
    }
    return count;
}

std::size_t ByteOffsetOfChar(std::string_view s, std::size_t index) {
    std::size_t at = 0;
    for (; index > 0 && at < s.size(); --index) {
        at += static_cast<unsigned char>(s[at]) < 0x80 ? 1 : CharLengthAt(s, at);
    }
    return at;
}

bool IsCharBoundary(std::string_view s, std::size_t at) {
    if (at == 0 || at >= s.size()) return true;
    if ((static_cast<unsigned char>(s[at]) & 0xC0) != 0x80) return true;
    // A continuation byte is inside a character only when a valid sequence that starts at most
    // three bytes earlier covers it.
    for (std::size_t back = 1; back <= 3 && back <= at; ++back) {
        const std::size_t start = at - back;
        const auto c = static_cast<unsigned char>(s[start]);
        if ((c & 0xC0) != 0x80) {
            return c < 0x80 || CharLengthAt(s, start) <= back;
        }
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace pendara
