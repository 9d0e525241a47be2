#pragma once

#include <string>
#include <string_view>

#include "list/line_list.h"
#include "list/list_origin.h"

class QsciScintilla;

namespace pendara {

// The Main List: the user's working list, held by a Scintilla editor as bytes with CR LF line
// ends, and handled as a line list whose lines live in the editor.
//
// Invariants: the editor's text only ever holds CR LF breaks when set through this class; the
// update counter is back at zero after every operation.
class MainList {
public:
    explicit MainList(QsciScintilla& editor);

    // Lines of the text split at CR LF; a final break starts no extra line; "" has 0 lines.
    int count() const;
    // Every line, each as the editor holds it (whole lines, however long).
    LineList lines() const;
    // The editor's text exactly as held.
    std::string text() const;

    // Breaks become CR LF and the text ends at its first NUL; nothing happens when the result
    // equals the current text. Fails with "Text exceeds memo capacity" when the editor cannot
    // take it, leaving the old text.
    void setText(std::string text);
    // The text becomes every line followed by CR LF, repainted once.
    void assign(const LineList& lines);
    void clear();

    // Nested: the first suspension stops repainting, the last resume repaints once.
    void suspendUpdates();
    void resumeUpdates();
    int updateDepth() const { return suspended_; }

    QsciScintilla& editor() { return editor_; }

    // The file the list came from, which Save List writes it back as.
    const ListOrigin& origin() const { return origin_; }
    // Also shows the file form as the editor's tool tip.
    void setOrigin(ListOrigin origin);

private:
    void replaceText(const std::string& text);

    QsciScintilla& editor_;
    int suspended_ = 0;
    ListOrigin origin_;
};

// Every break (CR LF, lone CR, lone LF) as CR LF, the text cut at its first NUL. A text that
// needs no change is returned as it came, without a copy.
std::string NormalizeBreaks(std::string text);

}  // namespace pendara
