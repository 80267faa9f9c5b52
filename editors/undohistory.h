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
#include <functional>
#include <utility>

// What the document frame needs of any history: whether the document differs
// from the file, and a number that changes with every step taken or undone.
class UndoRevisions {
public:
    virtual ~UndoRevisions() = default;
    // New and Load: no steps, and the document counts as saved.
    virtual void Clear() = 0;
    // A successful save: the document as it is now is the one on disk.
    void MarkSaved() { savedRevision = revision; }
    // Unsaved whatever is undone later (an import, a restored recovery copy).
    void MarkUnsaved() { savedRevision = ++lastRevision; }
    // True while the document differs from what was last saved or loaded
    // (undoing back to that state counts as not modified).
    bool IsModified() const { return revision != savedRevision; }
    uint64_t Revision() const { return revision; }

protected:
    uint64_t revision = 0, savedRevision = 0, lastRevision = 0;
};

template <typename Step>
class UndoHistory : public UndoRevisions {
public:
    static constexpr std::size_t kDefaultLimit = 200;
    // What an editor's pictures may hold in its history (tile sets and sprites).
    static constexpr std::size_t kEditorByteBudget = std::size_t(256) << 20;

    explicit UndoHistory(std::size_t limit = kDefaultLimit) : limit(limit < 1 ? 1 : limit) {}

    // Bounds the memory all kept steps may hold together, as sizeOf counts
    // it; the oldest steps go first, and the newest always stays.
    void SetByteBudget(std::size_t bytes, std::function<std::size_t(const Step&)> sizeOf)
    {
        byteBudget = bytes;
        stepBytes = std::move(sizeOf);
    }

    // Keeps the step that undoes a change just made; the redo side is dropped.
    // The oldest step goes once the history is full.
    void Record(Step undoStep)
    {
        redo.clear();
        Push(undo, std::move(undoStep), revision);
        revision = ++lastRevision;
    }

    bool CanUndo() const { return !undo.empty(); }
    bool CanRedo() const { return !redo.empty(); }
    std::size_t UndoCount() const { return undo.size(); }
    std::size_t HeldBytes() const { return heldBytes; }
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

    void Clear() override
    {
        undo.clear();
        redo.clear();
        heldBytes = 0;
        revision = ++lastRevision;
        savedRevision = revision;
    }
private:
    struct Entry {
        Step step;
        uint64_t revision;  // the document's revision once the step is applied
        std::size_t bytes;
    };

    void Push(std::deque<Entry>& side, Step step, uint64_t stepRevision)
    {
        const std::size_t bytes = stepBytes ? stepBytes(step) : 0;
        side.push_back({std::move(step), stepRevision, bytes});
        heldBytes += bytes;
        if (side.size() > limit) Drop(side);
        // over budget: the oldest undo steps first, then the farthest redo
        // steps, never the one just kept
        while (heldBytes > byteBudget) {
            if (undo.size() > (&side == &undo ? 1u : 0u))
                Drop(undo);
            else if (redo.size() > (&side == &redo ? 1u : 0u))
                Drop(redo);
            else
                break;
        }
    }
    void Drop(std::deque<Entry>& side)
    {
        heldBytes -= side.front().bytes;
        side.pop_front();
    }

    template <typename Restore>
    bool Move(std::deque<Entry>& from, std::deque<Entry>& to, Restore& restore)
    {
        if (from.empty()) return false;
        Entry entry = std::move(from.back());
        from.pop_back();
        heldBytes -= entry.bytes;
        Step reverse = restore(static_cast<const Step&>(entry.step));
        Push(to, std::move(reverse), revision);
        revision = entry.revision;
        return true;
    }

    std::deque<Entry> undo, redo;
    std::size_t limit;
    std::size_t byteBudget = static_cast<std::size_t>(-1), heldBytes = 0;
    std::function<std::size_t(const Step&)> stepBytes;
};
