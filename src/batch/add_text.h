#pragma once

#include <string>
#include <string_view>

#include "batch/line_place.h"
#include "list/line_list.h"

namespace pendara {

// Inserts `text` into every line, either at a character position or next to the first
// occurrence of a search text. The number and order of lines never change.
//
// At a position `text` goes after the first position - 1 characters of the line, or
// backwards before the last position - 1 characters; a position past the end of the line clamps
// to the far end. For the line "abcdef" and text "-" at 3: forwards "ab-cdef", backwards
// "abcd-ef". An empty line becomes `text`.
//
// Next to a search text, `text` goes right after its first occurrence, or backwards right
// before it (backwards does not search from the end). The search is case-sensitive; a line
// without the search text, an empty search text and an empty line stay as they are.
void AddText(LineList& lines, std::string_view text, const LinePlace& place);

// The byte offset in `line` where AddText puts its text, or npos when the line stays as it is.
std::size_t AddTextOffset(std::string_view line, const LinePlace& place);

}  // namespace pendara
