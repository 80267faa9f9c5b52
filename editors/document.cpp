// The editors' shared frame: toolbar table, file commands, undo entry, the
// wheel, and the recovery copies in the settings folder.
#include "editors/document.h"

#include "content/datapath.h"
#include "kwui/closing.h"
#include "kwui/dialogs.h"
#include "kwui/filedialog.h"
#include "kwui/kwui.h"
#include "platform/platform.h"

#include <allegro5/allegro.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

const char* const kUnsavedFileName = "(unsaved file)";

// ---------------------------------------------------------------------------
// [SECTION] The toolbar table

ToolbarTable& ToolbarTable::Add(const char* icon, const char* caption, int hotKey, int command)
{
    entries.push_back({icon, caption, hotKey, command});
    return *this;
}

ToolbarTable& ToolbarTable::Separator()
{
    entries.push_back({"seperator", "", -1, kCommandNone});
    return *this;
}

ToolbarTable& ToolbarTable::FileButtons(const char* noun)
{
    const std::string n = noun;
    entries.push_back({"new", "New " + n, ALLEGRO_KEY_N, kCommandNew});
    entries.push_back({"load", "Load " + n, ALLEGRO_KEY_F3, kCommandLoad});
    entries.push_back({"save", "Save " + n, ALLEGRO_KEY_F2, kCommandSave});
    entries.push_back({"saveas", "Save " + n + " as", ALLEGRO_KEY_A, kCommandSaveAs});
    Add("exit", "Exit", ALLEGRO_KEY_ESCAPE, kCommandExit);
    Separator();
    Add("undo", "Undo", KW_CtrlKey(ALLEGRO_KEY_Z), kCommandUndo);
    return Add("redo", "Redo", KW_CtrlKey(ALLEGRO_KEY_Y), kCommandRedo);
}

void ToolbarTable::Build(KW_Toolbar& toolbar) const
{
    KW_InitToolbar(toolbar);
    for (const ToolbarEntry& entry : entries) KW_AddToolbarButton(toolbar, entry.icon, entry.caption, entry.hotKey);
}

int ToolbarTable::CommandOf(int button) const
{
    if (button < 0 || button >= static_cast<int>(entries.size())) return kCommandNone;
    return entries[static_cast<size_t>(button)].command;
}

int ToolbarTable::ButtonOf(int command) const
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].command == command && command != kCommandNone) return static_cast<int>(i);
    return -1;
}

// ---------------------------------------------------------------------------
// [SECTION] Names and questions

std::string MarkedFileName(const std::string& fileName, bool modified)
{
    return modified ? fileName + "*" : fileName;
}

std::string FileNameOnly(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string UnsavedChangesQuestion(const std::string& fileName, bool modified, const std::string& question)
{
    if (!modified) return question;
    return "There are unsaved changes in " + fileName + ".  " + question;
}

// ---------------------------------------------------------------------------
// [SECTION] Where recovery copies live

std::string RecoveryFolder() { return PlatformJoinPath(SettingsFolder(), "recovery/"); }

std::string RecoveryCopyPath(const std::string& fileName, const std::string& unsavedName)
{
    const std::string name = fileName == kUnsavedFileName ? unsavedName : FileNameOnly(fileName);
    return RecoveryFolder() + name;
}

namespace {

// Beside each copy of a saved document: the document's path, one line.
std::string SourceNotePath(const std::string& copy) { return copy + ".path"; }

std::string ReadSourceNote(const std::string& copy)
{
    std::ifstream in(SourceNotePath(copy));
    std::string line;
    if (!in || !std::getline(in, line) || line.empty()) return kUnsavedFileName;
    return line;
}

bool WriteSourceNote(const std::string& copy, const std::string& fileName)
{
    const std::string note = SourceNotePath(copy);
    std::error_code ignored;
    if (fileName == kUnsavedFileName) {
        fs::remove(note, ignored);
        return true;
    }
    const std::string temporary = note + ".tmp~";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << fileName << '\n';
        out.close();
        if (!out) {
            fs::remove(temporary, ignored);
            return false;
        }
    }
    return PlatformReplaceFile(temporary, note);
}

void RemoveCopy(const std::string& copy)
{
    std::error_code ignored;
    fs::remove(copy, ignored);
    fs::remove(SourceNotePath(copy), ignored);
}

// True when the copy was written after the document's file (or the
// document has no file any more).
bool NewerThanDocument(const std::string& copy, const std::string& fileName)
{
    if (fileName == kUnsavedFileName) return true;
    std::error_code error;
    const auto documentTime = fs::last_write_time(fileName, error);
    if (error) return true;
    const auto copyTime = fs::last_write_time(copy, error);
    return !error && copyTime > documentTime;
}

bool SameFile(const std::string& a, const std::string& b)
{
    return PlatformCanonicalPath(a) == PlatformCanonicalPath(b);
}

}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] The wheel

