// The tile editor: its toolbar, the zoomed pixel view with swatch and
// preview, the commands and the mouse painting.
#include "editors/tileeditor.h"

#include "content/datapath.h"
#include "content/imagefile.h"
#include "content/picturefile.h"
#include "content/sheets.h"
#include "content/tiledmap.h"
#include "content/zentor.h"
#include "editors/gridline.h"
#include "editors/tileops.h"
#include "editors/tilepicker.h"
#include "editors/toolpaths.h"
#include "kwui/kwui.h"
#include "kwui/dialogs.h"
#include "kwui/filedialog.h"
#include "kwui/tooltip.h"

#include <allegro5/allegro_primitives.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// [SECTION] The toolbar

enum TileCommand {
    CmdGoto = kFirstEditorCommand,
    CmdPrevious,
    CmdNext,
    CmdColour,
    CmdFloodFill,
    CmdZoomIn,
    CmdZoomOut,
    CmdGrid,
    CmdCopy,
    CmdPaste,
    CmdFlip,
    CmdMirror,
    CmdRotate,
    CmdTileType,
    CmdDescription,
    CmdImportImage,
    CmdExportImage,
    CmdImportZentor,
    CmdExportSheet,
    CmdImportSheet,
};

const ToolbarTable& TileToolbar()
{
    static const ToolbarTable table = [] {
        ToolbarTable t;
        t.FileButtons("Tileset").Separator();
        t.Add("go", "Goto Tile", ALLEGRO_KEY_G, CmdGoto);
        t.Add("back", "Previous Tile", ALLEGRO_KEY_LEFT, CmdPrevious);
        t.Add("forward", "Next Tile", ALLEGRO_KEY_RIGHT, CmdNext).Separator();
        t.Add("colour", "Select Drawing Colour", ALLEGRO_KEY_C, CmdColour);
        t.Add("fill", "Flood Fill", ALLEGRO_KEY_B, CmdFloodFill);
        t.Add("z_in", "Zoom In", ALLEGRO_KEY_PAD_PLUS, CmdZoomIn);
        t.Add("z_out", "Zoom Out", ALLEGRO_KEY_PAD_MINUS, CmdZoomOut);
        t.Add("grid", "Grid", KW_CtrlKey(ALLEGRO_KEY_G), CmdGrid);
        t.Add("copy", "Copy Tile", ALLEGRO_KEY_F5, CmdCopy);
        t.Add("paste", "Paste Tile", ALLEGRO_KEY_F6, CmdPaste);
        t.Add("flip", "Flip", ALLEGRO_KEY_F, CmdFlip);
        t.Add("mirror", "Mirror", ALLEGRO_KEY_M, CmdMirror);
        t.Add("rotate", "Rotate", ALLEGRO_KEY_R, CmdRotate).Separator();
        t.Add("tiletype", "Change Tile Type", ALLEGRO_KEY_Y, CmdTileType);
        t.Add("cdesc", "Change Tile Description", ALLEGRO_KEY_D, CmdDescription).Separator();
        t.Add("import", "Import Image", ALLEGRO_KEY_I, CmdImportImage);
        t.Add("export", "Export Image", ALLEGRO_KEY_E, CmdExportImage).Separator();
        t.Add("export", "Export PNG Sheet (TSX)", KW_CtrlKey(ALLEGRO_KEY_E), CmdExportSheet);
        t.Add("import", "Import PNG Sheet (TSX or PNG)", KW_CtrlKey(ALLEGRO_KEY_I), CmdImportSheet).Separator();
        t.Add("zentor", "Import Zentor Tileset", -1, CmdImportZentor);
        return t;
    }();
    return table;
}

const DocumentKind kTileDocument = {
    "Tileset", "tileset", "til", "tiles/", "New Tileset - Unsaved tiles will be lost!  Continue?", "Tile Editor",
    "unsaved.til",
};

// [SECTION] Undo and redo

