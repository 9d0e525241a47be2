#pragma once

#include <cstdint>
#include <string_view>

#include "list/line_list.h"

namespace pendara {

// Removes a run of up to `count` characters from every line. The number and order of lines never
// change, and a run never reaches past either end of a line.
//
// Start mode removes the characters at positions start to start + count - 1 (from 1), or with
// `backwards` the `count` characters that end at the start-th character from the end:
// "abcdefgh" with count 2 and start 2 gives "adefgh" forwards and "abcdeh" backwards. A start past
// the length of the line leaves it unchanged.
//
// Search mode removes up to `count` characters right after the first occurrence of `search`, or
// with `backwards` right before it; the occurrence itself stays: "name: value" with ":" and count 1
// gives "name:value" forwards and "nam: value" backwards. Case-sensitive; a line without `search`,
// an empty `search` and an empty line stay as they are.
//
// A count below 1 removes nothing.
void RemoveChars(LineList& lines, std::int64_t count, bool backwards, bool startMode,
                 std::int64_t start, std::string_view search);

}  // namespace pendara
