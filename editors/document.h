// The frame the three editors share: the toolbar table, the file commands
// (New, Load, Save, Save As, Exit) with their questions, Undo and Redo, the
// "*" in the title, the mouse wheel, and the recovery copy that keeps
// unsaved changes through a crash. Each editor supplies its document (how to
// read, write and empty it, its undo history) and keeps its own tools.
#pragma once

#include "editors/undohistory.h"
#include "kwui/toolbar.h"

#include <cstdint>
#include <string>
#include <vector>

// The name a document goes by until it is first saved.
extern const char* const kUnsavedFileName;  // "(unsaved file)"

// [SECTION] The toolbar table

// The commands of the frame; an editor numbers its own from
// kFirstEditorCommand on.
enum FrameCommand {
    kCommandNone = -1,
    kCommandNew,
    kCommandLoad,
    kCommandSave,
    kCommandSaveAs,
    kCommandExit,
    kCommandUndo,
    kCommandRedo,
    kFirstEditorCommand
};

struct ToolbarEntry {
    std::string icon;
    std::string caption;
    int hotKey = -1;
    int command = kCommandNone;  // kCommandNone for a separator
};

// The buttons of a toolbar in order, each with the command it runs. Built
// once, then handed to a KW_Toolbar:
//   table.FileButtons("Map").Separator().Add("fill", "Flood Fill", ALLEGRO_KEY_F, kMapFill);
class ToolbarTable {
public:
    ToolbarTable& Add(const char* icon, const char* caption, int hotKey, int command);
    ToolbarTable& Separator();
    // New, Load, Save and Save as for the noun ("New Map", "Save Map as"),
    // Exit, a separator, Undo and Redo.
    ToolbarTable& FileButtons(const char* noun);

    void Build(KW_Toolbar& toolbar) const;
    // kCommandNone for a separator or an index off the table.
    int CommandOf(int button) const;
    // -1 when no button runs the command.
    int ButtonOf(int command) const;
    const std::vector<ToolbarEntry>& Entries() const { return entries; }

private:
    std::vector<ToolbarEntry> entries;
};

// [SECTION] Names and questions

// "level03.map*" while modified, the name alone otherwise.
std::string MarkedFileName(const std::string& fileName, bool modified);
// "level03.map" of ".../maps/level03.map".
std::string FileNameOnly(const std::string& path);
// The editor's own New or Exit question, led by a sentence that names the
// unsaved file when there is something to lose.
std::string UnsavedChangesQuestion(const std::string& fileName, bool modified, const std::string& question);

// [SECTION] Where recovery copies live

// "recovery/" inside the settings folder (SettingsFolder of content/datapath.h).
std::string RecoveryFolder();
// The copy that stands for a document: the document's own file name in the
// recovery folder, or unsavedName for a document never saved.
std::string RecoveryCopyPath(const std::string& fileName, const std::string& unsavedName);

// [SECTION] The frame

// What differs between the editors' documents.
struct DocumentKind {
    const char* noun;          // "Map": "Load Map", "Save Map As"
    const char* messageNoun;   // "map": "Saved map to ..."
    const char* extension;     // "map", without the dot
    const char* folder;        // "maps/": where the file dialogs start
    const char* newQuestion;   // asked before New
    const char* editorName;    // "Map Editor"
    const char* unsavedCopy;   // the recovery copy's name while never saved
};

// True while the pointer is over the toolbar's frame.
bool PointerOverToolbar(const KW_Toolbar& toolbar);

// The wheel is read once a frame, right after the frame is shown, so a
// click that comes in while a frame is handled counts in the next one; turns
// made over the toolbar or inside a dialog stay there.
class WheelClicks {
public:
    void Start();
    // Clicks since the last call (positive: away from the user); none while
    // the pointer is over the toolbar.
    int Read(const KW_Toolbar& toolbar);
    // After the frame's work: forgets turns made while a dialog had the screen.
    void Settle();

private:
    int wheel = 0;
    unsigned frame = 0;
};

class EditorDocument {
public:
    // Milliseconds of quiet after a change before the copy is written, and
    // the longest a change waits while changes keep coming.
    static constexpr int64_t kRecoverySettleMs = 2000;
    static constexpr int64_t kRecoveryIntervalMs = 30000;

    explicit EditorDocument(const DocumentKind& kind) : kind(kind) {}
    virtual ~EditorDocument() = default;

    KW_Toolbar toolbar;
    // The document's path, or kUnsavedFileName.
    std::string fileName = kUnsavedFileName;

    bool Modified() const { return History().IsModified(); }
    // Shows the title (with "*" while modified) on the toolbar.
    void UpdateTitle();

    // A fresh empty document, no question asked.
    void StartNewDocument();
    // Reads a file as the document; on failure says why and keeps the
    // document as it was.
    bool OpenFile(const std::string& path);

    // The file and undo commands: true when the command was one of them.
    // exitConfirmed is set when the user confirmed Exit.
    bool RunFrameCommand(int command, bool& exitConfirmed);
    void NewDocument();
    void LoadDocument();
    // Saves to fileName, asking for a name when ask is set or the document
    // was never saved. True when the file was written.
    bool SaveDocument(bool ask);
    // Asks; true when the user agreed to leave (changes are then dropped).
    bool ConfirmExit();
    // "Nothing to undo" / "Nothing to redo" when the history has no step.
    void Undo();
    void Redo();
    // For the window's close button while the editor runs.
    bool MayQuit();

    // [SECTION] Recovery
    // Once as the editor opens: offers a recovery copy left by a run that
    // ended with unsaved changes, newer than the file it stands for.
    void OfferRecovery();
    // Once a frame: writes the recovery copy when a change has settled
    // (nowMs: the monotonic clock, PlatformMillis).
    void KeepRecoveryCopy();
    void KeepRecoveryCopy(int64_t nowMs);
    // Removes the copy (the changes were saved or given up).
    void DiscardRecoveryCopy();

protected:
    // The editor's part.
    // Empties the document and resets the editor's tools to their start.
    virtual void ResetDocument() = 0;
    // Whole or nothing: on failure the document stays as it was.
    virtual bool ReadFile(const std::string& path) = 0;
    virtual bool WriteFile(const std::string& path) = 0;
    virtual std::string LastError() const = 0;
    virtual UndoRevisions& History() = 0;
    virtual const UndoRevisions& History() const = 0;
    // One step back (undo) or forward; false when there was none.
    virtual bool StepHistory(bool undo) = 0;
    // The toolbar title around the marked file name.
    virtual std::string Title(const std::string& markedName) const = 0;

private:
    // The document as a recovery copy: false when it could not be written.
    bool WriteRecoveryCopy();
    // Asks about one copy; false when the question was answered with Yes.
    bool OfferCopy(const std::string& copy);

    const DocumentKind& kind;
    // The copy written last and what it was written for.
    std::string recoveryCopy;
    std::string copyFileName;
    uint64_t copyRevision = 0;
    // A change waiting to go into the copy: when it came, and when the first
    // one not yet in the copy came.
    uint64_t seenRevision = 0;
    std::string seenFileName;
    int64_t lastChangeMs = -1, pendingSinceMs = -1;
};