// Runs a change to the current tile as one undo step.
template <typename Change>
void ChangeCurrentTile(TileEditor& editor, Change change)
{
    std::vector<TileSnapshot> before{CaptureTile(editor.tileset, editor.currentTile)};
    const std::string setDescription = editor.tileset.description;
    change();
    RecordTileChange(editor.history, editor.tileset, std::move(before), setDescription);
}

// A brush stroke is one step, kept when the button comes up (or a command
// interrupts the stroke) if it changed anything.
void BeginStroke(TileEditor& editor)
{
    if (editor.strokeActive) return;
    editor.strokeStart = CaptureTile(editor.tileset, editor.currentTile);
    editor.strokeActive = true;
    editor.strokeHasLast = false;
}

void EndStroke(TileEditor& editor)
{
    if (!editor.strokeActive) return;
    editor.strokeActive = false;
    std::vector<TileSnapshot> before;
    before.push_back(std::move(editor.strokeStart));
    editor.strokeStart = TileSnapshot();
    RecordTileChange(editor.history, editor.tileset, std::move(before), editor.tileset.description);
}

}  // namespace

TileEditor::TileEditor() : EditorDocument(kTileDocument) {}

void TileEditor::ResetDocument()
{
    tileset.New();
    currentTile = 0;
}

bool TileEditor::ReadFile(const std::string& path)
{
    if (!tileset.Load(path.c_str())) return false;
    currentTile = 0;
    return true;
}

// Undo or redo one step and show the tile it changed.
bool TileEditor::StepHistory(bool undo)
{
    int show = currentTile;
    auto restore = [this, &show](const TileEditStep& step) {
        show = TileToShowAfterStep(step, currentTile);
        return ApplyTileEditStep(tileset, step);
    };
    const bool done = undo ? history.Undo(restore) : history.Redo(restore);
    if (done) currentTile = show;
    return done;
}

