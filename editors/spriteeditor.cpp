// The sprite editor's loop: toolbar, enlarged frame view, description and
// frame lines, and the commands behind the toolbar buttons.
#include "editors/spriteeditor.h"

#include "content/datapath.h"
#include "content/imagefile.h"
#include "content/picturefile.h"
#include "content/sheets.h"
#include "content/zentor.h"
#include "editors/spriteops.h"
#include "editors/toolpaths.h"
#include "kwui/dialogs.h"
#include "kwui/filedialog.h"
#include "kwui/kwui.h"

#include <cstdio>

namespace {

enum SpriteCommand {
    kSpritePrevious = kFirstEditorCommand,
    kSpriteNext,
    kSpriteAddFrame,
    kSpriteDeleteFrame,
    kSpriteFrameTime,
    kSpriteImportImage,
    kSpriteExportImage,
    kSpritePreview,
    kSpriteDescription,
    kSpriteAllFramesTime,
    kSpriteZoomIn,
    kSpriteZoomOut,
    kSpriteOnionSkin,
    kSpriteImportZentor,
    kSpriteExportStrip,
    kSpriteImportStrip,
};

const ToolbarTable& SpriteToolbar()
{
    static const ToolbarTable table = [] {
        ToolbarTable t;
        t.FileButtons("Sprite").Separator();
        t.Add("pframe", "Previous Frame", ALLEGRO_KEY_LEFT, kSpritePrevious);
        t.Add("nframe", "Next Frame", ALLEGRO_KEY_RIGHT, kSpriteNext).Separator();
        t.Add("new", "Add Frame", ALLEGRO_KEY_F, kSpriteAddFrame);
        t.Add("bin", "Delete Frame", ALLEGRO_KEY_DELETE, kSpriteDeleteFrame);
        t.Add("clock", "Set Frame Display Time", ALLEGRO_KEY_T, kSpriteFrameTime);
        t.Add("import", "Import Frame Image", ALLEGRO_KEY_I, kSpriteImportImage);
        t.Add("export", "Export Frame Image", ALLEGRO_KEY_E, kSpriteExportImage).Separator();
        t.Add("view", "Preview Sprite", ALLEGRO_KEY_V, kSpritePreview);
        t.Add("cdesc", "Change Sprite Description", ALLEGRO_KEY_D, kSpriteDescription);
        t.Add("clocks", "Set All Frames Display Time", -1, kSpriteAllFramesTime).Separator();
        t.Add("z_in", "Zoom In", ALLEGRO_KEY_PAD_PLUS, kSpriteZoomIn);
        t.Add("z_out", "Zoom Out", ALLEGRO_KEY_PAD_MINUS, kSpriteZoomOut);
        t.Add("onion", "Onion Skin", ALLEGRO_KEY_O, kSpriteOnionSkin).Separator();
        t.Add("zentor", "Import Zentor Sprite", -1, kSpriteImportZentor).Separator();
        t.Add("export", "Export PNG Strip (with JSON)", KW_CtrlKey(ALLEGRO_KEY_E), kSpriteExportStrip);
        t.Add("import", "Import PNG Strip", KW_CtrlKey(ALLEGRO_KEY_I), kSpriteImportStrip);
        return t;
    }();
    return table;
}

const DocumentKind kSpriteDocument = {
    "Sprite", "sprite", "spr", "sprites/", "New Sprite - Unsaved changes will be lost!  Continue?", "Sprite Editor",
    "unsaved.spr",
};

// [SECTION] Document and title

void ShowFrame(SpriteEditor& editor, int16_t index)
{
    const int16_t count = editor.sprite.GetFrameCount();
    editor.currentFrame = IsValidFrame(index, count) ? index : static_cast<int16_t>(count > 0 ? count - 1 : 0);
}

// A change has been made: the step puts it back.
void Record(SpriteEditor& editor, SpriteUndoStep undoStep)
{
    editor.history.Record(std::move(undoStep));
    editor.UpdateTitle();
}

bool HasCurrentFrame(const SpriteEditor& editor)
{
    return IsValidFrame(editor.currentFrame, editor.sprite.GetFrameCount());
}

}  // namespace

SpriteEditor::SpriteEditor() : EditorDocument(kSpriteDocument) {}

void SpriteEditor::ResetDocument()
{
    sprite.Clear();
    sprite.description = "(none)";
    sprite.currentFrame = 0;
    KW_GetDateTime(sprite.frameStamp);
    currentFrame = 0;
}

bool SpriteEditor::ReadFile(const std::string& path)
{
    if (!sprite.Load(path.c_str())) return false;
    currentFrame = 0;
    return true;
}

bool SpriteEditor::StepHistory(bool undo)
{
    int16_t shown = currentFrame;
    auto restore = [&](const SpriteUndoStep& step) { return ApplySpriteUndoStep(sprite, fileName, step, shown); };
    const bool done = undo ? history.Undo(restore) : history.Redo(restore);
    if (done) ShowFrame(*this, shown);
    return done;
}

std::string SpriteEditor::Title(const std::string& markedName) const { return SpriteEditorTitle(markedName); }

namespace {

// [SECTION] File commands

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
    editor.fileName = path;
    editor.UpdateTitle();
    editor.currentFrame = 0;
    ImportZentorSpritePath = path;
    KW_Message("Imported sprite from %s", path.c_str());
}

// The PNG strip with its JSON frame list beside it.
std::string stripPath;

