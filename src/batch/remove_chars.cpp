#include "batch/remove_chars.h"

#include <algorithm>

#include "batch/line_edit.h"
#include "batch/text_primitives.h"
#include "text/cancel_point.h"

namespace pendara {

namespace {

// The characters first..last (1-based, both included) as far as they lie in the line.
ByteRange CharsBetween(const CharIndex& chars, std::int64_t first, std::int64_t last) {
    first = std::max<std::int64_t>(first, 1);
    last = std::min(last, chars.length());
    if (first > last) return {};
    const std::size_t from = chars.offset(first - 1);
    return {from, chars.offset(last) - from};
}

}  // namespace

ByteRange RemovedChars(std::string_view line, std::int64_t count, const LinePlace& place) {
    if (count < 1 || line.empty()) return {};
    const bool backwards = place.backwards();
    if (place.anchor == LinePlace::Anchor::Position && !backwards) {
        // Forwards only the characters up to the end of the run need walking.
        const std::int64_t first = std::max<std::int64_t>(place.position, 1);
        const std::int64_t last = place.position + count - 1;
        if (last < first) return {};
        // In plain ASCII, nearly every line, characters are bytes.
        const std::size_t end = static_cast<std::size_t>(
            std::min<std::int64_t>(last, static_cast<std::int64_t>(line.size())));
        if (std::all_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(end),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            const auto from = static_cast<std::size_t>(first - 1);
            return from < end ? ByteRange{from, end - from} : ByteRange{};
        }
        const std::size_t from = ByteOffsetOfChar(line, static_cast<std::size_t>(first - 1));
        const std::size_t length =
            ByteOffsetOfChar(line.substr(from), static_cast<std::size_t>(last - first + 1));
        return length == 0 ? ByteRange{} : ByteRange{from, length};
    }
    if (place.anchor == LinePlace::Anchor::Position) {
        const CharIndex chars(line);
        const std::int64_t first =
            backwards ? chars.length() - place.position - count + 2 : place.position;
        return CharsBetween(chars, first, first + count - 1);
    }
    const std::size_t found = FindWhole(line, place.search);
    if (found == std::string::npos) return {};
    if (backwards) {
        const CharIndex before(line.substr(0, found));
        const std::size_t from = before.offset(before.length() - count);
        return {from, found - from};
    }
    const std::size_t after = found + place.search.size();
    return {after, ByteOffsetOfChar(line.substr(after), static_cast<std::size_t>(count))};
}

void RemoveChars(LineList& lines, std::int64_t count, const LinePlace& place) {
    if (count < 1) return;
    std::size_t turn = 0;
    for (std::string& line : lines.lines()) {
        CancelPointEvery(turn++);
        const ByteRange removed = RemovedChars(line, count, place);
        if (removed.length != 0) line.erase(removed.offset, removed.length);
    }
}

}  // namespace pendara
