#pragma once

namespace pendara {

// A width and height in the window system's logical pixels.
struct PixelSize {
    int width = 0;
    int height = 0;
};

// How much a fixed-size window of `client` size must shrink so that it and its frame (title bar
// and borders, `frame` extra) fit in `available`: 1 when they fit as they are, else the largest
// factor below 1 at which they do, never below `kSmallestWindowScale`. Screens of no size (not
// known yet) give 1.
double FitWindowScale(PixelSize client, PixelSize frame, PixelSize available);

// Below this the captions cannot be read any more, fitting or not.
inline constexpr double kSmallestWindowScale = 0.4;

}  // namespace pendara
