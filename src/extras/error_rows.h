#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/message_source.h"

namespace pendara {

// The codes the error message browser accepts.
inline constexpr int kLowestErrorCode = 0;
inline constexpr int kHighestErrorCode = 20000;

struct ErrorRange {
    int from = 0;
    int to = 0;
    std::vector<std::string> rows;  // "code=message", ascending by code
};

// The range put in order (and each end brought into 0..20000, so no request ever asks for more
// than 20001 rows) with one row per code: the code in decimal, "=", the message.
// Example: ErrorRangeRows(2, 1, source) -> {1, 2, {"1=Operation not permitted", "2=No such ..."}}.
ErrorRange ErrorRangeRows(int from, int to, MessageSource& source);

// A key/value row "name=value" split at its first "=". A row without "=" is all name.
std::string_view RowName(std::string_view row);
std::string_view RowValue(std::string_view row);

// What the message box under the error grid shows for a row: the text after the first "=",
// or the whole row when it has none.
std::string_view RowMessage(std::string_view row);

}  // namespace pendara
