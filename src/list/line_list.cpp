#include "list/line_list.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>

#include "list/line_compare.h"
#include "list/line_order.h"
#include "text/failure.h"
#include "text/line_breaks.h"

namespace pendara {

namespace {

// A line of a list never holds a break: the Main List and every file form would split it.
[[maybe_unused]] bool HoldsNoBreak(std::string_view line) { return FindBreak(line) == line.size(); }

}  // namespace

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
    assert(HoldsNoBreak(text));
    lines_[static_cast<std::size_t>(position)] = std::move(text);
}

int LineList::add(std::string text) {
    assert(HoldsNoBreak(text));
    lines_.push_back(std::move(text));
    return count() - 1;
}

void LineList::insert(int position, std::string text) {
    checkIndex(position, count() + 1);
    assert(HoldsNoBreak(text));
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

LineCursor::LineCursor(std::string_view text) : rest_(text) {}

bool LineCursor::next(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t brk = FindBreak(rest_);
    line = rest_.substr(0, brk);
    rest_.remove_prefix(brk == rest_.size() ? brk : brk + BreakSize(rest_, brk));
    return true;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    LineCursor cursor(text);
    for (std::string_view line; cursor.next(line);) lines.emplace_back(line);
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd) {
    std::size_t total = lines.size() * lineEnd.size();
    for (const std::string& line : lines) {
        assert(HoldsNoBreak(line));
        total += line.size();
    }
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
