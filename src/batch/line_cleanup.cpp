#include "batch/line_cleanup.h"

#include <algorithm>
#include <utility>

#include "batch/line_edit.h"
#include "batch/text_primitives.h"

namespace pendara {

void RemoveEmptyLines(LineList& lines, bool ignoreSpace) {
    KeepLinesFromLast(lines.lines(), [ignoreSpace](const std::string& line) {
        return ignoreSpace ? !TrimBlanks(line).empty() : !line.empty();
    });
}

void TrimLines(LineList& lines, bool left, bool right) {
    if (!left && !right) return;
    for (std::string& line : lines.lines()) {
        if (right) line.erase(TrimTrailing(line).size());
        if (left) line.erase(0, line.size() - TrimLeading(line).size());
    }
}

void RemoveLinesByLength(LineList& lines, LengthOption option, std::int64_t equal,
                         std::int64_t less, std::int64_t more, std::int64_t rangeLow,
                         std::int64_t rangeHigh) {
    if (rangeLow > rangeHigh) std::swap(rangeLow, rangeHigh);
    KeepLinesFromLast(lines.lines(), [&](const std::string& line) {
        const auto length = static_cast<std::int64_t>(CharCount(line));
        switch (option) {
            case LengthOption::Equal:
                return length != equal;
            case LengthOption::Less:
                return length >= less;
            case LengthOption::More:
                return length <= more;
            case LengthOption::Range:
                return length < rangeLow || length > rangeHigh;
        }
        return true;
    });
}

}  // namespace pendara
