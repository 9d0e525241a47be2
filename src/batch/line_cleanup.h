#pragma once

#include <cstdint>
#include <string_view>

#include "batch/text_primitives.h"
#include "list/line_list.h"

namespace pendara {

// Which lines count as empty: only those with no character, or also those made only of blanks
// (bytes 0 to 32).
enum class EmptyLines { NoCharacter, BlanksOnly };

// Deletes the empty lines.
void RemoveEmptyLines(LineList& lines, EmptyLines empty);
// Whether RemoveEmptyLines deletes `line`.
inline bool IsEmptyLine(std::string_view line, EmptyLines empty) {
    return empty == EmptyLines::BlanksOnly ? TrimBlanks(line).empty() : line.empty();
}

// Which ends of a line lose their blanks.
enum class LineEnds { Neither, Start, End, Both };

// The ends named by two check marks, as the forms and the command line have them.
inline LineEnds EndsOf(bool start, bool end) {
    return start ? (end ? LineEnds::Both : LineEnds::Start)
                 : (end ? LineEnds::End : LineEnds::Neither);
}

// Strips blanks from the chosen ends of every line. A line of blanks only becomes empty and
// stays. The number and order of lines never change.
void TrimLines(LineList& lines, LineEnds ends);
// `line` as TrimLines leaves it.
inline std::string_view TrimmedLine(std::string_view line, LineEnds ends) {
    if (ends == LineEnds::End || ends == LineEnds::Both) line = TrimTrailing(line);
    if (ends == LineEnds::Start || ends == LineEnds::Both) line = TrimLeading(line);
    return line;
}

enum class LengthOption { Equal, Less, More, Range };

// The lines RemoveLinesByLength deletes: those whose length in characters equals `length`, is
// below it, is above it, or (Range) lies from `length` to `rangeEnd`, both included, in either
// order.
struct LengthCondition {
    LengthOption option;
    std::int64_t length;
    std::int64_t rangeEnd = 0;  // with LengthOption::Range only
};

void RemoveLinesByLength(LineList& lines, const LengthCondition& condition);
// Whether RemoveLinesByLength deletes `line`.
bool HasRemovedLength(std::string_view line, const LengthCondition& condition);

}  // namespace pendara
