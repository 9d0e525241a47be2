#include "shaping/split_line.h"

#include <cassert>

#include "text/utf8.h"

namespace pendara {

namespace {

// A blank is any byte 0 to 32, as everywhere in the program.
std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
    return s;
}

// The next separator at or after `from` that starts and ends on character boundaries.
std::size_t FindSeparator(std::string_view line, std::string_view separator, std::size_t from) {
    for (;;) {
        const std::size_t at = line.find(separator, from);
        if (at == std::string_view::npos) return at;
        const bool plain = static_cast<unsigned char>(separator.front()) < 0x80 &&
                           static_cast<unsigned char>(separator.back()) < 0x80;
        if (plain || (IsCharBoundary(line, at) && IsCharBoundary(line, at + separator.size()))) {
            return at;
        }
        from = at + 1;
    }
}

}  // namespace

std::size_t AppendSplit(std::string& out, std::string_view line, const SplitOptions& options,
                        std::string_view between) {
    assert(!options.separator.empty());
    std::size_t pieces = 0;
    const auto piece = [&](std::string_view text) {
        if (options.trim) text = Trimmed(text);
        if (options.dropEmpty && text.empty()) return;
        if (pieces++ > 0) out += between;
        out += text;
    };
    std::size_t start = 0;
    for (std::size_t at; (at = FindSeparator(line, options.separator, start)) != line.npos;) {
        piece(line.substr(start, at - start));
        start = at + options.separator.size();
    }
    piece(line.substr(start));
    return pieces;
}

}  // namespace pendara
