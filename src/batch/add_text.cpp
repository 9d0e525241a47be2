#include "batch/add_text.h"

#include <algorithm>

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
    std::vector<std::string>& all = lines.lines();
    // In blocks with a cancel point between them: the loop inside stays as tight as it was.
    for (std::size_t from = 0; from < all.size(); from += kCancelBlock) {
        CancelPoint();
        const std::size_t to = std::min(all.size(), from + kCancelBlock);
        for (std::size_t i = from; i < to; ++i) {
            const std::size_t at = AddTextOffset(all[i], place);
            if (at != std::string::npos) all[i].insert(at, text);
        }
    }
}

}  // namespace pendara