void WheelClicks::Start()
{
    wheel = KW_GetMouseZ();
    frame = KW_FramesPresented();
}

bool PointerOverToolbar(const KW_Toolbar& toolbar)
{
    const int x = KW_GetMouseX(), y = KW_GetMouseY();
    return x >= toolbar.x && x < toolbar.x + toolbar.width && y >= toolbar.y && y < toolbar.y + toolbar.height;
}

int WheelClicks::Read(const KW_Toolbar& toolbar)
{
    frame = KW_FramesPresented();
    const int z = KW_GetMouseZ();
    const int clicks = z - wheel;
    wheel = z;
    return PointerOverToolbar(toolbar) ? 0 : clicks;
}

void WheelClicks::Settle()
{
    if (KW_FramesPresented() != frame) wheel = KW_GetMouseZ();
}

// ---------------------------------------------------------------------------
// [SECTION] Document and title

void EditorDocument::UpdateTitle()
{
    KW_SetToolbarTitle(toolbar, "%s", Title(MarkedFileName(fileName, Modified())).c_str());
}

void EditorDocument::StartNewDocument()
{
    ResetDocument();
    fileName = kUnsavedFileName;
    History().Clear();
    UpdateTitle();
}

bool EditorDocument::OpenFile(const std::string& chosen)
{
    // An installed file's edited copy is what the game uses, so it is what loads.
    const std::string path = ReadableContentPath(chosen);
    if (!ReadFile(path)) {
        KW_ShowMessage("%s", LastError().c_str());
        return false;
    }
    // what was unsaved of the document before is given up
    DiscardRecoveryCopy();
    fileName = path;
    History().Clear();
    UpdateTitle();
    KW_Message("Loaded %s from %s", kind.messageNoun, path.c_str());
    return true;
}

// ---------------------------------------------------------------------------
// [SECTION] Commands

bool EditorDocument::RunFrameCommand(int command, bool& exitConfirmed)
{
    switch (command) {
    case kCommandNew: NewDocument(); return true;
    case kCommandLoad: LoadDocument(); return true;
    case kCommandSave: SaveDocument(false); return true;
    case kCommandSaveAs: SaveDocument(true); return true;
    case kCommandExit: exitConfirmed = ConfirmExit(); return true;
    case kCommandUndo: Undo(); return true;
    case kCommandRedo: Redo(); return true;
    default: return false;
    }
}

void EditorDocument::NewDocument()
{
    const std::string question = UnsavedChangesQuestion(FileNameOnly(fileName), Modified(), kind.newQuestion);
    if (!KW_Confirm("%s", question.c_str())) return;
    DiscardRecoveryCopy();
    StartNewDocument();
}

void EditorDocument::LoadDocument()
{
    std::string path = ResolveDataPath(std::string(kind.folder));
    if (!KW_SelectFile(kind.extension, std::string("Load ") + kind.noun, path)) return;
    OpenFile(path);
}

bool EditorDocument::SaveDocument(bool ask)
{
    std::string path = fileName;
    if (ask || fileName == kUnsavedFileName) {
        path = ResolveDataPath(std::string(kind.folder));
        if (!KW_SelectFile(kind.extension, std::string("Save ") + kind.noun + " As", path)) return false;
        if (al_filename_exists(path.c_str()) && !KW_Confirm("%s", "Overwrite existing file?")) return false;
    }
    // A shipped file is read-only: its edited copy goes under the user's folder.
    path = WritableContentPath(path);
    // A failed save says so: the old file is still there, the edits are not.
    if (!WriteFile(path)) {
        KW_ShowMessage("%s", LastError().c_str());
        return false;
    }
    KW_Message("Saved %s to %s", kind.messageNoun, path.c_str());
    fileName = path;
    History().MarkSaved();
    DiscardRecoveryCopy();
    UpdateTitle();
    return true;
}

bool EditorDocument::ConfirmExit()
{
    const std::string question =
        UnsavedChangesQuestion(FileNameOnly(fileName), Modified(),
                               std::string("Any unsaved changes will be lost.  Are you sure that you want to exit the ") +
                                   kind.editorName + "?");
    if (!KW_Confirm("%s", question.c_str())) return false;
    DiscardRecoveryCopy();
    return true;
}

void EditorDocument::Undo()
{
    if (!StepHistory(true)) {
        KW_Message("%s", "Nothing to undo");
        return;
    }
    UpdateTitle();
}

