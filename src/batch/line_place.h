#pragma once

#include <cstdint>
#include <string_view>

namespace pendara {

enum class Direction { Forwards, Backwards };

// Where in every line an edit happens: at a character position (from 1), or next to the first
// occurrence of a search text. Backwards counts the position from the end of the line, and puts
// the edit before the search text instead of after it.
struct LinePlace {
    enum class Anchor { Position, SearchText };

    Anchor anchor = Anchor::Position;
    std::int64_t position = 1;     // with Anchor::Position
    std::string_view search = {};  // with Anchor::SearchText
    Direction direction = Direction::Forwards;

    static LinePlace At(std::int64_t position, Direction direction = Direction::Forwards) {
        return {Anchor::Position, position, {}, direction};
    }
    static LinePlace NextTo(std::string_view search, Direction direction = Direction::Forwards) {
        return {Anchor::SearchText, 1, search, direction};
    }

    bool backwards() const { return direction == Direction::Backwards; }
};

}  // namespace pendara
