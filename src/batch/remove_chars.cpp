#include "batch/remove_chars.h"

#include <algorithm>

#include "batch/line_edit.h"
#include "batch/text_primitives.h"

namespace pendara {

namespace {

// Erases the characters first..last (1-based, both included) as far as they lie in the line.
void EraseChars(std::string& line, const CharIndex& chars, std::int64_t first, std::int64_t last) {
    first = std::max<std::int64_t>(first, 1);
    last = std::min(last, chars.length());
    if (first > last) return;
    const std::size_t from = chars.offset(first - 1);
    line.erase(from, chars.offset(last) - from);
}

}  // namespace

void RemoveChars(LineList& lines, std::int64_t count, const LinePlace& place) {
    if (count < 1) return;
    const bool backwards = place.backwards();
    const bool startMode = place.anchor == LinePlace::Anchor::Position;
    const std::int64_t start = place.position;
    const std::string_view search = place.search;
    for (std::string& line : lines.lines()) {
        if (line.empty()) continue;
        if (startMode) {
            const CharIndex chars(line);
            const std::int64_t first = backwards ? chars.length() - start - count + 2 : start;
            EraseChars(line, chars, first, first + count - 1);
            continue;
        }
        const std::size_t found = FindWhole(line, search);
        if (found == std::string::npos) continue;
        if (backwards) {
            const CharIndex before(std::string_view(line).substr(0, found));
            const std::size_t from = before.offset(before.length() - count);
            line.erase(from, found - from);
        } else {
            const std::size_t after = found + search.size();
            const std::string_view rest = std::string_view(line).substr(after);
            line.erase(after, ByteOffsetOfChar(rest, static_cast<std::size_t>(count)));
        }
    }
}

}  // namespace pendara
