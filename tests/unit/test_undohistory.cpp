// The editors' undo history, driven with a plain integer "document".
#include "editors/undohistory.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// A document that is one number; a step is the number to go back to.
struct Counter {
    int value = 0;
    UndoHistory<int> history;

    explicit Counter(std::size_t limit = UndoHistory<int>::kDefaultLimit) : history(limit) {}
    void Set(int v)
    {
        history.Record(value);
        value = v;
    }
    bool Undo() { return history.Undo([this](int v) { return std::exchange(value, v); }); }
    bool Redo() { return history.Redo([this](int v) { return std::exchange(value, v); }); }
};

}  // namespace

TEST(UndoHistory, UndoAndRedoWalkBackAndForthAndANewChangeDropsRedo)
{
    Counter doc;
    EXPECT_FALSE(doc.Undo());
    EXPECT_FALSE(doc.Redo());
    doc.Set(1);
    doc.Set(2);
    doc.Set(3);
    EXPECT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(doc.value, 1);
    EXPECT_TRUE(doc.Redo());
    EXPECT_EQ(doc.value, 2);
    EXPECT_EQ(doc.history.RedoCount(), 1u);

    doc.Set(7);  // a new change after undo: 3 can no longer come back
    EXPECT_FALSE(doc.history.CanRedo());
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(doc.value, 2);
    EXPECT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(doc.value, 0);
    EXPECT_FALSE(doc.Undo());
}

TEST(UndoHistory, ModifiedFollowsTheSavedStateThroughUndoRedoAndClear)
{
    Counter doc;
    EXPECT_FALSE(doc.history.IsModified());
    doc.Set(1);
    EXPECT_TRUE(doc.history.IsModified());
    doc.history.MarkSaved();
    EXPECT_FALSE(doc.history.IsModified());
    doc.Set(2);
    EXPECT_TRUE(doc.history.IsModified());
    doc.Undo();  // back to what was saved
    EXPECT_FALSE(doc.history.IsModified());
    doc.Undo();  // before the save
    EXPECT_TRUE(doc.history.IsModified());
    doc.Redo();
    EXPECT_FALSE(doc.history.IsModified());

    // a change after undoing past the save never matches the save again
    doc.Undo();
    doc.Set(5);
    EXPECT_TRUE(doc.history.IsModified());

    doc.history.Clear();  // a load
    EXPECT_FALSE(doc.history.IsModified());
    EXPECT_FALSE(doc.history.CanUndo());
    EXPECT_FALSE(doc.history.CanRedo());
}

TEST(UndoHistory, AStepLimitOrAByteBudgetDropsTheOldestStepsButKeepsTheNewest)
{
    Counter limited(100);
    for (int i = 1; i <= 150; ++i) limited.Set(i);
    int undone = 0;
    while (limited.Undo()) ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(limited.value, 50);
    while (limited.Redo()) {}
    EXPECT_EQ(limited.value, 150);

    // a step "costs" its value in bytes
    Counter doc;
    doc.history.SetByteBudget(100, [](int v) { return static_cast<std::size_t>(v); });
    doc.Set(40);  // keeps 0
    doc.Set(30);  // keeps 40
    doc.Set(20);  // keeps 30: 70 held
    EXPECT_EQ(doc.history.HeldBytes(), 70u);
    doc.Set(10);  // keeps 20: 90
    doc.Set(5);   // keeps 10: 100
    EXPECT_EQ(doc.history.UndoCount(), 5u);
    doc.Set(1);   // keeps 5: 105, so the oldest (0 bytes) and 40 go
    EXPECT_EQ(doc.history.UndoCount(), 4u);
    EXPECT_EQ(doc.history.HeldBytes(), 65u);

    // undo moves steps to the redo side, the count follows what is held
    while (doc.Undo()) {}
    EXPECT_EQ(doc.value, 30);
    while (doc.Redo()) {}
    EXPECT_EQ(doc.value, 1);

    // one step larger than the whole budget still stays
    doc.Set(500);
    doc.Set(2);
    EXPECT_EQ(doc.history.UndoCount(), 1u);
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(doc.value, 500);
}
