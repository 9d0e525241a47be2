#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/list_origin.h"
#include "list/line_list.h"
#include "main_list/undo_history.h"

class QsciScintilla;

namespace pendara {

// A whole text loaded into an editor document of its own, off the window's thread, so that the
// editor takes it by swapping documents instead of inserting millions of lines.
class LoadedText {
public:
    LoadedText(const LoadedText&) = delete;
    LoadedText& operator=(const LoadedText&) = delete;
    // A document that was not taken is freed, on whatever thread.
    ~LoadedText();

    // Any thread: loads `text`; false when the document could not hold it.
    bool fill(std::string_view text);
    // The same in pieces: append() each, then fill() the last (or "").
    bool append(std::string_view piece);
    bool filled() const { return filled_; }
    std::size_t size() const { return size_; }

private:
    friend class MainList;
    explicit LoadedText(void* loader) : loader_(loader) {}
    void* loader_;
    std::size_t size_ = 0;
    bool filled_ = false;
};

// The Main List: the user's working list, held by a Scintilla editor as bytes with CR LF line
// ends, and handled as a line list whose lines live in the editor.
//
// Every change is one step of the list's own undo history: typing as the editor reports it (the
// editor keeps no history of its own), whole-list changes as what they changed.
//
// Invariants: the editor's text only ever holds CR LF breaks when set through this class; the
// update counter is back at zero after every operation; the history's steps lead exactly to
// the editor's text.
class MainList {
public:
    explicit MainList(QsciScintilla& editor);

    // Lines of the text split at CR LF; a final break starts no extra line; "" has 0 lines.
    int count() const;
    // Every line, each as the editor holds it (whole lines, however long).
    LineList lines() const;
    // The editor's text exactly as held.
    std::string text() const;

    // Breaks become CR LF (a NUL stays, as a character); nothing happens when the result
    // equals the current text. Fails with "Text exceeds memo capacity" when the editor cannot
    // take it, leaving the old text.
    void setText(std::string text);
    // The text becomes every line followed by CR LF, repainted once.
    // `invocation` is the command line the change is recorded as, "" for none.
    void assign(const LineList& lines, std::string invocation = {});
    // The text becomes `text`, which `delta` leads to from the current text; the delta was
    // worked out elsewhere, as it takes long on a long list. The text fits the editor's form.
    // `invocation` is the command line the change is recorded as, "" for none.
    void putInPlace(const std::string& text, TextDelta delta, std::string invocation = {});
    // The same with the text already in `loaded`, filled, which is used up.
    void putInPlace(LoadedText& loaded, TextDelta delta, std::string invocation = {});
    // An empty document for about `bytes` to be filled elsewhere; on the window's thread.
    std::unique_ptr<LoadedText> prepareText(std::size_t bytes);
    // Whether putting `delta` in place edit by edit would take longer than swapping documents.
    static bool WorthLoading(const TextDelta& delta);
    void clear();

    // Take back or make again the newest step; the kind of step it was, nothing when none.
    // `made`, when filled, is the text the step gives, made elsewhere.
    // `textNow`, when given, is the list as it is, held for redo as it is until keep() gives
    // the step's inserted bytes packed; without it they are packed here and now.
    std::optional<EditKind> undo(LoadedText* made = nullptr,
                                 std::shared_ptr<const std::string> textNow = nullptr);
    std::optional<EditKind> redo(LoadedText* made = nullptr);
    // Step `id`'s delta holding its inserted bytes, packed elsewhere after an undo.
    void keep(std::uint64_t id, TextDelta kept) { history_.keep(id, std::move(kept)); }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    const UndoHistory& history() const { return history_; }

    // Whether the text changed since it was last loaded or saved (markSaved).
    // The recorded command lines of the steps since the list was last loaded, and whether
    // they explain the whole change (no typing, paste or step without a command line).
    struct Recording {
        std::vector<std::string> steps;
        bool complete = true;
    };
    Recording recording() const;
    // A freshly loaded list: the recording starts again from here.
    void startRecording() { recordFrom_ = history_.state(); }

    bool isModified() const { return history_.state() != savedState_; }
    void markSaved();

    // Nested: the first suspension stops repainting, the last resume repaints once.
    void suspendUpdates();
    void resumeUpdates();
    int updateDepth() const { return suspended_; }

    QsciScintilla& editor() { return editor_; }

    // The file the list came from, which Save List writes it back as.
    const ListOrigin& origin() const { return origin_; }
    // Also shows the file form as the editor's tool tip.
    void setOrigin(ListOrigin origin);
    // The same file read again another way: the text and the origin change as one step, and
    // undoing it gives the old origin back with the old text.
    void reopen(std::string text, ListOrigin origin);

private:
    void replaceText(const std::string& text, std::string invocation = {});
    // Applies a step forwards or backwards; `result`, when known, is the text it gives. A typed
    // step leaves the caret at its place, a whole-list step at the start as setting the text
    // does. A failure leaves the history empty.
    void apply(const UndoHistory::Step& step, bool backwards, const std::string* result = nullptr);
    // Undo (or redo) of `step` that the history gave, "none" when it gave none.
    std::optional<EditKind> takeStep(const UndoHistory::Step* step, LoadedText* made, bool undoing,
                                     const std::string* result = nullptr);
    void noteEdit(int position, int modification, const char* text, int length);
    std::string_view view() const;
    // The document's own settings, which a new document starts without.
    void setUpDocument();
    // The editor takes `loaded`'s document, caret at the start.
    void swapIn(LoadedText& loaded);

    QsciScintilla& editor_;
    int suspended_ = 0;
    ListOrigin origin_;
    UndoHistory history_;
    // The origins before and after each reopening step, by the step's id.
    std::map<std::uint64_t, std::pair<ListOrigin, ListOrigin>> reopened_;
    std::uint64_t savedState_ = 0;
    std::uint64_t recordFrom_ = 0;
    // While the list changes itself, the editor's reports of the change are not steps.
    bool applying_ = false;
    std::string deleting_;
};

// Every break (CR LF, lone CR, lone LF) as CR LF. A text that needs no change is returned as it
// came, without a copy.
std::string NormalizeBreaks(std::string text);

// The lines of a text as the Main List holds it: split at CR LF only, a final CR LF starting no
// extra line.
std::vector<std::string> SplitListText(std::string_view text);
// How many lines SplitListText gives, without making them.
int CountListLines(std::string_view text);

// CountListLines of a text handed over in pieces, a CR LF possibly split between two.
class ListLineCounter {
public:
    void add(std::string_view piece);
    int lines() const { return breaks_ + (any_ && !endsInBreak_ ? 1 : 0); }

private:
    int breaks_ = 0;
    bool any_ = false;
    bool afterCr_ = false;  // the last piece ended in CR
    bool endsInBreak_ = false;
};

}  // namespace pendara
