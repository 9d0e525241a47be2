#include "batch/line_cleanup.h"

#include <algorithm>

#include "batch/line_edit.h"
#include "batch/text_primitives.h"
#include "text/cancel_point.h"

namespace pendara {

void RemoveEmptyLines(LineList& lines, EmptyLines empty) {
    KeepLinesFromLast(lines.lines(),
                      [empty](const std::string& line) { return !IsEmptyLine(line, empty); });
}

void TrimLines(LineList& lines, LineEnds ends) {
    if (ends == LineEnds::Neither) return;
    std::size_t turn = 0;
    for (std::string& line : lines.lines()) {
        CancelPointEvery(turn++);
        const std::string_view kept = TrimmedLine(line, ends);
        if (kept.size() == line.size()) continue;
        const auto start = static_cast<std::size_t>(kept.data() - line.data());
        line.erase(start + kept.size());
        line.erase(0, start);
    }
}

bool HasRemovedLength(std::string_view line, const LengthCondition& condition) {
    const std::int64_t limit = condition.length;
    const auto length = static_cast<std::int64_t>(CharCount(line));
    switch (condition.option) {
        case LengthOption::Equal:
            return length == limit;
        case LengthOption::Less:
            return length < limit;
        case LengthOption::More:
            return length > limit;
        case LengthOption::Range:
            return length >= std::min(limit, condition.rangeEnd) &&
                   length <= std::max(limit, condition.rangeEnd);
    }
    return false;
}

void RemoveLinesByLength(LineList& lines, const LengthCondition& condition) {
    KeepLinesFromLast(lines.lines(),
                      [&](const std::string& line) { return !HasRemovedLength(line, condition); });
}

}  // namespace pendara
