#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/cancel_point.h"
#include "text/utf8.h"

namespace pendara {

// Character length and byte offsets of one line. When every character is one byte (plain ASCII,
// nearly every line) offsets are the character indexes themselves and nothing is decoded twice.
class CharIndex {
public:
    explicit CharIndex(std::string_view s)
        : s_(s), length_(static_cast<std::int64_t>(CharCount(s))) {}

    std::int64_t length() const { return length_; }

    // Byte offset where character `chars` (from 0) starts, `chars` clamped to 0..length().
    std::size_t offset(std::int64_t chars) const {
        const std::int64_t clamped = std::clamp<std::int64_t>(chars, 0, length_);
        if (length_ == static_cast<std::int64_t>(s_.size()))
            return static_cast<std::size_t>(clamped);
        return ByteOffsetOfChar(s_, static_cast<std::size_t>(clamped));
    }

private:
    std::string_view s_;
    std::int64_t length_;
};

// Deletes the lines for which `keep` is false, in one pass, keeping the order of the rest.
//
// The lines are judged from the last to the first, the order in which a line-by-line delete would
// visit them, and the kept ones slide to the back. If `keep` throws, the lines not yet judged stay
// in front of the kept ones and nothing is lost: the list is what deleting line by line from the
// end would have left at that moment.
template <typename Keep>
void KeepLinesFromLast(std::vector<std::string>& lines, Keep keep) {
    std::size_t kept = lines.size();  // lines[kept..] are the kept ones
    std::size_t next = lines.size();  // lines[..next] are not judged yet
    try {
        while (next > 0) {
            CancelPointEvery(next);
            std::string& line = lines[next - 1];
            if (keep(std::as_const(line))) {
                if (--kept != next - 1) lines[kept] = std::move(line);
            }
            --next;
        }
    } catch (...) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(next),
                    lines.begin() + static_cast<std::ptrdiff_t>(kept));
        throw;
    }
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(kept));
}

}  // namespace pendara
