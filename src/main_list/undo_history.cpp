#include "main_list/undo_history.h"

#include <algorithm>
#include <cassert>

namespace pendara {

void UndoHistory::record(TextDelta delta, EditKind kind, std::size_t listBytes,
                         std::string invocation) {
    if (delta.empty()) return;
    while (steps_.size() > done_) {
        bytes_ -= BytesOf(steps_.back());
        steps_.pop_back();
    }
    if (kind == EditKind::Typing && !sealed_ && !steps_.empty() &&
        steps_.back().kind == EditKind::Typing) {
        Step& last = steps_.back();
        const std::size_t was = last.delta.bytes();
        if (last.delta.absorb(delta)) {
            bytes_ = bytes_ - was + last.delta.bytes();
            return;
        }
    }
    bytes_ += delta.bytes();
    steps_.push_back({std::move(delta), kind, nextId_++, std::move(invocation)});
    done_ = steps_.size();
    sealed_ = kind == EditKind::Bulk;
    // A long list gets room for a few whole copies of itself.
    const std::size_t budget = std::max(budget_, 4 * listBytes);
    while (bytes_ > budget && steps_.size() > 1) {
        bytes_ -= BytesOf(steps_.front());
        base_ = steps_.front().id;
        steps_.pop_front();
        --done_;
    }
}

UndoHistory::Since UndoHistory::since(std::uint64_t from) const {
    Since since;
    std::size_t first = 0;
    if (from != base_) {
        std::size_t at = 0;
        while (at < done_ && steps_[at].id != from) ++at;
        if (at < done_) {
            first = at + 1;
        } else {
            since.complete = false;
        }
    }
    for (std::size_t i = first; i < done_; ++i) since.steps.push_back(&steps_[i]);
    return since;
}

const UndoHistory::Step* UndoHistory::undo(std::string_view text) {
    if (!canUndo()) return nullptr;
    sealed_ = true;
    Step& step = steps_[done_ - 1];
    const std::size_t was = step.delta.bytes();
    step.delta.keepInserted(text);
    bytes_ = bytes_ - was + step.delta.bytes();
    --done_;
    return &step;
}

const UndoHistory::Step* UndoHistory::undo(std::shared_ptr<const std::string> text) {
    if (!canUndo()) return nullptr;
    sealed_ = true;
    Step& step = steps_[done_ - 1];
    if (!step.delta.holdsInserted()) {
        step.ledTo = std::move(text);
        bytes_ += step.ledTo->size();
    }
    --done_;
    return &step;
}

bool UndoHistory::keep(std::uint64_t id, TextDelta kept) {
    const auto found = std::find_if(steps_.begin(), steps_.end(),
                                    [id](const Step& step) { return step.id == id; });
    if (found == steps_.end() || found->delta.holdsInserted() || !kept.holdsInserted()) {
        return false;
    }
    bytes_ -= BytesOf(*found);
    found->delta = std::move(kept);
    found->ledTo.reset();
    bytes_ += BytesOf(*found);
    return true;
}

const UndoHistory::Step* UndoHistory::redo(std::shared_ptr<const std::string>* ledTo) {
    if (!canRedo()) return nullptr;
    sealed_ = true;
    Step& step = steps_[done_++];
    if (step.ledTo != nullptr) {
        // In effect again, the step needs no inserted bytes, nor the text that stood for them.
        assert(ledTo != nullptr);
        bytes_ -= step.ledTo->size();
        if (ledTo != nullptr) *ledTo = std::move(step.ledTo);
        step.ledTo.reset();
    }
    return &step;
}

}  // namespace pendara
