#include "merge/merge_lists.h"

#include <algorithm>
#include <string>
#include <vector>

#include "text/cancel_point.h"

namespace pendara {

namespace {

std::vector<std::string> SideBySide(const std::vector<std::string>& left,
                                    const std::vector<std::string>& right, std::string_view before,
                                    std::string_view separator, std::string_view after) {
    const std::size_t n = std::max(left.size(), right.size());
    const std::size_t fixed = before.size() + separator.size() + after.size();
    static const std::string kEmpty;
    std::vector<std::string> result(n);
    for (std::size_t i = 0; i < n; ++i) {
        CancelPointEvery(i);
        // A missing line on the shorter side counts as an empty line.
        const std::string& l = i < left.size() ? left[i] : kEmpty;
        const std::string& r = i < right.size() ? right[i] : kEmpty;
        std::string& line = result[i];
        line.reserve(fixed + l.size() + r.size());
        AppendSideBySide(line, l, r, before, separator, after);
    }
    return result;
}

std::vector<std::string> OneAfterOther(const std::vector<std::string>& top,
                                       const std::vector<std::string>& bottom,
                                       std::string_view before, std::string_view separator,
                                       std::string_view after) {
    std::vector<std::string> result;
    result.reserve(top.size() + bottom.size() + 3);
    if (!before.empty()) result.emplace_back(before);
    result.insert(result.end(), top.begin(), top.end());
    if (!separator.empty()) result.emplace_back(separator);
    result.insert(result.end(), bottom.begin(), bottom.end());
    if (!after.empty()) result.emplace_back(after);
    return result;
}

}  // namespace

LineList MergeLists(MergeMode mode, const LineList& left, const LineList& right,
                    std::string_view before, std::string_view separator, std::string_view after) {
    if (mode == MergeMode::LeftRight) {
        return LineList(SideBySide(left.lines(), right.lines(), before, separator, after));
    }
    return LineList(OneAfterOther(left.lines(), right.lines(), before, separator, after));
}

}  // namespace pendara
