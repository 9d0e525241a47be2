#include "batch/add_text.h"

#include "batch/line_edit.h"
#include "batch/text_primitives.h"
#include "list/utf8.h"

namespace pendara {

void AddText(LineList& lines, std::string_view text, const LinePlace& place) {
    if (text.empty()) return;
    const bool backwards = place.backwards();
    const bool indexMode = place.anchor == LinePlace::Anchor::Position;
    const std::int64_t index = place.position;
    const std::string_view search = place.search;
    for (std::string& line : lines.lines()) {
        std::size_t at;
        if (indexMode && backwards) {
            const CharIndex chars(line);
            at = chars.offset(chars.length() - index + 1);
        } else if (indexMode) {
            // Forwards only the characters before the index need walking, not the whole line.
            at = index <= 1 ? 0 : ByteOffsetOfChar(line, static_cast<std::size_t>(index - 1));
        } else {
            const std::size_t found = FindWhole(line, search);
            if (found == std::string::npos) continue;
            at = backwards ? found : found + search.size();
        }
        line.insert(at, text);
    }
}

}  // namespace pendara
