#pragma once

class QLabel;
class QString;
class QWidget;

namespace pendara {

// Gives every input, list and button below `root` that a screen reader would find nameless a
// name, so the reader (and Alt with a caption's mnemonic) reaches each box by its caption:
// - a box with a caption label beside it (a form row, the label before it in its layout, or in a
//   hand-placed form the label on its left on the same row, else the one just above it) becomes
//   that label's buddy, and Qt names it from the label;
// - otherwise its tool tip names it (icon-only buttons), else its placeholder text.
// A caption label that names a box and has no mnemonic gets one: the first of its letters no
// other caption of its page (or of the window around the pages) uses, so Alt with it reaches
// the box. A label whose text the program sets again later takes its new text through
// SetCaptionText, which keeps it a mnemonic.
// A control that has a name, a caption or a buddy label keeps it. Run once the page is built
// (NameControlsForReaders(*this) at the end of a page's constructor) and again whenever it
// gets new controls.
// Limits: a label already a buddy of another control is not reused; a control with none of
// these stays nameless (the accessibility test lists such controls).
void NameControlsForReaders(QWidget& root);

// Sets the text of a caption label the program changes as it runs ("Left" becomes "Top") and
// gives it a mnemonic again, the first of its letters no other caption of its page or window
// has taken. A label that names no box just takes the text.
void SetCaptionText(QLabel& caption, const QString& text);

}  // namespace pendara
