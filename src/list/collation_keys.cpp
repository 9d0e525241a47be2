#include "list/collation_keys.h"

#include <cstdint>

#include "list/line_compare.h"
#include "list/two_cores.h"

namespace pendara {

CollationKeys CollationKeys::Make(std::span<const std::string> lines,
                                  const LineCollator& collator) {
    CollationKeys out;
    std::size_t textSize = 0;
    for (const std::string& line : lines) textSize += line.size();
    out.bytes_.reserve(textSize + textSize / 4 + lines.size() * 8);
    out.ends_.reserve(lines.size());
    for (const std::string& line : lines) {
        collator.appendSortKey(line, out.bytes_);
        out.ends_.push_back(out.bytes_.size());
    }
    return out;
}

std::pair<CollationKeys, CollationKeys> CollationKeys::MakeTwo(std::span<const std::string> first,
                                                               std::span<const std::string> second,
                                                               const LineCollator& collator,
                                                               std::size_t twoCoresFrom) {
    std::pair<CollationKeys, CollationKeys> keys;
    // An empty run would leave the second core idle.
    if (first.empty() || second.empty()) twoCoresFrom = SIZE_MAX;
    RunOnTwoCores(
        first.size() + second.size(), collator,
        [&](const LineCollator& own) { keys.first = Make(first, own); },
        [&](const LineCollator& own) { keys.second = Make(second, own); }, twoCoresFrom);
    return keys;
}

}  // namespace pendara
