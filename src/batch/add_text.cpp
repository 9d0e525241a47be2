#include "batch/add_text.h"

#include "batch/line_edit.h"
#include "batch/text_primitives.h"
#include "text/cancel_point.h"
#include "text/utf8.h"

namespace pendara {

std::size_t AddTextOffset(std::string_view line, const LinePlace& place) {
    if (place.anchor == LinePlace::Anchor::SearchText) {
        const std::size_t found = FindWhole(line, place.search);
        if (found == std::string::npos) return found;
        return place.backwards() ? found : found + place.search.size();
    }
    if (place.backwards()) {
        const CharIndex chars(line);
        return chars.offset(chars.length() - place.position + 1);
    }
    // Forwards only the characters before the index need walking, not the whole line.
    return place.position <= 1
               ? 0
               : ByteOffsetOfChar(line, static_cast<std::size_t>(place.position - 1));
}

void AddText(LineList& lines, std::string_view text, const LinePlace& place) {
    if (text.empty()) return;
    std::size_t turn = 0;
    for (std::string& line : lines.lines()) {
        CancelPointEvery(turn++);
        const std::size_t at = AddTextOffset(line, place);
        if (at != std::string::npos) line.insert(at, text);
    }
}

}  // namespace pendara
