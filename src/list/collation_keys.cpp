#include "list/collation_keys.h"

#include <cstdint>

#include "list/line_compare.h"
#include "list/two_cores.h"
#include "text/cancel_point.h"

namespace pendara {

template <typename Lines>
CollationKeys CollationKeys::MakeFrom(const Lines& lines, const LineCollator& collator,
                                      KeyForm form) {
    CollationKeys out;
    std::size_t textSize = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) textSize += lines[i].size();
    out.bytes_.reserve(textSize + textSize / 4 + lines.size() * 8);
    out.ends_.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CancelPointEvery(i);
        collator.appendSortKey(lines[i], out.bytes_, form);
        out.ends_.push_back(out.bytes_.size());
    }
    return out;
}

CollationKeys CollationKeys::MakeFrom(std::size_t count, const KeyAppender& append,
                                      const LineCollator& collator) {
    CollationKeys out;
    out.ends_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        CancelPointEvery(i);
        append(i, collator, out.bytes_);
        out.ends_.push_back(out.bytes_.size());
    }
    return out;
}

template <typename Lines>
std::pair<CollationKeys, CollationKeys> CollationKeys::MakeTwoFrom(const Lines& first,
                                                                   const Lines& second,
                                                                   const LineCollator& collator,
                                                                   std::size_t twoCoresFrom) {
    std::pair<CollationKeys, CollationKeys> keys;
    const KeyForm form =
        KeyFormOf(first, collator) == KeyForm::Quick ? KeyFormOf(second, collator) : KeyForm::Full;
    // An empty run would leave the second core idle.
    if (first.size() == 0 || second.size() == 0) twoCoresFrom = SIZE_MAX;
    RunOnTwoCores(
        first.size() + second.size(), collator,
        [&](const LineCollator& own) { keys.first = MakeFrom(first, own, form); },
        [&](const LineCollator& own) { keys.second = MakeFrom(second, own, form); }, twoCoresFrom);
    return keys;
}

CollationKeys CollationKeys::Make(std::span<const std::string> lines,
                                  const LineCollator& collator) {
    return MakeFrom(lines, collator, KeyFormOf(lines, collator));
}

std::pair<CollationKeys, CollationKeys> CollationKeys::MakeTwo(std::span<const std::string> first,
                                                               std::span<const std::string> second,
                                                               const LineCollator& collator,
                                                               std::size_t twoCoresFrom) {
    return MakeTwoFrom(first, second, collator, twoCoresFrom);
}

std::pair<CollationKeys, CollationKeys> CollationKeys::MakeTwo(const TextLines& first,
                                                               const TextLines& second,
                                                               const LineCollator& collator,
                                                               std::size_t twoCoresFrom) {
    return MakeTwoFrom(first, second, collator, twoCoresFrom);
}

std::pair<CollationKeys, CollationKeys> CollationKeys::MakeTwo(
    std::size_t firstCount, const KeyAppender& first, std::size_t secondCount,
    const KeyAppender& second, const LineCollator& collator, std::size_t twoCoresFrom) {
    std::pair<CollationKeys, CollationKeys> keys;
    if (firstCount == 0 || secondCount == 0) twoCoresFrom = SIZE_MAX;
    RunOnTwoCores(
        firstCount + secondCount, collator,
        [&](const LineCollator& own) { keys.first = MakeFrom(firstCount, first, own); },
        [&](const LineCollator& own) { keys.second = MakeFrom(secondCount, second, own); },
        twoCoresFrom);
    return keys;
}

}  // namespace pendara
