#include "app/window_scale.h"

#include <algorithm>

namespace pendara {

double FitWindowScale(PixelSize client, PixelSize frame, PixelSize available) {
    if (available.width <= 0 || available.height <= 0 || client.width <= 0 || client.height <= 0) {
        return 1.0;
    }
    const double across = double(available.width - frame.width) / client.width;
    const double down = double(available.height - frame.height) / client.height;
    return std::clamp(std::min(across, down), kSmallestWindowScale, 1.0);
}

}  // namespace pendara
