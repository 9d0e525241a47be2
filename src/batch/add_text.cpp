#include "batch/add_text.h"

#include "batch/line_edit.h"
#include "batch/text_primitives.h"

namespace pendara {

void AddText(LineList& lines, std::string_view text, bool backwards, bool indexMode,
             std::int64_t index, std::string_view search) {
    if (text.empty()) return;
    for (std::string& line : lines.lines()) {
        std::size_t at;
        if (indexMode) {
            const CharIndex chars(line);
            at = chars.offset(backwards ? chars.length() - index + 1 : index - 1);
        } else {
            const std::size_t found = FindWholeFast(line, search);
            if (found == std::string::npos) continue;
            at = backwards ? found : found + search.size();
        }
        line.insert(at, text);
    }
}

}  // namespace pendara
