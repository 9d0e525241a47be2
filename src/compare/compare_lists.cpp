#include "compare/compare_lists.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "list/collation_keys.h"
#include "list/hash_slots.h"
#include "list/line_compare.h"
#include "text/cancel_point.h"

namespace pendara {

namespace {

// The collation keys of both lists, lines of the first list counted first.
class StoredKeys {
public:
    explicit StoredKeys(std::pair<CollationKeys, CollationKeys> keys) : keys_(std::move(keys)) {}

    std::size_t firstCount() const { return keys_.first.size(); }
    std::size_t count() const { return keys_.first.size() + keys_.second.size(); }
    std::uint64_t hash(std::size_t line) const { return HashKey(keyOf(line)); }
    bool same(std::size_t a, std::size_t b) const { return keyOf(a) == keyOf(b); }

private:
    std::string_view keyOf(std::size_t line) const {
        return line < keys_.first.size() ? keys_.first.key(line)
                                         : keys_.second.key(line - keys_.first.size());
    }

    std::pair<CollationKeys, CollationKeys> keys_;
};

// Lines that all have quick keys, compared through the collator's quick key table instead of
// keys kept for them: the keys of two long lists would take as much room as the lists.
template <typename Lines>
class QuickKeys {
public:
    QuickKeys(const Lines& first, const Lines& second, const LineCollator& collator)
        : first_(first), second_(second), rank_(collator.quickRanks()) {}

    std::size_t firstCount() const { return first_.size(); }
    std::size_t count() const { return first_.size() + second_.size(); }
    std::uint64_t hash(std::size_t line) const {
        const std::string_view text = lineOf(line);
        mapped_.resize(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            mapped_[i] = static_cast<char>(rank_[static_cast<unsigned char>(text[i])]);
        }
        return HashKey(mapped_);
    }
    bool same(std::size_t a, std::size_t b) const {
        const std::string_view x = lineOf(a), y = lineOf(b);
        if (x.size() != y.size()) return false;
        for (std::size_t i = 0; i < x.size(); ++i) {
            if (x[i] != y[i] && rank_[static_cast<unsigned char>(x[i])] !=
                                    rank_[static_cast<unsigned char>(y[i])]) {
                return false;
            }
        }
        return true;
    }

private:
    std::string_view lineOf(std::size_t line) const {
        return line < first_.size() ? std::string_view(first_[line])
                                    : std::string_view(second_[line - first_.size()]);
    }

    const Lines& first_;
    const Lines& second_;
    const std::array<unsigned char, 128>& rank_;
    mutable std::string mapped_;
};

// Groups the lines of both lists by key: every distinct key gets one group, and every line
// knows its group. Equal keys are equal lines, so "does the other list hold an equal line" is a
// flag on the group instead of a scan.
class KeyGroups {
public:
    enum Flag : std::uint8_t { kInFirst = 1, kInSecond = 2, kListed = 4 };

    template <typename Keys>
    explicit KeyGroups(const Keys& keys) : byKey_(keys.count()) {
        groupOfLine_.reserve(keys.count());
        add(keys, 0, keys.firstCount(), kInFirst);
        add(keys, keys.firstCount(), keys.count(), kInSecond);
    }

    // Flags of the group of line `i`, lines of the first list counted first.
    std::uint8_t& flags(std::size_t line) { return flags_[groupOfLine_[line]]; }

private:
    template <typename Keys>
    void add(const Keys& keys, std::size_t from, std::size_t to, std::uint8_t flag) {
        // The slot of a key some lines ahead is fetched early, so the table's cache misses
        // overlap instead of adding up; only those few hashes are kept.
        constexpr std::size_t kAhead = 16;
        std::array<std::uint64_t, kAhead> ahead{};
        const std::size_t count = to - from;
        for (std::size_t i = 0; i < std::min(kAhead, count); ++i) {
            ahead[i] = keys.hash(from + i);
            byKey_.prefetch(ahead[i]);
        }
        for (std::size_t i = 0; i < count; ++i) {
            CancelPointEvery(i);
            const std::uint64_t hash = ahead[i % kAhead];
            if (i + kAhead < count) {
                ahead[i % kAhead] = keys.hash(from + i + kAhead);
                byKey_.prefetch(ahead[i % kAhead]);
            }
            const std::size_t line = from + i;
            const auto fresh = static_cast<std::uint32_t>(firstLine_.size());
            const std::uint32_t group = byKey_.findOrAdd(hash, fresh, [&](std::uint32_t other) {
                return keys.same(firstLine_[other], line);
            });
            if (group == fresh) {
                firstLine_.push_back(static_cast<std::uint32_t>(line));
                flags_.push_back(0);
            }
            flags_[group] |= flag;
            groupOfLine_.push_back(group);
        }
    }

