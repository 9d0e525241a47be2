#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pendara {

struct JoinOptions {
    std::string separator = ", ";
    std::size_t every = 0;  // lines per joined line; 0 joins them all into one
};

// Joins lines into one, or each run of `every` lines into one, as they come: it keeps no line,
// so a stream of any length joins in constant memory.
class Joiner {
public:
    explicit Joiner(JoinOptions options) : options_(std::move(options)) {}

    // Appends `line` to `out`, after the separator unless it starts a joined line. True when
    // the line closes a joined line: the caller ends the output line there.
    bool add(std::string& out, std::string_view line);
    // Whether a joined line is still open at the end of the input: the caller ends it. No input
    // at all gives no line, while one empty line gives an empty line.
    bool open() const { return inRun_ > 0; }

private:
    JoinOptions options_;
    std::size_t inRun_ = 0;  // lines of the open joined line
};

}  // namespace pendara
