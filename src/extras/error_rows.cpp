#include "extras/error_rows.h"

#include <algorithm>
#include <utility>

namespace pendara {

ErrorRange ErrorRangeRows(int from, int to, MessageSource& source) {
    ErrorRange range;
    range.from = std::clamp(from, kLowestErrorCode, kHighestErrorCode);
    range.to = std::clamp(to, kLowestErrorCode, kHighestErrorCode);
    if (range.from > range.to) std::swap(range.from, range.to);
    range.rows.reserve(static_cast<std::size_t>(range.to - range.from + 1));
    for (int code = range.from; code <= range.to; ++code) {
        std::string row = std::to_string(code);
        row += '=';
        row += source.messageText(code);
        range.rows.push_back(std::move(row));
    }
    return range;
}

std::string_view RowName(std::string_view row) { return row.substr(0, row.find('=')); }

std::string_view RowValue(std::string_view row) {
    const std::size_t at = row.find('=');
    return at == std::string_view::npos ? std::string_view() : row.substr(at + 1);
}

std::string_view RowMessage(std::string_view row) {
    const std::size_t at = row.find('=');
    return at == std::string_view::npos ? row : row.substr(at + 1);
}

}  // namespace pendara