    HashSlots byKey_;                       // groups by key
    std::vector<std::uint32_t> firstLine_;  // per group: the line whose key it has
    std::vector<std::uint8_t> flags_;       // per group
    std::vector<std::uint32_t> groupOfLine_;
};

// The groups of two lists' lines by the collator: through the quick key table when every line
// has a quick key, else by keys made on two cores.
template <typename Lines>
KeyGroups GroupBoth(const Lines& first, const Lines& second, const LineCollator& collator) {
    if (KeyFormOf(first, collator) == KeyForm::Quick &&
        KeyFormOf(second, collator) == KeyForm::Quick) {
        return KeyGroups(QuickKeys<Lines>(first, second, collator));
    }
    return KeyGroups(StoredKeys(CollationKeys::MakeTwo(first, second, collator)));
}

// The passes of the comparison, on positions.
ComparedPositions Compare(KeyGroups& groups, std::size_t firstCount, std::size_t secondCount) {
    ComparedPositions result;
    for (std::size_t i = 0; i < firstCount; ++i) {
        auto& into = (groups.flags(i) & KeyGroups::kInSecond) ? result.same : result.firstOnly;
        into.push_back(static_cast<std::uint32_t>(i));
    }
    // A second-only line is listed at its first occurrence only. The first-only lines have no
    // equal in the second list, so only an earlier second-only line can repeat it.
    for (std::size_t j = 0; j < secondCount; ++j) {
        std::uint8_t& flags = groups.flags(firstCount + j);
        if (flags & (KeyGroups::kInFirst | KeyGroups::kListed)) continue;
        flags |= KeyGroups::kListed;
        result.secondOnly.push_back(static_cast<std::uint32_t>(j));
    }
    return result;
}

// The results as lines. Lines of inputs that are not const move into the results instead of
// being copied; "different" always gets copies.
template <typename Lines>
Comparison Compare(Lines& f, Lines& s, const LineCollator& collator) {
    KeyGroups groups = GroupBoth(f, s, collator);
    const ComparedPositions positions = Compare(groups, f.size(), s.size());
    const auto pass = [](auto& line) -> std::string {
        if constexpr (std::is_const_v<Lines>) {
            return line;
        } else {
            return std::move(line);
        }
    };
    Comparison result;
    const auto fill = [&](std::vector<std::string>& into, const std::vector<std::uint32_t>& from,
                          Lines& lines) {
        into.reserve(from.size());
        for (const std::uint32_t i : from) into.push_back(pass(lines[i]));
    };
    fill(result.firstOnly.lines(), positions.firstOnly, f);
    fill(result.same.lines(), positions.same, f);
    fill(result.secondOnly.lines(), positions.secondOnly, s);
    std::vector<std::string>& different = result.different.lines();
    different.reserve(positions.firstOnly.size() + positions.secondOnly.size());
    different.insert(different.end(), result.firstOnly.lines().begin(),
                     result.firstOnly.lines().end());
    different.insert(different.end(), result.secondOnly.lines().begin(),
                     result.secondOnly.lines().end());
    return result;
}

}  // namespace

ComparedPositions CompareLinePositions(const TextLines& first, const TextLines& second,
                                       const LineCollator& collator) {
    KeyGroups groups = GroupBoth(first, second, collator);
    return Compare(groups, first.size(), second.size());
}

ComparedPositions CompareKeyedPositions(std::size_t firstCount, const KeyAppender& first,
                                        std::size_t secondCount, const KeyAppender& second,
                                        const LineCollator& collator) {
    KeyGroups groups(
        StoredKeys(CollationKeys::MakeTwo(firstCount, first, secondCount, second, collator)));
    return Compare(groups, firstCount, secondCount);
}

Comparison CompareLists(const LineList& first, const LineList& second,
                        const LineCollator& collator) {
    return Compare(first.lines(), second.lines(), collator);
}

Comparison CompareLists(LineList&& first, LineList&& second, const LineCollator& collator) {
    return Compare(first.lines(), second.lines(), collator);
}

Comparison CompareLists(const LineList& first, const LineList& second) {
    return CompareLists(first, second, LineCollator::forUserLocale());
}

}  // namespace pendara
