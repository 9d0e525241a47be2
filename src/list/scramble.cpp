#include "list/scramble.h"

#include <chrono>

namespace pendara {

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace pendara
