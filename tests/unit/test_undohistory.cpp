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
    int UndoAll()
    {
        int undone = 0;
        while (Undo()) ++undone;
        return undone;
    }
};

}  // namespace

TEST(UndoHistory, UndoAndRedoWalkBackAndForthAndANewChangeDropsRedo)
{
    Counter doc;
    EXPECT_FALSE(doc.Undo());
    EXPECT_FALSE(doc.Redo());
    for (int v : {1, 2, 3}) doc.Set(v);
    EXPECT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.Redo());
    EXPECT_EQ(doc.value, 2);
    doc.Set(7);  // 3 can no longer come back
    EXPECT_FALSE(doc.Redo());
    EXPECT_EQ(doc.UndoAll(), 3);
    EXPECT_EQ(doc.value, 0);
}

TEST(UndoHistory, UndoingBackToTheSaveIsUnmodifiedAndAChangeAfterUndoingPastItNeverMatchesItAgain)
{
    Counter doc;
    doc.Set(1);
    doc.history.MarkSaved();
    doc.Set(2);
    EXPECT_TRUE(doc.history.IsModified());
    doc.Undo();
    EXPECT_FALSE(doc.history.IsModified());
    doc.Undo();
    EXPECT_TRUE(doc.history.IsModified()) << "older than the save";
    doc.Set(5);
    EXPECT_TRUE(doc.history.IsModified());
    doc.history.Clear();  // a load
    EXPECT_FALSE(doc.history.IsModified());
}

TEST(UndoHistory, AStepLimitOrAByteBudgetDropsTheOldestStepsButKeepsTheNewest)
{
    Counter limited(100);
    for (int i = 1; i <= 150; ++i) limited.Set(i);
    EXPECT_EQ(limited.UndoAll(), 100);
    EXPECT_EQ(limited.value, 50);

    // a step "costs" its value in bytes: 0, 40, 30, 20, 10 and 5 are 105, so 0 and 40 go
    Counter doc;
    doc.history.SetByteBudget(100, [](int v) { return static_cast<std::size_t>(v); });
    for (int v : {40, 30, 20, 10, 5, 1}) doc.Set(v);
    EXPECT_EQ(doc.UndoAll(), 4);
    EXPECT_EQ(doc.value, 30);
    while (doc.Redo()) {}
    EXPECT_EQ(doc.value, 1);

    doc.Set(500);
    doc.Set(2);
    EXPECT_EQ(doc.UndoAll(), 1) << "one step larger than the whole budget still stays";
    EXPECT_EQ(doc.value, 500);
}
