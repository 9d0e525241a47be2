#include "list/line_list.h"

#include <algorithm>
#include <cstring>

#include "list/failure.h"
#include "list/line_compare.h"

namespace pendara {

void LineList::checkIndex(int position, int limit) const {
    if (position < 0 || position >= limit) {
        throw Failure(FormatMessage("List index out of bounds (%d)", {std::to_string(position)}));
    }
}

const std::string& LineList::get(int position) const {
    checkIndex(position, count());
    return lines_[static_cast<std::size_t>(position)];
}

void LineList::put(int position, std::string text) {
    checkIndex(position, count());
    lines_[static_cast<std::size_t>(position)] = std::move(text);
}

int LineList::add(std::string text) {
    lines_.push_back(std::move(text));
    return count() - 1;
}

void LineList::insert(int position, std::string text) {
    checkIndex(position, count() + 1);
    lines_.insert(lines_.begin() + position, std::move(text));
}

void LineList::remove(int position) {
    checkIndex(position, count());
    lines_.erase(lines_.begin() + position);
}

void LineList::exchange(int a, int b) {
    checkIndex(a, count());
    checkIndex(b, count());
    std::swap(lines_[static_cast<std::size_t>(a)], lines_[static_cast<std::size_t>(b)]);
}

int LineList::indexOf(std::string_view text) const {
    const LineCollator& collator = LineCollator::forUserLocale();
    const std::string key = collator.sortKey(text);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (collator.sortKey(lines_[i]) == key) return static_cast<int>(i);
    }
    return -1;
}

void LineList::sort() {
    if (lines_.size() < 2) return;
    SortLines(lines_, LineCollator::forUserLocale());
}

void LineList::setText(std::string_view text) { lines_ = SplitLines(text); }

std::string LineList::getText() const { return JoinLines(lines_); }

std::vector<std::string> SplitLines(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);

    std::vector<std::string> lines;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* brk = p;
        while (brk < end && *brk != '\r' && *brk != '\n') {
            // memchr-free scan; lines are short and both breaks must be found.
            ++brk;
        }
        lines.emplace_back(p, brk);
        if (brk == end) break;
        p = brk + ((*brk == '\r' && brk + 1 < end && brk[1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd) {
    std::size_t total = lines.size() * lineEnd.size();
    for (const std::string& line : lines) total += line.size();
    std::string text;
    text.resize(total);
    char* out = text.data();
    for (const std::string& line : lines) {
        std::memcpy(out, line.data(), line.size());
        out += line.size();
        std::memcpy(out, lineEnd.data(), lineEnd.size());
        out += lineEnd.size();
    }
    return text;
}

}  // namespace pendara
