#include "list/text_lines.h"

#include "list/line_list.h"

namespace pendara {

TextLines::TextLines(std::string text) : text_(std::move(text)) {
    if (const std::size_t nul = text_.find('\0'); nul != std::string::npos) text_.resize(nul);
    LineCursor cursor(text_);
    for (std::string_view line; cursor.next(line);) {
        starts_.push_back(static_cast<std::size_t>(line.data() - text_.data()));
    }
}

std::string_view TextLines::operator[](std::size_t i) const {
    const std::string_view rest = std::string_view(text_).substr(starts_[i]);
    return rest.substr(0, rest.find_first_of("\r\n"));
}

}  // namespace pendara
