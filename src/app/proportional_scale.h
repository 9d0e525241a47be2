#pragma once

class QWidget;

namespace pendara {

// Rescales a window laid out in fixed pixels, and everything in it, by `factor`: positions,
// sizes, fixed and minimum sizes, layout margins, icon sizes, header sections and fonts, so the
// window looks the same, only smaller or larger. Widgets that a layout places follow their
// layout; Qt's own inner parts (named "qt_...") follow their owners.
void ScaleWidgetTree(QWidget& root, double factor);

}  // namespace pendara
