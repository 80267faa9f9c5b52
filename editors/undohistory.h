// The editors' undo and redo: a bounded history of steps, and whether the
// document still differs from the last save or load.
//
// A step is whatever the editor needs to put the document back (a copy of a
// small document, or only the tiles a stroke touched). Undo hands the newest
// step to a restore function, which puts it into the document and returns a
// step that reverses the restore; that one goes on the redo side, and the
// same happens the other way round.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <utility>

template <typename Step>
class UndoHistory {
public:
    static constexpr std::size_t kDefaultLimit = 200;

    explicit UndoHistory(std::size_t limit = kDefaultLimit) : limit(limit < 1 ? 1 : limit) {}

    // Keeps the step that undoes a change just made; the redo side is dropped.
    // The oldest step goes once the history is full.
    void Record(Step undoStep)
    {
        undo.push_back({std::move(undoStep), revision});
        if (undo.size() > limit) undo.pop_front();
        redo.clear();
        revision = ++lastRevision;
    }

    bool CanUndo() const { return !undo.empty(); }
    bool CanRedo() const { return !redo.empty(); }
    std::size_t UndoCount() const { return undo.size(); }
    std::size_t RedoCount() const { return redo.size(); }

    // restore(const Step&) -> Step: applies the step, returns its reverse.
    // False when there was nothing to undo.
    template <typename Restore>
    bool Undo(Restore&& restore)
    {
        return Move(undo, redo, restore);
    }
    template <typename Restore>
    bool Redo(Restore&& restore)
    {
        return Move(redo, undo, restore);
    }

    // New and Load: no steps, and the document counts as saved.
    void Clear()
    {
        undo.clear();
        redo.clear();
        revision = ++lastRevision;
        savedRevision = revision;
    }
    // A successful save: the document as it is now is the one on disk.
    void MarkSaved() { savedRevision = revision; }
    // True while the document differs from what was last saved or loaded
    // (undoing back to that state counts as not modified).
    bool IsModified() const { return revision != savedRevision; }

private:
    struct Entry {
        Step step;
        uint64_t revision;  // the document's revision once the step is applied
    };

    template <typename Restore>
    bool Move(std::deque<Entry>& from, std::deque<Entry>& to, Restore& restore)
    {
        if (from.empty()) return false;
        Entry entry = std::move(from.back());
        from.pop_back();
        Step reverse = restore(static_cast<const Step&>(entry.step));
        to.push_back({std::move(reverse), revision});
        if (to.size() > limit) to.pop_front();
        revision = entry.revision;
        return true;
    }

    std::deque<Entry> undo, redo;
    std::size_t limit;
    uint64_t revision = 0, savedRevision = 0, lastRevision = 0;
};
