// The sprite editor's loop: toolbar, enlarged frame view, description and
// frame lines, and the commands behind the toolbar buttons.
#include "editors/spriteeditor.h"

#include "content/datapath.h"
#include "content/imagefile.h"
#include "content/zentor.h"
#include "editors/documentstate.h"
#include "editors/spriteops.h"
#include "editors/toolpaths.h"
#include "kwui/dialogs.h"
#include "kwui/filedialog.h"
#include "kwui/kwui.h"

#include <cstdio>

namespace {

struct ToolbarEntry {
    const char* icon;
    const char* caption;
    int hotKey;
};

// In the order of SpriteEditorButton; separators are entries of their own.
const ToolbarEntry kToolbarEntries[kSpriteButtonCount] = {
    {"new", "New Sprite", ALLEGRO_KEY_N},
    {"load", "Load Sprite", ALLEGRO_KEY_F3},
    {"save", "Save Sprite", ALLEGRO_KEY_F2},
    {"saveas", "Save Sprite as", ALLEGRO_KEY_A},
    {"exit", "Exit", ALLEGRO_KEY_ESCAPE},
    {"seperator", "", -1},
    {"undo", "Undo", KW_CtrlKey(ALLEGRO_KEY_Z)},
    {"redo", "Redo", KW_CtrlKey(ALLEGRO_KEY_Y)},
    {"seperator", "", -1},
    {"pframe", "Previous Frame", ALLEGRO_KEY_LEFT},
    {"nframe", "Next Frame", ALLEGRO_KEY_RIGHT},
    {"seperator", "", -1},
    {"new", "Add Frame", ALLEGRO_KEY_F},
    {"bin", "Delete Frame", ALLEGRO_KEY_DELETE},
    {"clock", "Set Frame Display Time", ALLEGRO_KEY_T},
    {"import", "Import Frame Image", ALLEGRO_KEY_I},
    {"export", "Export Frame Image", ALLEGRO_KEY_E},
    {"seperator", "", -1},
    {"view", "Preview Sprite", ALLEGRO_KEY_V},
    {"cdesc", "Change Sprite Description", ALLEGRO_KEY_D},
    {"clocks", "Set All Frames Display Time", -1},
    {"seperator", "", -1},
    {"z_in", "Zoom In", ALLEGRO_KEY_PAD_PLUS},
    {"z_out", "Zoom Out", ALLEGRO_KEY_PAD_MINUS},
    {"onion", "Onion Skin", ALLEGRO_KEY_O},
    {"seperator", "", -1},
    {"zentor", "Import Zentor Sprite", -1},
};

// [SECTION] Document and title

// The title names the file, with "*" while it differs from the last save or load.
void ShowTitle(SpriteEditor& editor)
{
    const std::string name = MarkedFileName(editor.fileName, editor.history.IsModified());
    KW_SetToolbarTitle(editor.toolbar, "%s", SpriteEditorTitle(name).c_str());
}

void SetFile(SpriteEditor& editor, const std::string& path)
{
    editor.fileName = path;
    ShowTitle(editor);
}

void ShowFrame(SpriteEditor& editor, int16_t index)
{
    const int16_t count = editor.sprite.GetFrameCount();
    editor.currentFrame = IsValidFrame(index, count) ? index : static_cast<int16_t>(count > 0 ? count - 1 : 0);
}

// A change has been made: the step puts it back.
void Record(SpriteEditor& editor, SpriteUndoStep undoStep)
{
    editor.history.Record(std::move(undoStep));
    ShowTitle(editor);
}

void UndoOrRedo(SpriteEditor& editor, bool redo)
{
    int16_t shown = editor.currentFrame;
    auto restore = [&](const SpriteUndoStep& step) {
        return ApplySpriteUndoStep(editor.sprite, editor.fileName, step, shown);
    };
    const bool done = redo ? editor.history.Redo(restore) : editor.history.Undo(restore);
    if (!done) {
        KW_Message("%s", redo ? "Nothing to redo" : "Nothing to undo");
        return;
    }
    ShowFrame(editor, shown);
    ShowTitle(editor);
}

void EmptySprite(SpriteEditor& editor)
{
    editor.sprite.Clear();
    editor.sprite.description = "(none)";
    editor.sprite.currentFrame = 0;
    KW_GetDateTime(editor.sprite.frameStamp);
    editor.currentFrame = 0;
    editor.history.Clear();
    SetFile(editor, SpriteEditor::kUnsavedName);
}

bool HasCurrentFrame(const SpriteEditor& editor)
{
    return IsValidFrame(editor.currentFrame, editor.sprite.GetFrameCount());
}

// The start folder of the sprite file dialogs (mod folder first).
std::string SpritesFolder() { return ResolveDataPath(std::string("sprites/")); }

// [SECTION] File commands

void LoadSprite(SpriteEditor& editor)
{
    std::string path = SpritesFolder();
    if (!KW_SelectFile("spr", "Load Sprite", path)) return;
    // An installed file's edited copy is what the game uses, so it is what loads.
    path = ReadableContentPath(path);
    // A failed load leaves the sprite as it was.
    if (!editor.sprite.Load(path.c_str())) {
        KW_ShowMessage("%s", editor.sprite.lastError.c_str());
        return;
    }
    editor.history.Clear();
    SetFile(editor, path);
    editor.currentFrame = 0;
    KW_Message("Loaded sprite from %s", path.c_str());
}

void SaveSpriteAs(SpriteEditor& editor)
{
    std::string path = SpritesFolder();
    if (!KW_SelectFile("spr", "Save Sprite As", path)) return;
    if (al_filename_exists(path.c_str()) && !KW_Confirm("%s", "Overwrite existing file?")) return;
    path = WritableContentPath(path);
    if (!editor.sprite.Save(path.c_str())) {
        KW_ShowMessage("%s", editor.sprite.lastError.c_str());
        return;
    }
    KW_Message("Saved sprite to %s", path.c_str());
    editor.history.MarkSaved();
    SetFile(editor, path);
}

void SaveSprite(SpriteEditor& editor)
{
    if (editor.fileName == SpriteEditor::kUnsavedName) {
        SaveSpriteAs(editor);
        return;
    }
    // A failed save says so: the old file is still there, the edits are not.
    const std::string path = WritableContentPath(editor.fileName);
    if (!editor.sprite.Save(path.c_str())) {
        KW_ShowMessage("%s", editor.sprite.lastError.c_str());
        return;
    }
    KW_Message("Saved sprite to %s", path.c_str());
    editor.history.MarkSaved();
    if (path != editor.fileName) SetFile(editor, path);
    else ShowTitle(editor);
}

void ImportZentor(SpriteEditor& editor)
{
    std::string path = ImportZentorSpritePath;
    if (!KW_SelectFile("spr", "Import Zentor Sprite", path)) return;
    // Undo puts back the whole sprite and its file name.
    SpriteUndoStep undo = CaptureSpriteFrames(editor.sprite, 0, editor.sprite.GetFrameCount(), 0);
    undo.restoresFileName = true;
    undo.fileName = editor.fileName;
    if (!ImportZentorSprite(editor.sprite, path.c_str())) {
        KW_ShowMessage("%s", editor.sprite.lastError.c_str());
        return;
    }
    undo.replaceCount = editor.sprite.GetFrameCount();
    Record(editor, std::move(undo));
    // Save now writes the current format over the imported file.
    SetFile(editor, path);
    editor.currentFrame = 0;
    ImportZentorSpritePath = path;
    KW_Message("Imported sprite from %s", path.c_str());
}

// [SECTION] Frame commands

void AddFrame(SpriteEditor& editor)
{
    std::string path = ImageImportPath;
    if (!KW_SelectImageFile("Select Frame Image", path)) return;
    ALLEGRO_BITMAP* image = LoadFrameImage(path.c_str());
    if (!image) {
        KW_ShowMessage("Error reading %s", path.c_str());
        return;
    }
    SpriteUndoStep undo = CaptureSpriteFrames(editor.sprite, editor.sprite.GetFrameCount(), 0, 1);
    const bool added = editor.sprite.AddFrame(image, path.c_str());
    al_destroy_bitmap(image);
    if (!added) {
        KW_ShowMessage("%s", editor.sprite.lastError.c_str());
        return;
    }
    Record(editor, std::move(undo));
    ImageImportPath = path;
    editor.currentFrame = static_cast<int16_t>(editor.sprite.GetFrameCount() - 1);
    KW_Message("Added frame from %s", path.c_str());
}

void DeleteFrame(SpriteEditor& editor)
{
    if (!HasCurrentFrame(editor)) {
        KW_Message("%s", "No frame to delete");
        return;
    }
    const int16_t index = editor.currentFrame;
    if (!KW_Confirm("Delete frame %d of %d?", index + 1, editor.sprite.GetFrameCount())) return;
    SpriteUndoStep undo = CaptureSpriteFrames(editor.sprite, index, 1, 0);
    if (!editor.sprite.DeleteFrame(index)) return;
    Record(editor, std::move(undo));
    editor.currentFrame = FrameIndexAfterDelete(index, editor.sprite.GetFrameCount());
    KW_Message("Deleted frame %d", index + 1);
}

void EditFrameTime(SpriteEditor& editor)
{
    if (!HasCurrentFrame(editor)) {
        KW_Message("%s", "No frame to edit");
        return;
    }
    int time = editor.sprite.GetFrameTime(editor.currentFrame);
    if (!KW_InputNumber(time, kFrameTimeMin, kFrameTimeMax, "%s", "Enter new display time (100/sec) (-1 = constant)"))
        return;
    if (time == editor.sprite.GetFrameTime(editor.currentFrame)) return;
    Record(editor, CaptureSpriteTimes(editor.sprite, editor.currentFrame, 1));
    editor.sprite.SetFrameTime(editor.currentFrame, static_cast<int16_t>(time));
}

void EditAllFramesTime(SpriteEditor& editor)
{
    const int16_t count = editor.sprite.GetFrameCount();
    if (count <= 0) {
        KW_Message("%s", "No frames to edit");
        return;
    }
    int time = editor.sprite.GetFrameTime(0);
    if (!KW_InputNumber(time, kFrameTimeMin, kFrameTimeMax, "%s",
                        "Enter new display time for all frames (100/sec) (-1 = constant)"))
        return;
    SpriteUndoStep undo = CaptureSpriteTimes(editor.sprite, 0, count);
    bool changed = false;
    for (int16_t i = 0; i < count; ++i) changed = changed || editor.sprite.GetFrameTime(i) != time;
    if (!changed) return;
    for (int16_t i = 0; i < count; ++i) editor.sprite.SetFrameTime(i, static_cast<int16_t>(time));
    Record(editor, std::move(undo));
}

void ImportFrameImage(SpriteEditor& editor)
{
    if (!HasCurrentFrame(editor)) {
        KW_Message("%s", "No frame to import image to");
        return;
    }
    std::string path = ImageImportPath;
    if (!KW_SelectImageFile("Select Frame Image", path)) return;
    ALLEGRO_BITMAP* image = LoadFrameImage(path.c_str());
    if (!image) {
        KW_ShowMessage("Error reading %s", path.c_str());
        return;
    }
    SpriteUndoStep undo = CaptureSpriteFrames(editor.sprite, editor.currentFrame, 1, 1);
    if (editor.sprite.SetFrameImage(editor.currentFrame, image)) Record(editor, std::move(undo));
    al_destroy_bitmap(image);
    ImageImportPath = path;
    KW_Message("Imported frame image from %s", path.c_str());
}

void ExportFrameImage(SpriteEditor& editor)
{
    if (!HasCurrentFrame(editor)) {
        KW_Message("%s", "No frame to export image from");
        return;
    }
    std::string path = ImageExportPath;
    if (!KW_SelectImageFile("Export Frame Image", path)) return;
    if (al_filename_exists(path.c_str()) && !KW_Confirm("%s", "Overwrite existing file?")) return;
    ALLEGRO_BITMAP* picture = MakeFrameExportImage(editor.sprite.frames[editor.currentFrame].image);
    const bool written = picture && SaveBitmapReplacing(path.c_str(), picture);
    if (picture) al_destroy_bitmap(picture);
    if (!written) {
        KW_ShowMessage("Error writing %s", path.c_str());
        return;
    }
    ImageExportPath = path;
    KW_Message("Exported frame image to %s", path.c_str());
}

void EditDescription(SpriteEditor& editor)
{
    // A longer description from a file is offered cut to the limit.
    SpriteUndoStep undo = CaptureSpriteFrames(editor.sprite, 0, 0, 0);
    KW_InputString(editor.sprite.description, kSpriteDescriptionLimit, "Sprite Description");
    if (editor.sprite.description != undo.description) Record(editor, std::move(undo));
}

// Runs one command; true when the user confirmed Exit.
bool RunCommand(SpriteEditor& editor, int button)
{
    switch (button) {
    case kSpriteButtonNew:
        if (KW_Confirm("%s", UnsavedChangesQuestion(editor.fileName, editor.history.IsModified(),
                                                    "New Sprite - Unsaved changes will be lost!  Continue?")
                                 .c_str()))
            EmptySprite(editor);
        break;
    case kSpriteButtonLoad: LoadSprite(editor); break;
    case kSpriteButtonSave: SaveSprite(editor); break;
    case kSpriteButtonSaveAs: SaveSpriteAs(editor); break;
    case kSpriteButtonExit:
        return KW_Confirm(
            "%s", UnsavedChangesQuestion(
                      editor.fileName, editor.history.IsModified(),
                      "Any unsaved changes will be lost.  Are you sure that you want to exit the Sprite Editor?")
                      .c_str());
    case kSpriteButtonUndo: UndoOrRedo(editor, false); break;
    case kSpriteButtonRedo: UndoOrRedo(editor, true); break;
    case kSpriteButtonPrevious:
        editor.currentFrame = PreviousFrameIndex(editor.currentFrame, editor.sprite.GetFrameCount());
        break;
    case kSpriteButtonNext:
        editor.currentFrame = NextFrameIndex(editor.currentFrame, editor.sprite.GetFrameCount());
        break;
    case kSpriteButtonAddFrame: AddFrame(editor); break;
    case kSpriteButtonDeleteFrame: DeleteFrame(editor); break;
    case kSpriteButtonFrameTime: EditFrameTime(editor); break;
    case kSpriteButtonImportImage: ImportFrameImage(editor); break;
    case kSpriteButtonExportImage: ExportFrameImage(editor); break;
    case kSpriteButtonPreview: RunSpritePreview(editor); break;
    case kSpriteButtonDescription: EditDescription(editor); break;
    case kSpriteButtonAllFramesTime: EditAllFramesTime(editor); break;
    case kSpriteButtonZoomIn:
        if (!SpriteZoomIn(editor.zoom)) KW_Message("%s", "Maximum zoom");
        break;
    case kSpriteButtonZoomOut:
        if (!SpriteZoomOut(editor.zoom)) KW_Message("%s", "Minimum zoom");
        break;
    case kSpriteButtonOnionSkin:
        editor.onionSkin = !editor.onionSkin;
        KW_Message("%s", editor.onionSkin ? "Onion skin on" : "Onion skin off");
        break;
    case kSpriteButtonImportZentor: ImportZentor(editor); break;
    default: break;  // separators
    }
    return false;
}

// [SECTION] Drawing

// One frame enlarged about the screen's centre, tinted (the toolkit blends
// with the source alpha, so a tint's alpha alone makes a frame faint).
void DrawFrameView(const SpriteEditor& editor, int16_t index, ALLEGRO_COLOR tint)
{
    ALLEGRO_BITMAP* image = editor.sprite.frames[static_cast<size_t>(index)].image;
    if (!image) return;
    const float zoom = static_cast<float>(editor.zoom);
    al_draw_tinted_scaled_rotated_bitmap(image, tint, static_cast<float>(al_get_bitmap_width(image) / 2),
                                         static_cast<float>(al_get_bitmap_height(image) / 2),
                                         static_cast<float>(kwScreenW / 2), static_cast<float>(kwScreenH / 2), zoom,
                                         zoom, 0, 0);
}

// The wheel zooms the frame view, not the toolbar over it.
bool PointerOverFrameView(const SpriteEditor& editor)
{
    const KW_Toolbar& bar = editor.toolbar;
    const int mx = KW_GetMouseX(), my = KW_GetMouseY();
    const bool overToolbar = mx >= bar.x && mx < bar.x + bar.width && my >= bar.y && my < bar.y + bar.height;
    return !overToolbar && mx >= 0 && my >= 0 && mx < kwScreenW && my < kwScreenH;
}

void WheelZoom(SpriteEditor& editor, int clicks)
{
    const bool zoomingIn = clicks > 0;
    if (!SpriteWheelZoom(editor.zoom, clicks)) KW_Message("%s", zoomingIn ? "Maximum zoom" : "Minimum zoom");
}

void DrawEditorScreen(SpriteEditor& editor)
{
    const int H = kwScreenH, lh = KW_LineHeight();
    const int16_t count = editor.sprite.GetFrameCount();
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);

