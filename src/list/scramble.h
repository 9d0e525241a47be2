#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pendara {

// Puts the lines in random order: for each position i from the first, a position j drawn
// uniformly from i to the last is exchanged with it, so every order is equally likely.
void ScrambleLines(std::vector<std::string>& lines, std::uint64_t seed);

// A fresh seed from the high-resolution clock, as every Scramble press takes.
std::uint64_t ClockSeed();

}  // namespace pendara