void EditorDocument::Redo()
{
    if (!StepHistory(false)) {
        KW_Message("%s", "Nothing to redo");
        return;
    }
    UpdateTitle();
}

bool EditorDocument::MayQuit()
{
    if (!Modified()) return true;
    const std::string question =
        UnsavedChangesQuestion(FileNameOnly(fileName), true, "Quit Sodbolt and lose them?");
    if (!KW_Confirm("%s", question.c_str())) return false;
    DiscardRecoveryCopy();
    return true;
}

// ---------------------------------------------------------------------------
// [SECTION] Recovery

void EditorDocument::DiscardRecoveryCopy()
{
    if (!recoveryCopy.empty()) RemoveCopy(recoveryCopy);
    recoveryCopy.clear();
    copyFileName.clear();
    pendingSinceMs = -1;
}

bool EditorDocument::WriteRecoveryCopy()
{
    const std::string copy = RecoveryCopyPath(fileName, kind.unsavedCopy);
    // never over the document itself
    if (fileName != kUnsavedFileName && SameFile(copy, fileName)) return false;
    std::error_code error;
    fs::create_directories(RecoveryFolder(), error);
    if (error) return false;
    if (!WriteFile(copy)) return false;
    if (!WriteSourceNote(copy, fileName)) {
        RemoveCopy(copy);
        return false;
    }
    // a copy under an earlier name (before Save As, an import) is out of date
    if (!recoveryCopy.empty() && recoveryCopy != copy) RemoveCopy(recoveryCopy);
    recoveryCopy = copy;
    copyFileName = fileName;
    copyRevision = History().Revision();
    return true;
}

void EditorDocument::KeepRecoveryCopy() { KeepRecoveryCopy(PlatformMillis()); }

void EditorDocument::KeepRecoveryCopy(int64_t now)
{
    const UndoRevisions& history = History();
    if (!history.IsModified()) {
        // saved, or undone back to the file: nothing left to recover
        if (!recoveryCopy.empty()) DiscardRecoveryCopy();
        pendingSinceMs = -1;
        seenRevision = history.Revision();
        seenFileName = fileName;
        return;
    }
    if (history.Revision() != seenRevision || fileName != seenFileName) {
        seenRevision = history.Revision();
        seenFileName = fileName;
        lastChangeMs = now;
    }
    const bool copyCurrent = !recoveryCopy.empty() && copyRevision == seenRevision && copyFileName == fileName;
    if (copyCurrent) {
        pendingSinceMs = -1;
        return;
    }
    if (pendingSinceMs < 0) pendingSinceMs = lastChangeMs < 0 ? now : lastChangeMs;
    if (now - lastChangeMs < kRecoverySettleMs && now - pendingSinceMs < kRecoveryIntervalMs) return;
    // A copy that cannot be written (a sprite without frames, a full disk)
    // is tried again after the next change; the last good copy stays.
    if (!WriteRecoveryCopy()) copyRevision = seenRevision;
    pendingSinceMs = -1;
}

bool EditorDocument::OfferCopy(const std::string& copy)
{
    const std::string document = ReadSourceNote(copy);
    if (!NewerThanDocument(copy, document)) {
        // the file was saved after the copy: the copy is stale
        RemoveCopy(copy);
        return true;
    }
    const std::string name = FileNameOnly(document);
    if (!KW_Confirm("Sodbolt was closed while %s had unsaved changes.  Restore them?", name.c_str())) {
        RemoveCopy(copy);
        return true;
    }
    if (!ReadFile(copy)) {
        const std::string why = LastError();
        RemoveCopy(copy);
        KW_ShowMessage("The recovery copy of %s is damaged and has been removed; nothing was restored.  %s",
                       name.c_str(), why.c_str());
        return true;
    }
    fileName = document;
    History().Clear();
    History().MarkUnsaved();
    // the copy stays until the changes are saved or given up
    recoveryCopy = copy;
    copyFileName = fileName;
    copyRevision = History().Revision();
    seenRevision = copyRevision;
    seenFileName = fileName;
    UpdateTitle();
    KW_Message("Restored the unsaved changes of %s", name.c_str());
    return false;
}

void EditorDocument::OfferRecovery()
{
    std::error_code error;
    std::vector<std::string> copies;
    const std::string extension = std::string(".") + kind.extension;
    for (fs::directory_iterator it(RecoveryFolder(), error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        if (path.extension() == extension && it->is_regular_file(error)) copies.push_back(path.string());
    }
    std::sort(copies.begin(), copies.end());
    for (const std::string& copy : copies)
        if (!OfferCopy(copy)) return;
}