namespace {

// [SECTION] File commands

void ImportZentor(TileEditor& editor)
{
    std::string path = ImportZentorTilesPath;
    if (!KW_SelectFile("til", "Import Zentor Tileset", path)) return;
    // One step holds every tile the import changed.
    std::vector<TileSnapshot> before = CaptureAllTiles(editor.tileset);
    const std::string setDescription = editor.tileset.description;
    if (!ImportZentorTileset(editor.tileset, path.c_str())) {
        KW_ShowMessage("%s", editor.tileset.lastError.c_str());
        return;
    }
    RecordTileChange(editor.history, editor.tileset, std::move(before), setDescription);
    // Save now writes the current format over the imported file; the set
    // in memory is unsaved whatever is undone.
    editor.history.MarkUnsaved();
    editor.fileName = path;
    editor.UpdateTitle();
    editor.currentTile = 0;
    ImportZentorTilesPath = path;
    KW_Message("Imported tileset from %s", path.c_str());
}

// The PNG sheet: written with a TSX naming it, read from a TSX or a bare PNG.
std::string sheetPath;

void ExportSheet(TileEditor& editor)
{
    std::string path = sheetPath;
    if (!KW_SelectFile("tsx", "Export PNG Sheet", path)) return;
    if (al_filename_exists(path.c_str()) && !KW_Confirm("Overwrite existing file %s?", path.c_str())) return;
    std::string error;
    if (!ExportTilesetToTsx(editor.tileset, path, error)) {
        KW_ShowMessage("%s", error.c_str());
        return;
    }
    sheetPath = path;
    KW_Message("Exported tile sheet to %s", path.c_str());
}

void ImportSheet(TileEditor& editor)
{
    std::string path = sheetPath;
    {
        FileDialogClass dialog;
        dialog.create();
        dialog.title = "Import PNG Sheet";
        dialog.SetStartPath(path);
        dialog.AddExtension("tsx");
        dialog.AddExtension("png");
        const bool chosen = dialog.Run();
        if (chosen) path = dialog.Result();
        dialog.Close();
        if (!chosen) return;
    }
    // One step holds every tile the sheet changed.
    std::vector<TileSnapshot> before = CaptureAllTiles(editor.tileset);
    const std::string setDescription = editor.tileset.description;
    std::string error;
    const bool tsx = path.size() >= 4 && (path.compare(path.size() - 4, 4, ".tsx") == 0 ||
                                          path.compare(path.size() - 4, 4, ".TSX") == 0);
    const bool ok = tsx ? ImportTilesetFromTsx(editor.tileset, path, error)
                        : ImportTileSheetPng(editor.tileset, path, error);
    if (!ok) {
        KW_ShowMessage("%s", error.c_str());
        return;
    }
    RecordTileChange(editor.history, editor.tileset, std::move(before), setDescription);
    editor.history.MarkUnsaved();
    editor.UpdateTitle();
    sheetPath = path;
    KW_Message("Imported tile sheet from %s", path.c_str());
}

// [SECTION] Tile commands

ALLEGRO_BITMAP* CurrentImage(TileEditor& editor) { return editor.tileset.GetTileImage(editor.currentTile); }

void ImportImage(TileEditor& editor)
{
    std::string path = ImageImportPath;
    if (!KW_SelectImageFile("Import Image", path)) return;
    std::string error;
    ALLEGRO_BITMAP* image = LoadPicture(path, error);
    if (!image) {
        KW_ShowMessage("%s", error.c_str());
        return;
    }
    ChangeCurrentTile(editor, [&editor, image] { ImportImageIntoTile(CurrentImage(editor), image); });
    al_destroy_bitmap(image);
    ImageImportPath = path;
    KW_Message("Imported tile from %s", path.c_str());
}

void ExportImage(TileEditor& editor)
{
    std::string path = ImageExportPath;
    if (!KW_SelectImageFile("Export Image", path)) return;
    if (al_filename_exists(path.c_str()) && !KW_Confirm("Overwrite existing file %s?", path.c_str())) return;
    ALLEGRO_BITMAP* image = CurrentImage(editor);
    if (!image || !SaveBitmapReplacing(path.c_str(), image)) {
        KW_ShowMessage("Error writing %s", path.c_str());
        return;
    }
    ImageExportPath = path;
    KW_Message("Exported tile to %s", path.c_str());
}

void EditDescription(TileEditor& editor)
{
    // A longer description from a file is offered cut to the limit.
    ChangeCurrentTile(editor, [&editor] {
        KW_InputString(editor.tileset.tiles[editor.currentTile].description, kTileDescriptionLimit,
                       "Tile Description");
    });
}

// Runs one command; true when the user confirmed Exit.
bool RunCommand(TileEditor& editor, int command)
{
    Tile& tile = editor.tileset.tiles[editor.currentTile];
    bool exitConfirmed = false;
    if (editor.RunFrameCommand(command, exitConfirmed)) return exitConfirmed;
    switch (command) {
    case CmdGoto: {
        int chosen = editor.currentTile;
        if (SelectTile(editor.tileset, chosen, false)) editor.currentTile = chosen;
        break;
    }
    case CmdPrevious: editor.currentTile = PreviousTileIndex(editor.currentTile); break;
    case CmdNext: editor.currentTile = NextTileIndex(editor.currentTile); break;
    case CmdColour: KW_SelectColour(editor.drawingColour); break;
    case CmdFloodFill:
        editor.fillTool = !editor.fillTool;
        KW_Message("%s", editor.fillTool ? "Flood fill: click a pixel to fill its area" : "Flood fill off");
        break;
    case CmdGrid: editor.gridShown = !editor.gridShown; break;
    case CmdZoomIn:
        if (!ZoomInStep(editor.scale)) KW_Message("%s", "Maximum zoom");
        break;
    case CmdZoomOut:
        if (!ZoomOutStep(editor.scale)) KW_Message("%s", "Minimum zoom");
        break;
    case CmdCopy:
        CopyTileToClipboard(tile.image, editor.clipboard);
        editor.clipboardFull = true;
        KW_Message("%s", "Copied tile image to clipboard");
        break;
    case CmdPaste:
        if (!editor.clipboardFull) KW_Message("%s", "No tile image in clipboard");
        else
            ChangeCurrentTile(editor,
                              [&] { PasteTileFromClipboard(tile.image, editor.clipboard, editor.clipboardFull); });
        break;
    case CmdFlip: ChangeCurrentTile(editor, [&] { FlipTile(tile.image); }); break;
    case CmdMirror: ChangeCurrentTile(editor, [&] { MirrorTile(tile.image); }); break;
    case CmdRotate:
        ChangeCurrentTile(editor, [&] {
            if (!RotateTile(tile.image)) KW_Message("%s", "RotateTile: Unable to create temporary bitmap");
        });
        break;
    case CmdTileType:
        ChangeCurrentTile(editor, [&] { tile.type = static_cast<TileType>(NextTileType(tile.type)); });
        break;
    case CmdDescription: EditDescription(editor); break;
    case CmdImportImage: ImportImage(editor); break;
    case CmdExportImage: ExportImage(editor); break;
    case CmdImportZentor: ImportZentor(editor); break;
    case CmdExportSheet: ExportSheet(editor); break;
    case CmdImportSheet: ImportSheet(editor); break;
    default: break;
    }
    return false;
}

// [SECTION] Drawing

// Dark lines in the one-pixel gaps between the zoomed pixels, every eighth
// one lighter to help count.
void DrawPixelGrid(int scale, int top)
{
    const float size = static_cast<float>(kTileEditorViewSize * scale);
    for (int k = 1; k < kTileEditorViewSize; ++k) {
        const ALLEGRO_COLOR colour = k % 8 == 0 ? al_map_rgb(160, 160, 160) : al_map_rgb(48, 48, 48);
        const float x = static_cast<float>(scale * k), y = static_cast<float>(top + scale * k - 1);
        al_draw_filled_rectangle(x, static_cast<float>(top), x + 1, top + size - 1, colour);
        al_draw_filled_rectangle(1, y, size + 1, y + 1, colour);
    }
}

void DrawPixelView(TileEditor& editor, int lh)
{
    ALLEGRO_BITMAP* image = CurrentImage(editor);
    const int scale = editor.scale;
    const int top = lh + 50;

    // The pixels are read under one lock, then drawn as one batch of
    // rectangles; a one-pixel line of background stays between cells.
    if (image) {
        const int w = std::min(al_get_bitmap_width(image), kTileEditorViewSize);
        const int h = std::min(al_get_bitmap_height(image), kTileEditorViewSize);
        std::vector<ALLEGRO_COLOR> colours(static_cast<size_t>(w * h));
        if (al_lock_bitmap(image, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_READONLY)) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) colours[static_cast<size_t>(y * w + x)] = al_get_pixel(image, x, y);
            al_unlock_bitmap(image);
        }
        // At scale 1 a cell has no room for a grid line.
        const int cell = scale > 1 ? scale - 1 : 1;
        std::vector<ALLEGRO_VERTEX> vertices;
        vertices.reserve(colours.size() * 6);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const ALLEGRO_COLOR c = colours[static_cast<size_t>(y * w + x)];
                const float x1 = static_cast<float>(1 + scale * x), y1 = static_cast<float>(top + scale * y);
                const float x2 = x1 + cell, y2 = y1 + cell;
                const ALLEGRO_VERTEX corners[6] = {
                    {x1, y1, 0, 0, 0, c}, {x2, y1, 0, 0, 0, c}, {x2, y2, 0, 0, 0, c},
                    {x1, y1, 0, 0, 0, c}, {x2, y2, 0, 0, 0, c}, {x1, y2, 0, 0, 0, c},
                };
                vertices.insert(vertices.end(), corners, corners + 6);
            }
        }
        if (!vertices.empty())
            al_draw_prim(vertices.data(), nullptr, nullptr, 0, static_cast<int>(vertices.size()),
                         ALLEGRO_PRIM_TRIANGLE_LIST);
    }
    if (TileGridVisible(editor.gridShown, scale)) DrawPixelGrid(scale, top);
    KW_DrawRect(0, lh + 49, kTileEditorViewSize * scale + 1, lh + 50 + kTileEditorViewSize * scale, false,
                al_map_rgb(255, 255, 0), 255);
}

