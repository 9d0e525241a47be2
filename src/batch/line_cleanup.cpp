#include "batch/line_cleanup.h"

#include <algorithm>

#include "batch/line_edit.h"
#include "batch/text_primitives.h"

namespace pendara {

void RemoveEmptyLines(LineList& lines, EmptyLines empty) {
    const bool ignoreSpace = empty == EmptyLines::BlanksOnly;
    KeepLinesFromLast(lines.lines(), [ignoreSpace](const std::string& line) {
        return ignoreSpace ? !TrimBlanks(line).empty() : !line.empty();
    });
}

void TrimLines(LineList& lines, LineEnds ends) {
    const bool left = ends == LineEnds::Start || ends == LineEnds::Both;
    const bool right = ends == LineEnds::End || ends == LineEnds::Both;
    if (!left && !right) return;
    for (std::string& line : lines.lines()) {
        if (right) line.erase(TrimTrailing(line).size());
        if (left) line.erase(0, line.size() - TrimLeading(line).size());
    }
}

void RemoveLinesByLength(LineList& lines, const LengthCondition& condition) {
    const std::int64_t limit = condition.length;
    const std::int64_t rangeLow = std::min(limit, condition.rangeEnd);
    const std::int64_t rangeHigh = std::max(limit, condition.rangeEnd);
    KeepLinesFromLast(lines.lines(), [&](const std::string& line) {
        const auto length = static_cast<std::int64_t>(CharCount(line));
        switch (condition.option) {
            case LengthOption::Equal:
                return length != limit;
            case LengthOption::Less:
                return length >= limit;
            case LengthOption::More:
                return length <= limit;
            case LengthOption::Range:
                return length < rangeLow || length > rangeHigh;
        }
        return true;
    });
}

}  // namespace pendara
