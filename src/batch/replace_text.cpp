#include "batch/replace_text.h"

#include "batch/line_edit.h"
#include "batch/text_primitives.h"
#include "text/cancel_point.h"

namespace pendara {

void ReplaceText(LineList& lines, std::string_view find, std::string_view replacement) {
    if (find.empty()) return;
    std::size_t turn = 0;
    for (std::string& line : lines.lines()) {
        CancelPointEvery(turn++);
        // Most lines hold no occurrence: leave them without building a copy.
        if (FindWhole(line, find) == std::string::npos) continue;
        line = ReplaceEvery(line, find, replacement);
    }
}

void AppendReplacedText(std::string& out, std::string_view line, std::string_view find,
                        std::string_view replacement) {
    AppendReplacingEvery(out, line, find, replacement);
}

}  // namespace pendara