void DrawEditorScreen(TileEditor& editor, int lh)
{
    const int W = kwScreenW, H = kwScreenH;
    DrawPixelView(editor, lh);

    // swatch
    KW_DrawBevelBox(W - 40, lh + 49, W - 2, H - 50, 255, al_map_rgb(255, 255, 255), al_map_rgb(47, 47, 47),
                    editor.drawingColour);

    // preview, three by three at full size
    KW_DrawTextF(W - 140, lh + 50, al_map_rgb(255, 255, 255), "%s", "Preview");
    ALLEGRO_BITMAP* image = CurrentImage(editor);
    if (image) {
        const int w = al_get_bitmap_width(image), h = al_get_bitmap_height(image);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column) {
                const float x = static_cast<float>(W - 140 + column * w);
                const float y = static_cast<float>(2 * lh + 50 + row * h);
                al_draw_bitmap(image, x, y, 0);
            }
    }

    unsigned char r = 0, g = 0, b = 0;
    al_unmap_rgb(editor.drawingColour, &r, &g, &b);
    // The colour text keeps to the screen when the font is wide.
    char colourText[32];
    std::snprintf(colourText, sizeof colourText, "%d,%d,%d", r, g, b);
    const int colourX = std::min(W - 120, W - 2 - KW_TextWidth(colourText));
    KW_DrawTextF(colourX, H - lh - 2, al_map_rgb(128, 255, 128), "%s", colourText);
    KW_DrawTextF(2, H - lh - 55, al_map_rgb(230, 0, 0), "Scale %dx", editor.scale);
    if (editor.fillTool) {
        const int x = 2 + KW_TextWidth("Scale 24x") + 16;
        KW_DrawTextF(x, H - lh - 55, al_map_rgb(255, 255, 0), "%s", "Flood Fill - B to stop");
    }
    const Tile& tile = editor.tileset.tiles[editor.currentTile];
    KW_DrawTextF(2, H - lh - 5, al_map_rgb(255, 255, 255), "%s",
                 TileEditorStatusLine(editor.currentTile, tile.description, tile.type).c_str());
}

