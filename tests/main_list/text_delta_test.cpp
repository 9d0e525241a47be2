#include "main_list/text_delta.h"

#include <gtest/gtest.h>

#include "main_list/undo_history.h"

namespace pendara {
namespace {

std::string Numbered(int from, int to) {
    std::string text;
    for (int i = from; i < to; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
}

TEST(TextDelta, MakesEitherTextFromTheOther) {
    const struct {
        const char* name;
        std::string before, after;
    } cases[] = {
        {"drop lines", "a\r\nb\r\nc\r\nd\r\n", "a\r\nc\r\n"},
        {"add lines", "a\r\nc\r\n", "x\r\na\r\nb\r\nc\r\ny\r\n"},
        {"each line edited", "a\r\nb\r\nc\r\n", "#a\r\nb\r\n#c\r\n"},
        {"reordered", "a\r\nb\r\nc\r\n", "c\r\nb\r\na\r\n"},
        {"dropped and edited", "a\r\nb\r\nc\r\nd\r\n", "a\r\nB\r\n"},
        {"cleared", "a\r\nb\r\n", ""},
        {"filled", "", "a\r\nb"},
        {"last line without break", "a\r\nb", "a\r\nb\r\n"},
        {"break inside a common end", "ab\r\ncd", "b\r\ncd"},
        {"repeated lines dropped", "a\r\na\r\nb\r\na\r\n", "a\r\nb\r\n"},
        {"same", "a\r\n", "a\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TextDelta delta = TextDelta::Between(c.before, c.after);
        EXPECT_EQ(delta.before(c.after), c.before);
        delta.keepInserted(c.after);  // as undo does, for redo
        EXPECT_EQ(delta.after(c.before), c.after);
        EXPECT_EQ(delta.empty(), c.before == c.after);
    }
}

TEST(TextDelta, KeepsOnlyTheLinesAFilterDropped) {
    const std::string before = Numbered(0, 100000);
    std::string after = before;
    std::string dropped;
    for (const int line : {99990, 50000, 7, 0}) {
        const std::string text = "line " + std::to_string(line) + "\r\n";
        after.erase(after.find(text), text.size());
        dropped.insert(0, text);
    }
    const TextDelta delta = TextDelta::Between(before, after);
    EXPECT_EQ(delta.removed(), dropped);
    EXPECT_EQ(delta.inserted(), "");
    EXPECT_LT(delta.bytes(), 1000u);
    EXPECT_EQ(delta.before(after), before);
}

TEST(TextDelta, TypingJoinsOnlyWhileItContinues) {
    TextDelta typed = TextDelta::Replacement(4, "", "a");
    EXPECT_TRUE(typed.absorb(TextDelta::Replacement(5, "", "b")));
    EXPECT_FALSE(typed.absorb(TextDelta::Replacement(9, "", "c")));  // elsewhere
    EXPECT_FALSE(typed.absorb(TextDelta::Replacement(6, "", "pasted text")));
    EXPECT_EQ(typed.inserted(), "ab");

    TextDelta erased = TextDelta::Replacement(5, "c", "");
    EXPECT_TRUE(erased.absorb(TextDelta::Replacement(4, "b", "")));  // Backspace
    EXPECT_TRUE(erased.absorb(TextDelta::Replacement(4, "d", "")));  // Delete
    EXPECT_EQ(erased.removed(), "bcd");
    EXPECT_EQ(erased.before("0123e"), "0123bcde");
}

TEST(TextDelta, PackedStepUndoesAndRedoesToTheSameBytesInLessMemory) {
    const std::string before = Numbered(0, 100000);
    std::string after = Numbered(50000, 100000) + Numbered(0, 50000);
    after[10] = '\0';  // a NUL is a byte like any other
    TextDelta delta = TextDelta::Between(before, after);
    const std::size_t plain = delta.bytes();
    delta.pack();
    ASSERT_TRUE(delta.packed());
    EXPECT_LT(delta.bytes() * 2, plain);
    EXPECT_EQ(delta.before(after), before);
    // As the history does it: the inserted bytes are kept at undo, still packed.
    delta.keepInserted(after);
    EXPECT_TRUE(delta.packed());
    EXPECT_EQ(delta.after(before), after);

    // A whole middle changed, its ends kept: the one hunk is unpacked into its place.
    const std::string framed = "head\r\n" + before + "tail\r\n";
    const std::string reworked = "head\r\n" + after + "tail\r\n";
    TextDelta middle = TextDelta::Between(framed, reworked);
    ASSERT_EQ(middle.hunks().size(), 1U);
    middle.pack();
    ASSERT_TRUE(middle.packed());
    EXPECT_EQ(middle.before(reworked), framed);
    middle.keepInserted(reworked);
    EXPECT_EQ(middle.after(framed), reworked);

    // Packed in frames of a few MiB, a long list comes back whole as one text and in pieces.
    const std::string longBefore = Numbered(0, 700000);
    const std::string longAfter = Numbered(350000, 700000) + Numbered(0, 350000);
    ASSERT_GT(longBefore.size(), std::size_t{8} << 20);  // three frames
    TextDelta whole = TextDelta::Between(longBefore, longAfter);
    whole.pack();
    EXPECT_TRUE(whole.before(longAfter) == longBefore);
    std::string pieces;
    whole.before(longAfter, [&](std::string_view piece) { pieces.append(piece); });
    EXPECT_TRUE(pieces == longBefore);
    whole.keepInserted(longAfter);
    pieces.clear();
    whole.after(longBefore, [&](std::string_view piece) { pieces.append(piece); });
    EXPECT_TRUE(pieces == longAfter);

    // A short change stays as it is: packing it would gain nothing.
    TextDelta typed = TextDelta::Replacement(3, "", "x");
    typed.pack();
    EXPECT_FALSE(typed.packed());
}

TEST(UndoHistory, DropsTheOldestStepsPastTheBudgetAndKeepsTheNewest) {
    UndoHistory history(100000);
    const auto record = [&](std::size_t bytes, std::size_t listBytes) {
        history.record(TextDelta::Replacement(0, "", std::string(bytes, 'x')), EditKind::Bulk,
                       listBytes);
    };
    record(5, 10);
    record(30000, 10);
    record(30000, 10);
    EXPECT_EQ(history.steps(), 3u);
    record(50000, 10);  // 110,000 bytes: the two oldest go
    EXPECT_EQ(history.steps(), 2u);
    record(50000, 40000);  // four times a 40,000-byte list is room for 160,000
    EXPECT_EQ(history.steps(), 3u);
    record(200000, 10);  // the newest stays even alone past the budget
    EXPECT_EQ(history.steps(), 1u);
    EXPECT_NE(history.undo(""), nullptr);
    EXPECT_FALSE(history.canUndo());
}

TEST(UndoHistory, StatesNameTheTextAndANewStepEndsRedo) {
    UndoHistory history;
    const auto start = history.state();
    history.record(TextDelta::Replacement(0, "", "a"), EditKind::Typing, 1);
    history.record(TextDelta::Replacement(1, "", "b"), EditKind::Typing, 2);
    EXPECT_EQ(history.steps(), 1u);  // typed on
    const auto typed = history.state();
    history.record(TextDelta::Replacement(0, "ab", "x"), EditKind::Bulk, 1);
    history.record(TextDelta::Replacement(1, "", "y"), EditKind::Typing, 2);
    EXPECT_EQ(history.steps(), 3u);  // a whole-list step is never typed on
    history.undo("");
    history.undo("");
    EXPECT_EQ(history.state(), typed);
    history.undo("");
    EXPECT_EQ(history.state(), start);
    history.redo();
    history.record(TextDelta::Replacement(2, "", "z"), EditKind::Bulk, 3);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.steps(), 2u);
}

TEST(UndoHistory, AnUndoneStepHoldsItsTextUntilItsInsertedBytesAreKept) {
    UndoHistory history;
    const std::string before = "b\r\na\r\n", after = "a\r\nb\r\n";
    history.record(TextDelta::Between(before, after), EditKind::Bulk, after.size());
    const std::size_t recorded = history.bytes();
    const auto ledTo = std::make_shared<const std::string>(after);
    const UndoHistory::Step* step = history.undo(ledTo);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->ledTo, ledTo);
    EXPECT_EQ(history.bytes(), recorded + after.size());
    // Redone before its bytes are kept, the step gives its text back and holds it no more.
    std::shared_ptr<const std::string> given;
    history.redo(&given);
    EXPECT_EQ(given, ledTo);
    EXPECT_EQ(history.bytes(), recorded);

    const std::uint64_t id = history.undo(ledTo)->id;
    TextDelta kept = history.nextRedo()->delta;
    kept.keepInserted(after);
    EXPECT_FALSE(history.keep(id + 1, kept));  // no such step
    EXPECT_TRUE(history.keep(id, kept));
    EXPECT_EQ(history.nextRedo()->ledTo, nullptr);
    EXPECT_EQ(history.nextRedo()->delta.after(before), after);
    EXPECT_FALSE(history.keep(id, kept));  // kept already
    // A new step ends redo: bytes kept for the step that went are dropped.
    const std::uint64_t gone = history.redo()->id;
    history.undo(std::make_shared<const std::string>(after));
    history.record(TextDelta::Replacement(0, "", "x"), EditKind::Bulk, 1);
    EXPECT_FALSE(history.keep(gone, kept));
    EXPECT_LT(history.bytes(), recorded + after.size());
}

}  // namespace
}  // namespace pendara
