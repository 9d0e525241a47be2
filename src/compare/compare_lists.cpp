#include "compare/compare_lists.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "list/collation_keys.h"
#include "list/hash_slots.h"
#include "list/line_compare.h"

namespace pendara {

namespace {

// The sort keys of one list's lines with their hashes.
struct ListKeys {
    CollationKeys keys;
    std::vector<std::uint64_t> hashes;

    explicit ListKeys(CollationKeys made) : keys(std::move(made)) {
        hashes.reserve(keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i) hashes.push_back(HashKey(keys.key(i)));
    }
};

// Groups the lines of both lists by sort key: every distinct key gets one group, and every line
// knows its group. Equal keys are equal lines, so "does the other list hold an equal line" is a
// flag on the group instead of a scan.
class KeyGroups {
public:
    enum Flag : std::uint8_t { kInFirst = 1, kInSecond = 2, kListed = 4 };

    KeyGroups(const std::vector<std::string>& first, const std::vector<std::string>& second,
              const LineCollator& collator)
        : keys_(MakeKeys(first, second, collator)), byKey_(first.size() + second.size()) {
        groupOfLine_.reserve(first.size() + second.size());
        add(keys_.first, kInFirst);
        add(keys_.second, kInSecond);
    }

    // Flags of the group of line `i`, lines of the first list counted first.
    std::uint8_t& flags(std::size_t line) { return flags_[groupOfLine_[line]]; }

private:
    void add(const ListKeys& list, std::uint8_t flag) {
        // The slot of a key some lines ahead is fetched early, so the table's cache misses
        // overlap instead of adding up.
        constexpr std::size_t kAhead = 16;
        const std::size_t count = list.hashes.size();
        for (std::size_t i = 0; i < std::min(kAhead, count); ++i) byKey_.prefetch(list.hashes[i]);
        for (std::size_t i = 0; i < count; ++i) {
            if (i + kAhead < count) byKey_.prefetch(list.hashes[i + kAhead]);
            const std::string_view key = list.keys.key(i);
            const auto fresh = static_cast<std::uint32_t>(groupKeys_.size());
            const std::uint32_t group =
                byKey_.findOrAdd(list.hashes[i], fresh,
                                 [&](std::uint32_t other) { return groupKeys_[other] == key; });
            if (group == fresh) {
                groupKeys_.push_back(key);
                flags_.push_back(0);
            }
            flags_[group] |= flag;
            groupOfLine_.push_back(group);
        }
    }

    static std::pair<ListKeys, ListKeys> MakeKeys(const std::vector<std::string>& first,
                                                  const std::vector<std::string>& second,
                                                  const LineCollator& collator) {
        auto [firstKeys, secondKeys] = CollationKeys::MakeTwo(first, second, collator);
        return {ListKeys(std::move(firstKeys)), ListKeys(std::move(secondKeys))};
    }

    std::pair<ListKeys, ListKeys> keys_;
    HashSlots byKey_;                          // groups by sort key
    std::vector<std::string_view> groupKeys_;  // per group, into keys_
    std::vector<std::uint8_t> flags_;          // per group
    std::vector<std::uint32_t> groupOfLine_;
};

}  // namespace

namespace {

// The passes of the comparison. Lines of inputs that are not const move into the results
// instead of being copied; "different" always gets copies.
template <typename Lines>
Comparison Compare(Lines& f, Lines& s, const LineCollator& collator) {
    KeyGroups groups(f, s, collator);
    const auto pass = [](auto& line) -> std::string {
        if constexpr (std::is_const_v<Lines>) {
            return line;
        } else {
            return std::move(line);
        }
    };

    Comparison result;
    std::vector<std::string>& firstOnly = result.firstOnly.lines();
    std::vector<std::string>& secondOnly = result.secondOnly.lines();
    std::vector<std::string>& same = result.same.lines();

    for (std::size_t i = 0; i < f.size(); ++i) {
        if (groups.flags(i) & KeyGroups::kInSecond) {
            same.push_back(pass(f[i]));
        } else {
            firstOnly.push_back(pass(f[i]));
        }
    }
    // A second-only line is listed at its first occurrence only. The first-only lines have no
    // equal in the second list, so only an earlier second-only line can repeat it.
    for (std::size_t j = 0; j < s.size(); ++j) {
        std::uint8_t& flags = groups.flags(f.size() + j);
        if (flags & (KeyGroups::kInFirst | KeyGroups::kListed)) continue;
        flags |= KeyGroups::kListed;
        secondOnly.push_back(pass(s[j]));
    }

    assert(firstOnly.size() + same.size() == f.size());  // every first line lands in one of them

    std::vector<std::string>& different = result.different.lines();
    different.reserve(firstOnly.size() + secondOnly.size());
    different.insert(different.end(), firstOnly.begin(), firstOnly.end());
    different.insert(different.end(), secondOnly.begin(), secondOnly.end());
    return result;
}

}  // namespace

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
