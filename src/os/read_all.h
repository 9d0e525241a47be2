#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace pendara {

// Appends what is left to read from `fd` to `out`, retrying reads a signal interrupts, and
// returns 0, or the errno value of the read that failed. Stops early once `out` holds more than
// `limit` bytes, so a caller that refuses large files need not read all of one.
int ReadAll(int fd, std::string& out, std::size_t limit = std::numeric_limits<std::size_t>::max());

}  // namespace pendara
