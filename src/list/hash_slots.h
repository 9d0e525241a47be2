#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace pendara {

// A well-mixed hash of a sort key or a line, for HashSlots.
inline std::uint64_t HashKey(std::string_view key) {
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

}  // namespace pendara
