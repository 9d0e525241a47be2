#pragma once

#include <cstdint>
#include <string_view>

#include "list/line_list.h"

namespace pendara {

// Inserts `text` into every line, either at a character index or next to the first occurrence
// of `search`. The number and order of lines never change.
//
// Index mode puts `text` after the first index - 1 characters of the line, or with `backwards`
// before the last index - 1 characters; an index past the end of the line clamps to the far end.
// For the line "abcdef" and text "-" at index 3: forwards "ab-cdef", backwards "abcd-ef".
// An empty line becomes `text`.
//
// Search mode puts `text` right after the first occurrence of `search`, or with `backwards` right
// before it ("Backwards" does not search from the end). The search is case-sensitive; a line
// without `search`, an empty `search` and an empty line stay as they are.
void AddText(LineList& lines, std::string_view text, bool backwards, bool indexMode,
             std::int64_t index, std::string_view search);

}  // namespace pendara
