#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <string_view>
#include <vector>

namespace pendara {

namespace hash_detail {

struct Seed {
    std::uint64_t k0, k1;
};

// Drawn once a process: with a hash anyone can compute, a file can be made whose lines all
// land in one slot, and a table of them takes quadratic time. No result depends on the order
// of a table, so a different hash each run changes nothing the user sees.
inline const Seed& ProcessSeed() {
    static const Seed seed = [] {
        std::random_device random;
        const auto draw = [&] { return std::uint64_t{random()} << 32 | random(); };
        return Seed{draw(), draw()};
    }();
    return seed;
}

inline void SipRound(std::uint64_t& v0, std::uint64_t& v1, std::uint64_t& v2, std::uint64_t& v3) {
    v0 += v1;
    v1 = std::rotl(v1, 13) ^ v0;
    v0 = std::rotl(v0, 32);
    v2 += v3;
    v3 = std::rotl(v3, 16) ^ v2;
    v0 += v3;
    v3 = std::rotl(v3, 21) ^ v0;
    v2 += v1;
    v1 = std::rotl(v1, 17) ^ v2;
    v2 = std::rotl(v2, 32);
}

}  // namespace hash_detail

// A hash of a sort key or a line for HashSlots, keyed by a secret of the process (SipHash-1-3),
// so that no input can be made to collide on purpose.
inline std::uint64_t HashKey(std::string_view key) {
    const hash_detail::Seed& seed = hash_detail::ProcessSeed();
    std::uint64_t v0 = seed.k0 ^ 0x736f6d6570736575ull, v1 = seed.k1 ^ 0x646f72616e646f6dull;
    std::uint64_t v2 = seed.k0 ^ 0x6c7967656e657261ull, v3 = seed.k1 ^ 0x7465646279746573ull;
    const auto take = [&](std::uint64_t word) {
        v3 ^= word;
        hash_detail::SipRound(v0, v1, v2, v3);
        v0 ^= word;
    };
    std::size_t i = 0;
    for (; i + 8 <= key.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, key.data() + i, 8);
        take(word);
    }
    std::uint64_t last = std::uint64_t{key.size()} << 56;
    for (std::size_t b = 0; i + b < key.size(); ++b) {
        last |= std::uint64_t{static_cast<std::uint8_t>(key[i + b])} << (8 * b);
    }
    take(last);
    v2 ^= 0xff;
    for (int round = 0; round < 3; ++round) hash_detail::SipRound(v0, v1, v2, v3);
    return v0 ^ v1 ^ v2 ^ v3;
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
