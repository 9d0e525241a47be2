#include "main_list/text_delta.h"

#include <algorithm>
#include <cassert>
#include <memory>
#include <new>

#include <zstd.h>

#include "text/cancel_point.h"

namespace pendara {

namespace {

bool IsLineStart(std::string_view text, std::size_t at) { return at == 0 || text[at - 1] == '\n'; }

std::size_t LineCount(std::string_view text) {
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return breaks + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

// The line of `text` that starts at `at`, its break included.
std::string_view LineAt(std::string_view text, std::size_t at) {
    const std::size_t brk = text.find('\n', at);
    return text.substr(at, brk == std::string_view::npos ? brk : brk + 1 - at);
}

// Whether the hunks are in text order with unchanged bytes between each two, on both sides.
[[maybe_unused]] bool HunksApart(const std::vector<TextHunk>& hunks) {
    for (std::size_t i = 1; i < hunks.size(); ++i) {
        const TextHunk& a = hunks[i - 1];
        const TextHunk& b = hunks[i];
        if (a.oldAt + a.oldLength >= b.oldAt || a.newAt + a.newLength >= b.newAt) return false;
    }
    return true;
}

// Gathers differing ranges into hunks, joining ranges that touch.
class HunkCollector {
public:
    void differ(std::size_t oldAt, std::size_t oldLength, std::size_t newAt,
                std::size_t newLength) {
        if (open_ && open_->oldAt + open_->oldLength == oldAt &&
            open_->newAt + open_->newLength == newAt) {
            open_->oldLength += oldLength;
            open_->newLength += newLength;
            return;
        }
        flush();
        hunks_.push_back({oldAt, oldLength, newAt, newLength});
        open_ = &hunks_.back();
    }
    std::vector<TextHunk> take() {
        flush();
        return std::move(hunks_);
    }

private:
    void flush() { open_ = nullptr; }

    std::vector<TextHunk> hunks_;
    TextHunk* open_ = nullptr;
};

}  // namespace

TextDelta TextDelta::Between(std::string_view before, std::string_view after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t start = static_cast<std::size_t>(
        std::mismatch(before.begin(), before.begin() + shorter, after.begin()).first -
        before.begin());
    if (start == before.size() && start == after.size()) return {};
    while (start > 0 && before[start - 1] != '\n') --start;
    std::size_t tail = 0;
    while (tail < shorter - start &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    while (tail > 0 && !(IsLineStart(before, before.size() - tail) &&
                         IsLineStart(after, after.size() - tail))) {
        --tail;
    }
    const std::size_t oldEnd = before.size() - tail;
    const std::size_t newEnd = after.size() - tail;
    const std::size_t oldLines = LineCount(before.substr(start, oldEnd - start));
    const std::size_t newLines = LineCount(after.substr(start, newEnd - start));

    HunkCollector collector;
    std::size_t i = start;
    std::size_t j = start;
    if (oldLines == newLines) {
        // A change to every line (as Add makes) shows in its first lines: the middle is then
        // kept whole without walking the rest.
        constexpr std::size_t kAllChangedAfter = 4096;
        std::size_t walked = 0;
        std::size_t turn = 0;
        bool allDiffer = true;
        while (i < oldEnd) {
            CancelPointEvery(++turn);
            const std::string_view oldLine = LineAt(before, i);
            const std::string_view newLine = LineAt(after, j);
            if (oldLine != newLine)
                collector.differ(i, oldLine.size(), j, newLine.size());
            else
                allDiffer = false;
            i += oldLine.size();
            j += newLine.size();
            if (allDiffer && ++walked == kAllChangedAfter) {
                collector = HunkCollector();
                collector.differ(start, oldEnd - start, start, newEnd - start);
                break;
            }
        }
    } else {
        // Lines only dropped (or only added): the shorter side is found in the longer one in
        // order, and the lines left over are the change.
        const bool dropped = oldLines > newLines;
        const std::string_view longer = dropped ? before : after;
        const std::string_view other = dropped ? after : before;
        std::size_t& at = dropped ? i : j;
        std::size_t& otherAt = dropped ? j : i;
        const std::size_t end = dropped ? oldEnd : newEnd;
        const std::size_t otherEnd = dropped ? newEnd : oldEnd;
        std::string_view wanted = otherAt < otherEnd ? LineAt(other, otherAt) : std::string_view();
        std::size_t turn = 0;
        while (at < end) {
            CancelPointEvery(++turn);
            const std::string_view line = LineAt(longer, at);
            if (otherAt < otherEnd && line == wanted) {
                at += line.size();
                otherAt += wanted.size();
                wanted = otherAt < otherEnd ? LineAt(other, otherAt) : std::string_view();
                continue;
            }
            if (dropped)
                collector.differ(i, line.size(), j, 0);
            else
                collector.differ(i, 0, j, line.size());
            at += line.size();
        }
        if (otherAt < otherEnd) {
            // Something else changed too: keep the differing middle whole.
            collector = HunkCollector();
            collector.differ(start, oldEnd - start, start, newEnd - start);
        }
    }

    TextDelta delta;
    delta.hunks_ = collector.take();
    assert(HunksApart(delta.hunks_));
    std::size_t removedBytes = 0;
    for (const TextHunk& hunk : delta.hunks_) removedBytes += hunk.oldLength;
    delta.removed_.reserve(removedBytes);
    for (const TextHunk& hunk : delta.hunks_)
        delta.removed_.append(before.substr(hunk.oldAt, hunk.oldLength));
    delta.hunks_.shrink_to_fit();
    delta.holdsInserted_ = delta.hunks_.empty();
    return delta;
}

namespace {

// Fewer changed bytes than this are kept as they are: packing would gain little.
constexpr std::size_t kPackFrom = std::size_t{256} << 10;

// Fast enough to pack a list of millions of lines within an undo step's time, and packs list
// text about three to one.
constexpr int kPackLevel = 1;

// A frame per block of 4 MiB, so a dropped job stops between two; the frames unpack as one, and
// pack about as small and as fast as one frame of the whole.
std::string Compress(std::string_view bytes) {
    if (bytes.empty()) return {};
    const std::unique_ptr<ZSTD_CCtx, decltype(&ZSTD_freeCCtx)> context(ZSTD_createCCtx(),
                                                                       ZSTD_freeCCtx);
    if (context == nullptr) throw std::bad_alloc();
    constexpr std::size_t kBlock = std::size_t{4} << 20;
    std::string packed(
        ZSTD_compressBound(bytes.size()) + ZSTD_compressBound(0) * (bytes.size() / kBlock + 1),
        '\0');
    std::size_t size = 0;
    for (std::size_t at = 0; at < bytes.size(); at += kBlock) {
        CancelPoint();
        const std::string_view block = bytes.substr(at, kBlock);
        const std::size_t frame =
            ZSTD_compressCCtx(context.get(), packed.data() + size, packed.size() - size,
                              block.data(), block.size(), kPackLevel);
        if (ZSTD_isError(frame)) throw std::bad_alloc();
        size += frame;
    }
    packed.resize(size);
    packed.shrink_to_fit();
    return packed;
}

std::string Expand(const std::string& packed, std::size_t size) {
    std::string bytes(size, '\0');
    if (size == 0) return bytes;
    const std::size_t got = ZSTD_decompress(bytes.data(), size, packed.data(), packed.size());
    // Only this class packs, so a mismatch is a broken invariant, not bad input.
    assert(got == size);
    (void)got;
    return bytes;
}

}  // namespace

void TextDelta::pack() {
    if (packed_ || removed_.size() + inserted_.size() < kPackFrom) return;
    std::string removed = Compress(removed_);
    std::string inserted = Compress(inserted_);
    removedSize_ = removed_.size();
    insertedSize_ = inserted_.size();
    removed_ = std::move(removed);
    inserted_ = std::move(inserted);
    packed_ = true;
}

TextDelta TextDelta::unpacked() const {
    if (!packed_) return *this;
    TextDelta plain;
    plain.hunks_ = hunks_;
    plain.removed_ = Expand(removed_, removedSize_);
    plain.inserted_ = Expand(inserted_, insertedSize_);
    plain.holdsInserted_ = holdsInserted_;
    return plain;
}

void TextDelta::keepInserted(std::string_view after) {
    if (holdsInserted_) return;
    if (packed_) {
        // Only the inserted bytes are packed; the removed ones stay packed as they are. One
        // hunk (a whole list changed) is packed straight from the text.
        std::string gathered;
        std::string_view inserted;
        if (hunks_.size() == 1) {
            inserted = after.substr(hunks_.front().newAt, hunks_.front().newLength);
        } else {
            for (const TextHunk& hunk : hunks_)
                gathered.append(after.substr(hunk.newAt, hunk.newLength));
            inserted = gathered;
        }
        inserted_ = Compress(inserted);
        insertedSize_ = inserted.size();
        holdsInserted_ = true;
        return;
    }
    std::size_t insertedBytes = 0;
    for (const TextHunk& hunk : hunks_) insertedBytes += hunk.newLength;
    inserted_.reserve(insertedBytes);
    for (const TextHunk& hunk : hunks_) inserted_.append(after.substr(hunk.newAt, hunk.newLength));
    holdsInserted_ = true;
}

TextDelta TextDelta::Replacement(std::size_t at, std::string_view removed,
                                 std::string_view inserted) {
    TextDelta delta;
    if (!removed.empty() || !inserted.empty())
        delta.addHunk({at, removed.size(), at, inserted.size()}, removed, inserted);
    return delta;
}

void TextDelta::addHunk(const TextHunk& hunk, std::string_view removed, std::string_view inserted) {
    assert(removed.size() == hunk.oldLength && inserted.size() == hunk.newLength);
    hunks_.push_back(hunk);
    assert(HunksApart(hunks_));
    removed_.append(removed);
    inserted_.append(inserted);
}

std::size_t TextDelta::bytes() const {
    return sizeof(TextDelta) + hunks_.capacity() * sizeof(TextHunk) + removed_.capacity() +
           inserted_.capacity();
}

namespace {

// `source` with each hunk's span in it (`at`, `length` of the source's side) replaced by the
// next bytes of `pieces`, as many as the other side's length says.
std::string Splice(std::string_view source, const std::vector<TextHunk>& hunks,
                   std::string_view pieces, std::size_t size, std::size_t TextHunk::*at,
                   std::size_t TextHunk::*length, std::size_t TextHunk::*pieceLength) {
    std::string text;
    text.reserve(size);
    std::size_t from = 0;
    std::size_t taken = 0;
    for (const TextHunk& hunk : hunks) {
        text.append(source.substr(from, hunk.*at - from));
        text.append(pieces.substr(taken, hunk.*pieceLength));
        taken += hunk.*pieceLength;
        from = hunk.*at + hunk.*length;
    }
    text.append(source.substr(from));
    return text;
}

}  // namespace

std::string TextDelta::before(std::string_view after) const {
    std::size_t removed = 0;
    std::size_t inserted = 0;
    for (const TextHunk& hunk : hunks_) {
        removed += hunk.oldLength;
        inserted += hunk.newLength;
    }
    // Only the side the text needs is unpacked.
    const std::string pieces = packed_ ? Expand(removed_, removedSize_) : std::string();
    return Splice(after, hunks_, packed_ ? pieces : removed_, after.size() - inserted + removed,
                  &TextHunk::newAt, &TextHunk::newLength, &TextHunk::oldLength);
}

std::string TextDelta::after(std::string_view before) const {
    assert(holdsInserted_);
    std::size_t removed = 0;
    std::size_t inserted = 0;
    for (const TextHunk& hunk : hunks_) {
        removed += hunk.oldLength;
        inserted += hunk.newLength;
    }
    const std::string pieces = packed_ ? Expand(inserted_, insertedSize_) : std::string();
    return Splice(before, hunks_, packed_ ? pieces : inserted_, before.size() - removed + inserted,
                  &TextHunk::oldAt, &TextHunk::oldLength, &TextHunk::newLength);
}

namespace {

// `source` with `length` bytes at `at` replaced by the packed piece, handed to `put` in blocks.
void PutOnePacked(std::string_view source, std::size_t at, std::size_t length,
                  const std::string& packed, std::size_t pieceSize,
                  const TextDelta::PutPiece& put) {
    if (at > 0) put(source.substr(0, at));
    if (pieceSize != 0) {
        constexpr std::size_t kBlock = std::size_t{1} << 20;
        const std::unique_ptr<ZSTD_DCtx, decltype(&ZSTD_freeDCtx)> context(ZSTD_createDCtx(),
                                                                           ZSTD_freeDCtx);
        if (context == nullptr) throw std::bad_alloc();
        std::string block(kBlock, '\0');
        ZSTD_inBuffer in{packed.data(), packed.size(), 0};
        std::size_t made = 0;
        while (made < pieceSize) {
            CancelPoint();
            ZSTD_outBuffer out{block.data(), block.size(), 0};
            const std::size_t status = ZSTD_decompressStream(context.get(), &out, &in);
            // Only this class packs, so a broken frame is a broken invariant, not bad input.
            assert(!ZSTD_isError(status) && out.pos > 0);
            if (ZSTD_isError(status) || out.pos == 0) throw std::bad_alloc();
            put(std::string_view(block.data(), out.pos));
            made += out.pos;
        }
        assert(made == pieceSize);
    }
    if (at + length < source.size()) put(source.substr(at + length));
}

}  // namespace

void TextDelta::before(std::string_view after, const PutPiece& put) const {
    if (packed_ && hunks_.size() == 1) {
        const TextHunk& hunk = hunks_.front();
        return PutOnePacked(after, hunk.newAt, hunk.newLength, removed_, removedSize_, put);
    }
    put(before(after));
}

void TextDelta::after(std::string_view before, const PutPiece& put) const {
    assert(holdsInserted_);
    if (packed_ && hunks_.size() == 1) {
        const TextHunk& hunk = hunks_.front();
        return PutOnePacked(before, hunk.oldAt, hunk.oldLength, inserted_, insertedSize_, put);
    }
    put(after(before));
}

bool TextDelta::absorb(const TextDelta& next) {
    // A character is at most four bytes, a typed line break two.
    constexpr std::size_t kTyped = 4;
    if (hunks_.size() != 1 || next.hunks_.size() != 1 || !holdsInserted_ || !next.holdsInserted_ ||
        packed_ || next.packed_)
        return false;
    TextHunk& mine = hunks_.front();
    const TextHunk& theirs = next.hunks_.front();
    const bool insertions = mine.oldLength == 0 && theirs.oldLength == 0;
    const bool deletions = mine.newLength == 0 && theirs.newLength == 0;
    if (insertions && theirs.newLength <= kTyped && theirs.oldAt == mine.newAt + mine.newLength) {
        mine.newLength += theirs.newLength;
        inserted_ += next.inserted_;
        return true;
    }
    if (deletions && theirs.oldLength <= kTyped) {
        if (theirs.oldAt == mine.newAt) {  // Delete: the text after closes up
            mine.oldLength += theirs.oldLength;
            removed_ += next.removed_;
            return true;
        }
        if (theirs.oldAt + theirs.oldLength == mine.newAt) {  // Backspace
            mine.oldAt = mine.newAt = theirs.oldAt;
            mine.oldLength += theirs.oldLength;
            removed_.insert(0, next.removed_);
            return true;
        }
    }
    return false;
}

}  // namespace pendara
