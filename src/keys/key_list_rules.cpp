#include "keys/key_list_rules.h"

#include "keys/line_keys.h"
#include "list/line_order.h"

namespace pendara {

void SortLinesByKeys(LineList& list, const KeyOptions& options, bool unique,
                     const LineCollator& collator) {
    const KeyFlags& flags = options.global;
    if (options.keys.empty() && !options.trim && !options.squeeze && !flags.numeric &&
        !flags.matchCase && !unique) {
        SortLinesBy(list, {flags.reverse, flags.natural, flags.byLength}, collator);
        return;
    }
    std::vector<std::string>& lines = list.lines();
    const std::vector<std::uint32_t> order =
        SortedPositionsByKeys(lines, options, collator, unique);
    std::vector<std::string> sorted;
    sorted.reserve(order.size());
    for (const std::uint32_t i : order) sorted.push_back(std::move(lines[i]));
    lines = std::move(sorted);
}

void DedupeLinesByKeys(LineList& list, const KeyOptions& options, KeepCopy keep,
                       const LineCollator& collator) {
    KeepPositions(list, DedupedPositions(GroupLines(list.lines(), options, collator), keep));
}

void KeepRepeatedLinesByKeys(LineList& list, const KeyOptions& options, bool everyCopy,
                             const LineCollator& collator) {
    KeepPositions(list, RepeatedPositions(GroupLines(list.lines(), options, collator), everyCopy));
}

void KeepSingleLinesByKeys(LineList& list, const KeyOptions& options,
                           const LineCollator& collator) {
    KeepPositions(list, SinglePositions(GroupLines(list.lines(), options, collator)));
}

void TallyLinesByKeys(LineList& list, const KeyOptions& options, const LineCollator& collator) {
    const LineGroups groups = GroupLines(list.lines(), options, collator);
    TallyGroups(list, groups);
}

Comparison CompareListsByKeys(const LineList& first, const LineList& second,
                              const KeyOptions& options, const LineCollator& collator) {
    KeyFlags flags = options.global;
    flags.reverse = false;  // no part in equality
    if (options.keys.empty() && !flags.any() && !options.trim && !options.squeeze) {
        return CompareLists(first, second, collator);
    }
    const ComparedPositions positions =
        CompareByKeys(first.lines(), second.lines(), options, collator);
    Comparison result;
    const auto fill = [](LineList& into, const std::vector<std::uint32_t>& from,
                         const LineList& lines) {
        into.lines().reserve(from.size());
        for (const std::uint32_t i : from) into.add(lines.lines()[i]);
    };
    fill(result.firstOnly, positions.firstOnly, first);
    fill(result.same, positions.same, first);
    fill(result.secondOnly, positions.secondOnly, second);
    result.different = result.firstOnly;
    for (const std::string& line : result.secondOnly.lines()) result.different.add(line);
    return result;
}

}  // namespace pendara
