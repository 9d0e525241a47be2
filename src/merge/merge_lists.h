#pragma once

#include <string>
#include <string_view>

#include "list/line_list.h"

namespace pendara {

enum class MergeMode {
    // Line i of the result is before + left[i] + separator + right[i] + after; the shorter list
    // is padded with empty lines.
    LeftRight,
    // An optional before line, all left lines, an optional separator line, all right lines, an
    // optional after line. An empty text adds no line.
    TopBottom,
};

// Joins two lists into one. Texts are used exactly as given: a text of blanks is not empty.
// Example: LeftRight, left {a1, a2}, right {b1}, "[", "|", "]" gives {[a1|b1], [a2|]}.
LineList MergeLists(MergeMode mode, const LineList& left, const LineList& right,
                    std::string_view before, std::string_view separator, std::string_view after);

// The view form of one LeftRight line: appends before + left + separator + right + after.
inline void AppendSideBySide(std::string& out, std::string_view left, std::string_view right,
                             std::string_view before, std::string_view separator,
                             std::string_view after) {
    out.append(before).append(left).append(separator).append(right).append(after);
}

}  // namespace pendara
