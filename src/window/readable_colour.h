#pragma once

#include <QColor>

class QWidget;

namespace pendara {

// The contrast of two colours as the web's accessibility guidelines define it, from 1 (the same
// luminance) to 21 (black on white); 4.5 is the least that reads as body text.
double ContrastRatio(const QColor& a, const QColor& b);

// The colour to draw text of the fixed colour `wanted` in on `background`: `wanted` itself on a
// near-white background (the look the colours were chosen for, kept even where they read
// poorly, as #3f87e0 on the button face does) or wherever it reaches 4.5:1, else the same hue
// lightened until it does, or on a grey where no light colour reads, darkened. Example:
// ReadableOn(Qt::blue, QColor(53, 53, 53)) gives a light blue, on QColor(142, 142, 142) a navy.
QColor ReadableOn(const QColor& wanted, const QColor& background);

// Gives `widget` the text colour `wanted`, made readable on what it stands on (the window colour
// of its palette, its parent's once it is in its place, or the frame of the tab widget whose
// page holds it), and keeps it so when the palette changes, as when the desktop switches to a
// dark theme while the program runs (see FollowApplicationPalette).
void SetTextColour(QWidget& widget, const QColor& wanted);

// Lets every window of the program follow a change of the application's palette, as when the
// desktop switches to a dark theme while the program runs; without it the windows open at the
// time keep their old colours. It also gives every box's placeholder hint a colour that reaches
// 4.5:1 on the box where the palette's does not. Once is enough; later calls do nothing.
void FollowApplicationPalette();

}  // namespace pendara