// The Flood Fill button framed while the tool is on.
void DrawActiveTool(const TileEditor& editor)
{
    if (editor.fillTool) KW_FrameToolbarButton(editor.toolbar, TileToolbar().ButtonOf(CmdFloodFill));
}

// [SECTION] The mouse

// Fills the clicked pixel's area of the current tile, as one step.
void FloodFillAt(TileEditor& editor, int x, int y)
{
    ALLEGRO_BITMAP* image = CurrentImage(editor);
    int width = 0, height = 0;
    std::vector<uint32_t> pixels = ReadTilePixels(image, width, height);
    if (!FloodFillGrid(pixels, width, height, x, y, PackTilePixel(editor.drawingColour))) return;
    ChangeCurrentTile(editor, [image, &pixels] { WriteTilePixels(image, pixels); });
}

void HandleMouse(TileEditor& editor, int lh)
{
    const int buttons = KW_GetMouseButtons();
    const int mx = kwMouse.x, my = kwMouse.y;
    const bool left = (buttons & 1) != 0, right = (buttons & 2) != 0;
    int px = 0, py = 0;
    const bool overView = TileViewPixelAt(mx, my, editor.scale, lh, px, py);
    const bool overSwatch = OverTileSwatch(mx, my, kwScreenW, kwScreenH, lh);
    ALLEGRO_BITMAP* image = CurrentImage(editor);

    if (!left) EndStroke(editor);
    // a stroke that leaves the view starts a new trail where it comes back
    if (!overView) editor.strokeHasLast = false;
    if (left) {
        if (overView && editor.fillTool) {
            FloodFillAt(editor, px, py);
            KW_WaitMouseRelease();
        } else if (overView) {
            // held down, this paints the trail from last frame's pixel
            BeginStroke(editor);
            if (!editor.strokeHasLast) {
                editor.strokeLastX = px;
                editor.strokeLastY = py;
            }
            for (const GridPoint& point : GridLine(editor.strokeLastX, editor.strokeLastY, px, py))
                PaintTilePixel(image, point.x, point.y, editor.drawingColour);
            editor.strokeHasLast = true;
            editor.strokeLastX = px;
            editor.strokeLastY = py;
        } else if (overSwatch) {
            KW_WaitMouseRelease();
            KW_SelectColour(editor.drawingColour);
        }
    } else if (right) {
        if (overView) {
            editor.drawingColour = TilePixel(image, px, py);
            KW_Message("%s", "Picked colour from tile");
            KW_WaitMouseRelease();
        } else if (overSwatch) {
            KW_WaitMouseRelease();
            if (KW_Confirm("%s", "Fill tile with current colour?"))
                ChangeCurrentTile(editor, [&editor, image] { FillTile(image, editor.drawingColour); });
        }
    }
}

}  // namespace

