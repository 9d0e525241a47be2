#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pendara {

// One place where two texts differ: `oldLength` bytes at `oldAt` of the text before became
// `newLength` bytes at `newAt` of the text after.
struct TextHunk {
    std::size_t oldAt = 0;
    std::size_t oldLength = 0;
    std::size_t newAt = 0;
    std::size_t newLength = 0;
};

// What changed between two texts, holding only the bytes that changed, so that either text can
// be made again from the other. Hunks are in text order and never touch each other.
class TextDelta {
public:
    // The whole lines that differ: a common start and end are left out, and within the rest lines
    // that were only dropped, only added or replaced one for one are found line by line (a filter
    // that drops ten lines keeps those ten). Any other change keeps the differing middle whole.
    // Only the removed bytes are kept: the inserted ones are still in the text after, and are
    // taken from it when the step is undone (keepInserted).
    static TextDelta Between(std::string_view before, std::string_view after);
    // `removed` at `at` replaced by `inserted`, as one edit in the editor.
    static TextDelta Replacement(std::size_t at, std::string_view removed,
                                 std::string_view inserted);

    bool empty() const { return hunks_.empty(); }

    // Holds the changed bytes compressed when there are many of them, as a step kept for undo
    // does; removed() and inserted() then need unpacked(). Everything else works either way.
    void pack();
    bool packed() const { return packed_; }
    // The same delta with its bytes as they are.
    TextDelta unpacked() const;

    const std::vector<TextHunk>& hunks() const { return hunks_; }
    // The bytes the hunks removed and inserted, each hunk's after the previous one's.
    const std::string& removed() const { return removed_; }
    const std::string& inserted() const { return inserted_; }
    // Memory held, for the undo history's budget.
    std::size_t bytes() const;

    // Whether the inserted bytes are held, as after() needs them.
    bool holdsInserted() const { return holdsInserted_; }
    // Takes the inserted bytes from `after`, the text this delta led to.
    void keepInserted(std::string_view after);

    // The text before, made from the text after, and the other way round (which needs the
    // inserted bytes).
    std::string before(std::string_view after) const;
    std::string after(std::string_view before) const;
    // The same texts handed to `put` in pieces as they are made: a whole list's packed step is
    // unpacked a block at a time, so its text is never held whole on the way.
    using PutPiece = std::function<void(std::string_view piece)>;
    void before(std::string_view after, const PutPiece& put) const;
    void after(std::string_view before, const PutPiece& put) const;

    // Joins `next`, a one-hunk edit made right after this one-hunk edit, when it continues it:
    // typing on at the end of an insertion, or deleting on from either side of a deletion.
    // Returns whether it joined.
    bool absorb(const TextDelta& next);

private:
    void addHunk(const TextHunk& hunk, std::string_view removed, std::string_view inserted);

    std::vector<TextHunk> hunks_;
    std::string removed_;
    std::string inserted_;
    bool holdsInserted_ = true;
    bool packed_ = false;
    // The sizes of removed_ and inserted_ before packing.
    std::size_t removedSize_ = 0;
    std::size_t insertedSize_ = 0;
};

}  // namespace pendara
