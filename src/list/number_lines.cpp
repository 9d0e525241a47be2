#include "list/number_lines.h"

#include <charconv>

#include "text/cancel_point.h"

namespace pendara {

void AppendLineNumber(std::string& out, std::int64_t number, const NumberOptions& options) {
    // The magnitude as unsigned, so the lowest 64-bit value has one too.
    const std::uint64_t magnitude =
        number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    const std::size_t pad = options.width > 0 && count < static_cast<std::size_t>(options.width)
                                ? static_cast<std::size_t>(options.width) - count
                                : 0;
    if (number < 0) out.push_back('-');
    out.append(pad, '0');
    out.append(digits, count);
    out += options.separator;
}

void NumberLines(LineList& list, const NumberOptions& options) {
    std::int64_t number = options.start;
    std::string numbered;
    std::size_t turn = 0;
    for (std::string& line : list.lines()) {
        CancelPointEvery(turn++);
        numbered.clear();
        AppendLineNumber(numbered, number++, options);
        numbered += line;
        line.swap(numbered);
    }
}

}  // namespace pendara