// [SECTION] The editor's loop

void RunTileEditor(TileEditor& editor, const char* path, int startTile)
{
    editor.history.SetByteBudget(UndoHistory<TileEditStep>::kEditorByteBudget, TileEditStepBytes);
    editor.clipboard = al_create_bitmap(Tileset::kTileSize, Tileset::kTileSize);
    if (!editor.clipboard) {
        KW_ShowMessage("%s", "Unable to allocate tile image clipboard bitmap");
        return;
    }
    TileToolbar().Build(editor.toolbar);

    const std::string startPath = path ? path : "";
    if (!startPath.empty() && editor.OpenFile(startPath)) {
        editor.currentTile = startTile >= 0 && startTile < Tileset::kTileCount ? startTile : 0;
    } else {
        editor.StartNewDocument();
    }
    editor.drawingColour = al_map_rgb(255, 255, 255);
    editor.clipboardFull = false;
    editor.scale = kTileEditorStartScale;
    editor.fillTool = false;
    editor.gridShown = false;
    editor.strokeActive = false;
    editor.OfferRecovery();
    const KW_CloseGuard unsavedTiles([&editor] { return editor.MayQuit(); });
    WheelClicks wheel;
    wheel.Start();

    bool exitConfirmed = false;
    while (!exitConfirmed) {
        const int lh = KW_LineHeight();
        const bool drawn = KW_FrameIsDrawn();
        if (drawn) al_clear_to_color(al_map_rgb(129, 162, 255));
        editor.UpdateTitle();
        const int button = KW_DoToolbar(editor.toolbar);
        if (drawn) {
            DrawActiveTool(editor);
            DrawEditorScreen(editor, lh);
        }

        const int mx = KW_GetMouseX(), my = KW_GetMouseY();
        if (OverTileSwatch(mx, my, kwScreenW, kwScreenH, lh))
            KW_QueueToolTip(mx + 16, my + 16, "%s", "Left click to change colour, right click to fill tile.");
        KW_PresentFrame();
        const int clicks = wheel.Read(editor.toolbar);

        const int command = TileToolbar().CommandOf(button);
        if (command != kCommandNone) {
            // a key pressed while the button is held ends the stroke first
            EndStroke(editor);
            exitConfirmed = RunCommand(editor, command);
        } else if (clicks != 0) {
            if (!ZoomByWheel(editor.scale, clicks))
                KW_Message("%s", clicks > 0 ? "Maximum zoom" : "Minimum zoom");
        }
        HandleMouse(editor, lh);
        wheel.Settle();
        editor.KeepRecoveryCopy();
    }

    EndStroke(editor);
    editor.history.Clear();
    editor.tileset.Unload();
    KW_ClearToolbar(editor.toolbar);
    al_destroy_bitmap(editor.clipboard);
    editor.clipboard = nullptr;
}
