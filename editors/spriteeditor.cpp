// The sprite editor's loop: toolbar, enlarged frame view, description and
// frame lines, and the commands behind the toolbar buttons.
#include "editors/spriteeditor.h"

#include "app/paths.h"
#include "app/toolpaths.h"
#include "content/imagefile.h"
#include "content/zentor.h"
#include "editors/spriteops.h"
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
    {"seperator", "", -1},
    {"zentor", "Import Zentor Sprite", -1},
};

// [SECTION] Document and title

void SetFile(SpriteEditor& editor, const std::string& path)
{
    editor.fileName = path;
    KW_SetToolbarTitle(editor.toolbar, "%s", SpriteEditorTitle(editor.fileName).c_str());
}

void EmptySprite(SpriteEditor& editor)
{
    editor.sprite.Clear();
    editor.sprite.description = "(none)";
    editor.sprite.currentFrame = 0;
    KW_GetDateTime(editor.sprite.frameStamp);
    editor.currentFrame = 0;
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
    // A failed load leaves the sprite as it was.
    if (!editor.sprite.Load(path.c_str())) {
        KW_ShowMessage("%s", editor.sprite.lastError.c_str());
        return;
    }
    SetFile(editor, path);
    editor.currentFrame = 0;
    KW_Message("Loaded sprite from %s", path.c_str());
}

void SaveSpriteAs(SpriteEditor& editor)
{
    std::string path = SpritesFolder();
    if (!KW_SelectFile("spr", "Save Sprite As", path)) return;
    if (al_filename_exists(path.c_str()) && !KW_Confirm("%s", "Overwrite existing file?")) return;
    if (!editor.sprite.Save(path.c_str())) {
        KW_ShowMessage("%s", editor.sprite.lastError.c_str());
        return;
    }
    KW_Message("Saved sprite to %s", path.c_str());
    SetFile(editor, path);
}

void SaveSprite(SpriteEditor& editor)
{
    if (editor.fileName == SpriteEditor::kUnsavedName) {
        SaveSpriteAs(editor);
        return;
    }
    // A failed save says so: the old file is still there, the edits are not.
    if (!editor.sprite.Save(editor.fileName.c_str())) {
        KW_ShowMessage("%s", editor.sprite.lastError.c_str());
        return;
    }
    KW_Message("Saved sprite to %s", editor.fileName.c_str());
}

void ImportZentor(SpriteEditor& editor)
{
    std::string path = ImportZentorSpritePath;
    if (!KW_SelectFile("spr", "Import Zentor Sprite", path)) return;
    if (!ImportZentorSprite(editor.sprite, path.c_str())) {
        KW_ShowMessage("%s", editor.sprite.lastError.c_str());
        return;
    }
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
    const bool added = editor.sprite.AddFrame(image, path.c_str());
    al_destroy_bitmap(image);
    if (!added) {
        KW_ShowMessage("%s", editor.sprite.lastError.c_str());
        return;
    }
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
    if (!editor.sprite.DeleteFrame(index)) return;
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
    if (KW_InputNumber(time, kFrameTimeMin, kFrameTimeMax, "%s", "Enter new display time (100/sec) (-1 = constant)"))
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
    for (int16_t i = 0; i < count; ++i) editor.sprite.SetFrameTime(i, static_cast<int16_t>(time));
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
    editor.sprite.SetFrameImage(editor.currentFrame, image);
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
    KW_InputString(editor.sprite.description, kSpriteDescriptionLimit, "Sprite Description");
}

// Runs one command; true when the user confirmed Exit.
bool RunCommand(SpriteEditor& editor, int button)
{
    switch (button) {
    case kSpriteButtonNew:
        if (KW_Confirm("%s", "New Sprite - Unsaved changes will be lost!  Continue?")) EmptySprite(editor);
        break;
    case kSpriteButtonLoad: LoadSprite(editor); break;
    case kSpriteButtonSave: SaveSprite(editor); break;
    case kSpriteButtonSaveAs: SaveSpriteAs(editor); break;
    case kSpriteButtonExit:
        return KW_Confirm("%s",
                          "Any unsaved changes will be lost.  Are you sure that you want to exit the Sprite Editor?");
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
    case kSpriteButtonImportZentor: ImportZentor(editor); break;
    default: break;  // separators
    }
    return false;
}

// [SECTION] Drawing

void DrawEditorScreen(SpriteEditor& editor)
{
    const int W = kwScreenW, H = kwScreenH, lh = KW_LineHeight();
    const int16_t count = editor.sprite.GetFrameCount();
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);

    // frame view: the current frame enlarged about the screen's centre
    if (HasCurrentFrame(editor)) {
        ALLEGRO_BITMAP* image = editor.sprite.frames[editor.currentFrame].image;
        if (image) {
            const float zoom = static_cast<float>(editor.zoom);
            al_draw_scaled_rotated_bitmap(image, static_cast<float>(al_get_bitmap_width(image) / 2),
                                          static_cast<float>(al_get_bitmap_height(image) / 2),
                                          static_cast<float>(W / 2), static_cast<float>(H / 2), zoom, zoom, 0, 0);
        }
    }

    KW_DrawTextF(2, H - 2 * lh - 5, white, "%s", editor.sprite.GetDescription().c_str());
    KW_DrawTextF(2, H - lh - 5, white, "%s",
                 SpriteFrameLine(editor.currentFrame, count, editor.sprite.GetFrameTime(editor.currentFrame)).c_str());
}

}  // namespace

// [SECTION] The loop

void RunSpriteEditor(SpriteEditor& editor)
{
    KW_InitToolbar(editor.toolbar);
    for (const ToolbarEntry& entry : kToolbarEntries)
        KW_AddToolbarButton(editor.toolbar, entry.icon, entry.caption, entry.hotKey);
    EmptySprite(editor);
    editor.zoom = kSpriteZoomStart;
    int wheel = KW_GetMouseZ();

    bool exitConfirmed = false;
    while (!exitConfirmed) {
        al_clear_to_color(al_map_rgb(129, 162, 255));
        const int button = KW_DoToolbar(editor.toolbar);
        DrawEditorScreen(editor);
        KW_PresentFrame();

        if (button >= 0) {
            exitConfirmed = RunCommand(editor, button);
        } else {
            // one zoom step a frame, however far the wheel turned
            const int z = KW_GetMouseZ();
            if (z < wheel) RunCommand(editor, kSpriteButtonZoomOut);
            else if (z > wheel) RunCommand(editor, kSpriteButtonZoomIn);
        }
        wheel = KW_GetMouseZ();
    }

    editor.sprite.Clear();
    KW_ClearToolbar(editor.toolbar);
}
