#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pendara {

// The lines of one text by the set-text rule, kept as the text and where each line starts: eight
// bytes a line instead of a string or a view, for commands that hold a whole long list. A line
// runs from its start to the next line break, which no line holds.
class TextLines {
public:
    explicit TextLines(std::string text);

    std::size_t size() const { return starts_.size(); }
    std::string_view operator[](std::size_t i) const;
    // Asks for line `i` to be fetched into the cache: who reads the lines out of order can
    // overlap the misses by asking some lines ahead.
    void prefetch(std::size_t i) const { __builtin_prefetch(text_.data() + starts_[i]); }
    // Where line `i` starts, for who asks for lines further ahead than that: prefetch(i) then
    // finds it in the cache.
    void prefetchStart(std::size_t i) const { __builtin_prefetch(starts_.data() + i); }

private:
    std::string text_;
    std::vector<std::size_t> starts_;
};

}  // namespace pendara
