#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "batch/line_place.h"
#include "list/line_list.h"

namespace pendara {

// Removes a run of up to `count` characters from every line. The number and order of lines never
// change, and a run never reaches past either end of a line.
//
// At position p it removes the characters p to p + count - 1, or backwards the `count`
// characters that end at the p-th character from the end:
// "abcdefgh" with count 2 at 2 gives "adefgh" forwards and "abcdeh" backwards. A position past
// the length of the line leaves it unchanged.
//
// Next to a search text it removes up to `count` characters right after its first occurrence, or
// backwards right before it; the occurrence itself stays: "name: value" next to ":" with count 1
// gives "name:value" forwards and "nam: value" backwards. Case-sensitive; a line without the
// search text, an empty search text and an empty line stay as they are.
//
// A count below 1 removes nothing.
void RemoveChars(LineList& lines, std::int64_t count, const LinePlace& place);

// The bytes of `line` that RemoveChars removes: an offset and a length, which may be 0.
struct ByteRange {
    std::size_t offset = 0;
    std::size_t length = 0;
};
ByteRange RemovedChars(std::string_view line, std::int64_t count, const LinePlace& place);

}  // namespace pendara
