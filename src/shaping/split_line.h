#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pendara {

struct SplitOptions {
    std::string separator = ",";  // not empty; found on whole characters only
    bool trim = false;            // strip blanks (bytes 0 to 32) from both ends of each piece
    bool dropEmpty = false;       // leave out pieces that are empty (after trimming)
};

// Cuts `line` at every separator and appends the pieces to `out` with `between` (the output's
// line end) between them; returns how many pieces it appended. "a,,b," gives "a", "", "b", "";
// an empty line gives one empty piece. A separator that would cut a UTF-8 character, such as
// the byte A9 inside "é", is not a separator there.
std::size_t AppendSplit(std::string& out, std::string_view line, const SplitOptions& options,
                        std::string_view between);

}  // namespace pendara