    // frame view: the current frame enlarged about the screen's centre, over
    // the frame before it at 30 % while the onion skin is on
    if (HasCurrentFrame(editor)) {
        const int16_t onion = editor.onionSkin ? OnionSkinFrame(editor.currentFrame, count) : -1;
        if (onion >= 0) DrawFrameView(editor, onion, al_map_rgba_f(1.0f, 1.0f, 1.0f, 0.3f));
        DrawFrameView(editor, editor.currentFrame, white);
    }

    KW_DrawTextF(2, H - 2 * lh - 5, white, "%s", editor.sprite.GetDescription().c_str());
    KW_DrawTextF(2, H - lh - 5, white, "%s",
                 SpriteFrameLine(editor.currentFrame, count, editor.sprite.GetFrameTime(editor.currentFrame)).c_str());
}

}  // namespace

// [SECTION] The loop

void RunSpriteEditor(SpriteEditor& editor)
{
    editor.history.SetByteBudget(UndoHistory<SpriteUndoStep>::kEditorByteBudget, SpriteUndoStepBytes);
    KW_InitToolbar(editor.toolbar);
    for (const ToolbarEntry& entry : kToolbarEntries)
        KW_AddToolbarButton(editor.toolbar, entry.icon, entry.caption, entry.hotKey);
    EmptySprite(editor);
    editor.zoom = kSpriteZoomStart;
    editor.onionSkin = false;
    const KW_CloseGuard unsavedSprite(
        [&editor] { return MayQuitWithUnsavedChanges(editor.fileName, editor.history.IsModified()); });
    int wheel = KW_GetMouseZ();

    bool exitConfirmed = false;
    while (!exitConfirmed) {
        al_clear_to_color(al_map_rgb(129, 162, 255));
        const int button = KW_DoToolbar(editor.toolbar);
        DrawEditorScreen(editor);
        KW_PresentFrame();
        const unsigned frame = KW_FramesPresented();
        // the wheel is read once a frame, so a click that comes in while
        // this frame is handled counts in the next one
        const int z = KW_GetMouseZ();
        const int clicks = z - wheel;
        wheel = z;

        if (button >= 0) {
            exitConfirmed = RunCommand(editor, button);
        } else if (clicks != 0 && PointerOverFrameView(editor)) {
            WheelZoom(editor, clicks);
        }
        // turns made inside a command's dialog stay there
        if (KW_FramesPresented() != frame) wheel = KW_GetMouseZ();
    }

    editor.sprite.Clear();
    editor.history.Clear();
    KW_ClearToolbar(editor.toolbar);
}
