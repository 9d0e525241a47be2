#pragma once

#include <cstdint>

#include "list/line_list.h"

namespace pendara {

// Deletes the empty lines; with `ignoreSpace` also the lines made only of blanks (bytes 0 to 32).
void RemoveEmptyLines(LineList& lines, bool ignoreSpace);

// Strips blanks from the start (`left`) and/or the end (`right`) of every line. A line of blanks
// only becomes empty and stays. The number and order of lines never change.
void TrimLines(LineList& lines, bool left, bool right);

enum class LengthOption { Equal, Less, More, Range };

// Deletes the lines whose length in characters equals `equal`, is below `less`, is above `more`
// or lies from `rangeLow` to `rangeHigh` (both included, in either order), as `option` chooses;
// only the value that `option` names is used.
void RemoveLinesByLength(LineList& lines, LengthOption option, std::int64_t equal,
                         std::int64_t less, std::int64_t more, std::int64_t rangeLow,
                         std::int64_t rangeHigh);

}  // namespace pendara
