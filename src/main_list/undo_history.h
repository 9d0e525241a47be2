#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "main_list/text_delta.h"

namespace pendara {

enum class EditKind {
    // Typing and the editor's own cut and paste: neighbouring edits join into one step.
    Typing,
    // A change to the whole list by a command of the program.
    Bulk,
};

// The undo and redo steps of one list. Each step holds only the bytes it changed. When the
// steps pass the budget the oldest are dropped first, the newest step always stays.
class UndoHistory {
public:
    static constexpr std::size_t kDefaultBudget = std::size_t{512} << 20;

    struct Step {
        TextDelta delta;
        EditKind kind;
        std::uint64_t id;
        // The command line that made a bulk step, as a recipe has it; "" when it has none.
        std::string invocation{};
        // The text the step leads to, held whole by an undone step while its inserted bytes
        // are packed elsewhere (keep() ends that); redo puts it back as it is.
        std::shared_ptr<const std::string> ledTo{};
    };

    explicit UndoHistory(std::size_t budget = kDefaultBudget) : budget_(budget) {}

    // An edit just made to a list now `listBytes` long; the redo steps are gone.
    void record(TextDelta delta, EditKind kind, std::size_t listBytes, std::string invocation = {});
    // The next typing starts a step of its own.
    void seal() { sealed_ = true; }

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The step to take back, now counted as undone, or null; `text` is the list as it is, where
    // the step's inserted bytes are kept from for redo.
    const Step* undo(std::string_view text);
    // The same, holding `text` for redo as it is instead: what the step inserted is packed
    // from it later, off the window's thread, and handed to keep().
    const Step* undo(std::shared_ptr<const std::string> text);
    // Step `id`'s delta with its inserted bytes kept, in place of the text it held; false, and
    // dropped, when the step is gone or holds its inserted bytes already.
    bool keep(std::uint64_t id, TextDelta kept);
    // The step to make again, now counted as redone, or null; the text it held for that, if
    // any, moves to `ledTo`.
    const Step* redo(std::shared_ptr<const std::string>* ledTo = nullptr);
    // The steps undo and redo would take, left as they are.
    const Step* nextUndo() const { return canUndo() ? &steps_[done_ - 1] : nullptr; }
    const Step* nextRedo() const { return canRedo() ? &steps_[done_] : nullptr; }

    // Names the state the list is in: equal ids, equal text (ids are never reused).
    std::uint64_t state() const { return done_ > 0 ? steps_[done_ - 1].id : base_; }
    std::size_t steps() const { return steps_.size(); }
    std::size_t bytes() const { return bytes_; }

    // The steps in effect that follow the state `from`, oldest first; `complete` is false when
    // `from` is no longer among them (dropped or undone past).
    struct Since {
        std::vector<const Step*> steps;
        bool complete = true;
    };
    Since since(std::uint64_t from) const;

private:
    static std::size_t BytesOf(const Step& step) {
        return step.delta.bytes() + (step.ledTo != nullptr ? step.ledTo->size() : 0);
    }

    std::deque<Step> steps_;
    std::size_t done_ = 0;  // steps_[0, done_) are in effect
    std::size_t bytes_ = 0;
    std::size_t budget_;
    std::uint64_t nextId_ = 1;
    std::uint64_t base_ = 0;  // the state before the oldest kept step
    bool sealed_ = true;
};

}  // namespace pendara