void ExportStrip(SpriteEditor& editor)
{
    std::string path = stripPath;
    if (!KW_SelectFile("png", "Export PNG Strip", path)) return;
    if (al_filename_exists(path.c_str()) && !KW_Confirm("Overwrite existing file %s?", path.c_str())) return;
    std::string error;
    if (!ExportSpriteStrip(editor.sprite, path, error)) {
        KW_ShowMessage("%s", error.c_str());
        return;
    }
    stripPath = path;
    KW_Message("Exported sprite strip to %s", path.c_str());
}

void ImportStrip(SpriteEditor& editor)
{
    std::string path = stripPath;
    if (!KW_SelectFile("png", "Import PNG Strip", path)) return;
    // Without a frame list beside it, the strip is cut into frames of a width asked for.
    int frameWidth = 0;
    if (!al_filename_exists(ReplaceExtension(path, ".json").c_str())) {
        std::string error;
        ALLEGRO_BITMAP* strip = LoadPicture(path, error);
        if (!strip) {
            KW_ShowMessage("%s", error.c_str());
            return;
        }
        frameWidth = al_get_bitmap_height(strip);
        const int width = al_get_bitmap_width(strip);
        al_destroy_bitmap(strip);
        if (!KW_InputNumber(frameWidth, 1, width, "No frame list beside it: frame width in pixels (1 to %d)", width))
            return;
    }
    // Undo puts back the whole sprite.
    SpriteUndoStep undo = CaptureSpriteFrames(editor.sprite, 0, editor.sprite.GetFrameCount(), 0);
    std::string error;
    if (!ImportSpriteStrip(editor.sprite, path, frameWidth, error)) {
        KW_ShowMessage("%s", error.c_str());
        return;
    }
    undo.replaceCount = editor.sprite.GetFrameCount();
    Record(editor, std::move(undo));
    editor.history.MarkUnsaved();
    editor.UpdateTitle();
    editor.currentFrame = 0;
    stripPath = path;
    KW_Message("Imported sprite strip from %s", path.c_str());
}

// [SECTION] Frame commands

void AddFrame(SpriteEditor& editor)
{
    std::string path = ImageImportPath;
    if (!KW_SelectImageFile("Select Frame Image", path)) return;
    std::string error;
    ALLEGRO_BITMAP* image = LoadFrameImage(path.c_str(), error);
    if (!image) {
        KW_ShowMessage("%s", error.c_str());
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
    std::string error;
    ALLEGRO_BITMAP* image = LoadFrameImage(path.c_str(), error);
    if (!image) {
        KW_ShowMessage("%s", error.c_str());
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
bool RunCommand(SpriteEditor& editor, int command)
{
    bool exitConfirmed = false;
    if (editor.RunFrameCommand(command, exitConfirmed)) return exitConfirmed;
    switch (command) {
    case kSpritePrevious:
        editor.currentFrame = PreviousFrameIndex(editor.currentFrame, editor.sprite.GetFrameCount());
        break;
    case kSpriteNext:
        editor.currentFrame = NextFrameIndex(editor.currentFrame, editor.sprite.GetFrameCount());
        break;
    case kSpriteAddFrame: AddFrame(editor); break;
    case kSpriteDeleteFrame: DeleteFrame(editor); break;
    case kSpriteFrameTime: EditFrameTime(editor); break;
    case kSpriteImportImage: ImportFrameImage(editor); break;
    case kSpriteExportImage: ExportFrameImage(editor); break;
    case kSpritePreview: RunSpritePreview(editor); break;
    case kSpriteDescription: EditDescription(editor); break;
    case kSpriteAllFramesTime: EditAllFramesTime(editor); break;
    case kSpriteZoomIn:
        if (!SpriteZoomIn(editor.zoom)) KW_Message("%s", "Maximum zoom");
        break;
    case kSpriteZoomOut:
        if (!SpriteZoomOut(editor.zoom)) KW_Message("%s", "Minimum zoom");
        break;
    case kSpriteOnionSkin:
        editor.onionSkin = !editor.onionSkin;
        KW_Message("%s", editor.onionSkin ? "Onion skin on" : "Onion skin off");
        break;
    case kSpriteImportZentor: ImportZentor(editor); break;
    case kSpriteExportStrip: ExportStrip(editor); break;
    case kSpriteImportStrip: ImportStrip(editor); break;
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

// The wheel zooms the frame view while the pointer is on the screen.
bool PointerOnScreen()
{
    const int mx = KW_GetMouseX(), my = KW_GetMouseY();
    return mx >= 0 && my >= 0 && mx < kwScreenW && my < kwScreenH;
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
    SpriteToolbar().Build(editor.toolbar);
    editor.StartNewDocument();
    editor.zoom = kSpriteZoomStart;
    editor.onionSkin = false;
    editor.OfferRecovery();
    const KW_CloseGuard unsavedSprite([&editor] { return editor.MayQuit(); });
    WheelClicks wheel;
    wheel.Start();

    bool exitConfirmed = false;
    while (!exitConfirmed) {
        const bool drawn = KW_FrameIsDrawn();
        if (drawn) al_clear_to_color(al_map_rgb(129, 162, 255));
        const int button = KW_DoToolbar(editor.toolbar);
        if (drawn) DrawEditorScreen(editor);
        KW_PresentFrame();
        const int clicks = wheel.Read(editor.toolbar);

        if (button >= 0) {
            exitConfirmed = RunCommand(editor, SpriteToolbar().CommandOf(button));
        } else if (clicks != 0 && PointerOnScreen()) {
            WheelZoom(editor, clicks);
        }
        wheel.Settle();
        editor.KeepRecoveryCopy();
    }

    editor.sprite.Clear();
    editor.history.Clear();
    KW_ClearToolbar(editor.toolbar);
}
