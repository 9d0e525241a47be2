#include "list/scramble.h"

#include <chrono>
#include <random>
#include <utility>

namespace pendara {

void ScrambleLines(std::vector<std::string>& lines, std::uint64_t seed) {
    std::mt19937_64 generator(seed);
    const std::size_t n = lines.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        std::uniform_int_distribution<std::size_t> draw(i, n - 1);
        std::swap(lines[i], lines[draw(generator)]);
    }
}

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace pendara
