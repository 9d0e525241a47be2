#include "compare/compare_lists.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "list/line_compare.h"

namespace pendara {

namespace {

std::uint64_t HashKey(std::string_view key) {
    // FNV-1a over 8-byte words with a final mix: keys are short and this runs for every line.
    std::uint64_t h = 0xcbf29ce484222325ull ^ key.size();
    std::size_t i = 0;
    for (; i + 8 <= key.size(); i += 8) {
        std::uint64_t word = 0;
        for (std::size_t b = 0; b < 8; ++b) {
            word |= std::uint64_t(static_cast<std::uint8_t>(key[i + b])) << (8 * b);
        }
        h = (h ^ word) * 0x100000001b3ull;
        h ^= h >> 29;
    }
    for (; i < key.size(); ++i) h = (h ^ static_cast<std::uint8_t>(key[i])) * 0x100000001b3ull;
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    return h;
}

// An open-addressing table of 32-bit values keyed by 64-bit hashes; the caller tells whether a
// stored value matches, so the keys themselves live elsewhere.
class HashSlots {
public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    explicit HashSlots(std::size_t entries) {
        std::size_t capacity = 16;
        while (capacity < entries * 2) capacity *= 2;
        slots_.assign(capacity, Slot{});
        mask_ = capacity - 1;
    }

    void prefetch(std::uint64_t hash) const { __builtin_prefetch(&slots_[hash & mask_]); }

    // The stored value for which `matches` holds, or `value` after storing it.
    template <typename Matches>
    std::uint32_t findOrAdd(std::uint64_t hash, std::uint32_t value, Matches matches) {
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        for (std::size_t s = hash & mask_;; s = (s + 1) & mask_) {
            Slot& slot = slots_[s];
            if (slot.value == kNone) {
                slot = {tag, value};
                return value;
            }
            if (slot.tag == tag && matches(slot.value)) return slot.value;
        }
    }

private:
    struct Slot {
        std::uint32_t tag = 0;  // high half of the hash; the low bits pick the slot
        std::uint32_t value = kNone;
    };
    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
};

// Groups the lines of both lists by sort key: every distinct key gets one group, and every line
// knows its group. Equal keys are equal lines, so "does the other list hold an equal line" is a
// flag on the group instead of a scan. A line whose exact bytes came before takes that line's
// group without a key being made: lists that are compared tend to share most of their lines.
class KeyGroups {
public:
    enum Flag : std::uint8_t { kInFirst = 1, kInSecond = 2, kListed = 4 };

    KeyGroups(const std::vector<std::string>& first, const std::vector<std::string>& second,
              const LineCollator& collator)
        : first_(first),
          second_(second),
          byBytes_(first.size() + second.size()),
          byKey_(first.size() + second.size()) {
        groupOfLine_.reserve(first.size() + second.size());
        add(first, kInFirst, collator);
        add(second, kInSecond, collator);
    }

    // Flags of the group of line `i`, lines of the first list counted first.
    std::uint8_t& flags(std::size_t line) { return flags_[groupOfLine_[line]]; }

private:
    const std::string& line(std::uint32_t i) const {
        return i < first_.size() ? first_[i] : second_[i - first_.size()];
    }

    void add(const std::vector<std::string>& lines, std::uint8_t flag,
             const LineCollator& collator) {
        // Lines go in batches: the hashes of a batch are made first and their slots prefetched,
        // so the tables' cache misses overlap with the hashing and collation work.
        constexpr std::size_t kBatch = 32;
        std::string keys;
        std::size_t keyEnds[kBatch];
        std::uint64_t hashes[kBatch];
        std::uint32_t sameBytesAs[kBatch];
        for (std::size_t start = 0; start < lines.size(); start += kBatch) {
            const std::size_t count = std::min(kBatch, lines.size() - start);
            const auto base = static_cast<std::uint32_t>(groupOfLine_.size());
            for (std::size_t k = 0; k < count; ++k) {
                hashes[k] = HashKey(lines[start + k]);
                byBytes_.prefetch(hashes[k]);
            }
            keys.clear();
            for (std::size_t k = 0; k < count; ++k) {
                const std::string& text = lines[start + k];
                const auto self = static_cast<std::uint32_t>(base + k);
                sameBytesAs[k] = byBytes_.findOrAdd(
                    hashes[k], self, [&](std::uint32_t other) { return line(other) == text; });
                if (sameBytesAs[k] == self) {
                    const std::size_t begin = keys.size();
                    collator.appendSortKey(text, keys);
                    hashes[k] = HashKey(std::string_view(keys).substr(begin));
                    byKey_.prefetch(hashes[k]);
                }
                keyEnds[k] = keys.size();
            }
            for (std::size_t k = 0; k < count; ++k) {
                std::uint32_t group;
                if (sameBytesAs[k] != base + k) {
                    group = groupOfLine_[sameBytesAs[k]];  // an earlier line, already grouped
                } else {
                    const std::size_t begin = k == 0 ? 0 : keyEnds[k - 1];
                    const std::string_view key =
                        std::string_view(keys).substr(begin, keyEnds[k] - begin);
                    const auto fresh = static_cast<std::uint32_t>(flags_.size());
                    group = byKey_.findOrAdd(
                        hashes[k], fresh, [&](std::uint32_t other) { return keyOf(other) == key; });
                    if (group == fresh) {
                        keys_ += key;
                        keyEnds_.push_back(keys_.size());
                        flags_.push_back(0);
                    }
                }
                flags_[group] |= flag;
                groupOfLine_.push_back(group);
            }
        }
    }

    std::string_view keyOf(std::uint32_t group) const {
        const std::size_t begin = group == 0 ? 0 : keyEnds_[group - 1];
        return std::string_view(keys_).substr(begin, keyEnds_[group] - begin);
    }

    const std::vector<std::string>& first_;
    const std::vector<std::string>& second_;
    HashSlots byBytes_;                 // lines by their exact bytes
    HashSlots byKey_;                   // groups by sort key
    std::string keys_;                  // the distinct keys, one after another
    std::vector<std::size_t> keyEnds_;  // per group
    std::vector<std::uint8_t> flags_;   // per group
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
