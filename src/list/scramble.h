#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "text/cancel_point.h"

namespace pendara {

// Puts the items in random order: for each position i from the first, a position j drawn
// uniformly from i to the last is exchanged with it, so every order is equally likely. The same
// seed gives the same order for any kind of item, lines or their positions.
template <typename Item>
void ScrambleItems(std::vector<Item>& items, std::uint64_t seed) {
    std::mt19937_64 generator(seed);
    const std::size_t n = items.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        CancelPointEvery(i);
        std::uniform_int_distribution<std::size_t> draw(i, n - 1);
        std::swap(items[i], items[draw(generator)]);
    }
}

inline void ScrambleLines(std::vector<std::string>& lines, std::uint64_t seed) {
    ScrambleItems(lines, seed);
}

// A fresh seed from the high-resolution clock, as every Scramble press takes.
std::uint64_t ClockSeed();

}  // namespace pendara
