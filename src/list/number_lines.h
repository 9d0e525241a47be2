#pragma once

#include <cstdint>
#include <string>

#include "list/line_list.h"

namespace pendara {

struct NumberOptions {
    std::int64_t start = 1;
    int width = 0;  // digits, zero-padded after any sign; 0 pads nothing
    std::string separator = ". ";
};

// Puts each line's number and the separator in front of it, counting from `start`.
void NumberLines(LineList& list, const NumberOptions& options);

// Appends what NumberLines puts in front of the line numbered `number`.
void AppendLineNumber(std::string& out, std::int64_t number, const NumberOptions& options);

}  // namespace pendara
