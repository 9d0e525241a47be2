#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pendara {

// An ordered list of lines, positions from 0, duplicates allowed, never kept sorted by itself.
// Lines are byte strings that hold no line break; a NUL is a character like any other.
//
// Rules that rework every line at once use lines() directly: one pass over the vector is far
// cheaper than a put or delete per line.
class LineList {
public:
    LineList() = default;
    explicit LineList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    int count() const { return static_cast<int>(lines_.size()); }
    bool empty() const { return lines_.empty(); }

    // Index errors raise "List index out of bounds (%d)" with the offending position.
    const std::string& get(int position) const;
    void put(int position, std::string text);
    int add(std::string text);
    void insert(int position, std::string text);
    void remove(int position);
    void exchange(int a, int b);
    void clear() { lines_.clear(); }
    void assign(const LineList& source) { lines_ = source.lines_; }

    // First position whose line equals `text` by the locale's case-ignoring comparison, or -1.
    int indexOf(std::string_view text) const;
    // Ascending by the locale's case-ignoring comparison; equal lines keep their order.
    void sort();

    // Text into lines: breaks are CR LF, lone CR or lone LF; a break at the very end adds no
    // empty line.
    void setText(std::string_view text);
    // Every line followed by CR LF, the last one included; an empty list gives "".
    std::string getText() const;

    std::vector<std::string>& lines() { return lines_; }
    const std::vector<std::string>& lines() const { return lines_; }

    bool operator==(const LineList&) const = default;

private:
    void checkIndex(int position, int limit) const;

    std::vector<std::string> lines_;
};

// Walks the lines of a text by the set-text rule without copying them: breaks are CR LF, lone CR
// or lone LF, and a break at the very end adds no empty line.
class LineCursor {
public:
    explicit LineCursor(std::string_view text);
    // The next line, or false when there is none left.
    bool next(std::string_view& line);

private:
    std::string_view rest_;
};

// The set-text rule as a function, for callers that want the lines without a list around them.
std::vector<std::string> SplitLines(std::string_view text);

// Every line followed by `lineEnd`, in one allocation.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd = "\r\n");

}  // namespace pendara
