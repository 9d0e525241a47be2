#include "list/text_lines.h"

#include <algorithm>

#include "list/line_list.h"
#include "text/line_breaks.h"

namespace pendara {

TextLines::TextLines(std::string text) : text_(std::move(text)) {
    LineCursor cursor(text_);
    for (std::string_view line; cursor.next(line);) {
        starts_.push_back(static_cast<std::size_t>(line.data() - text_.data()));
    }
}

std::string_view TextLines::operator[](std::size_t i) const {
    const std::size_t start = starts_[i];
    std::size_t end = 0;
    if (i + 1 < starts_.size()) {
        // The next line starts right after this one's break: CR LF, CR or LF.
        end = starts_[i + 1] - 1;
        if (text_[end] == '\n' && end > start && text_[end - 1] == '\r') --end;
    } else {
        end = FindBreak(text_, start);
    }
    return std::string_view(text_).substr(start, end - start);
}

}  // namespace pendara
