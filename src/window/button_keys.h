#pragma once

class QWidget;

namespace pendara {

// Enter and Return press the push or tool button that has the focus, as Space does, for every
// such button below `root` now; a window outside a dialog has no default button to take them.
void LetEnterPressButtons(QWidget& root);

// Gives the focus to the first control of `page` that Tab would reach, if any: after a page
// change the focus belongs in the page, not on whatever button comes next in the window.
void FocusFirstControl(QWidget& page);

}  // namespace pendara
