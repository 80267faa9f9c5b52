// The map editor's loop: toolbar, map view with the brush cursor and the
// start marker, status line, and the commands behind the toolbar buttons.
#include "editors/mapeditor.h"

#include "audio/audio.h"
#include "content/datapath.h"
#include "content/savegame.h"
#include "editors/gridline.h"
#include "editors/tilepicker.h"
#include "game/playgame.h"
#include "game/playstate.h"
#include "game/resources.h"
#include "kwui/dialogs.h"
#include "kwui/filedialog.h"
#include "kwui/kwui.h"
#include "platform/platform.h"

#include <allegro5/allegro_primitives.h>

#include <cstdio>

namespace {

constexpr int kTitleLength = 32;  // map title and author

const DocumentKind kMapDocument = {
    "Map", "map", "map", "maps/", "New Map - Unsaved tiles will be lost!  Continue?", "Map Editor", "unsaved.map",
};

}  // namespace

const ToolbarTable& MapEditorToolbar()
{
    static const ToolbarTable table = [] {
        ToolbarTable t;
        t.FileButtons("Map").Separator();
        t.Add("tileed", "Tile Mode", ALLEGRO_KEY_T, kMapChooseTile);
        t.Add("pstart", "Player Start Mode", ALLEGRO_KEY_P, kMapStartPointMode).Separator();
        t.Add("brush", "Set Tile Brush Size", ALLEGRO_KEY_B, kMapBrushSize);
        t.Add("fill", "Flood Fill", ALLEGRO_KEY_F, kMapFill);
        t.Add("colour", "Toggle Passable Colours", ALLEGRO_KEY_C, kMapPassable);
        t.Add("grid", "Toggle Grid", ALLEGRO_KEY_G, kMapGrid).Separator();
        t.Add("cdesc", "Change Map Title", ALLEGRO_KEY_D, kMapTitle);
        t.Add("author", "Change Map Author", -1, kMapAuthor);
        t.Add("clock", "Change Time Limit", -1, kMapTimeLimit);
        t.Add("rand", "Change Cloud Count", -1, kMapCloudCount).Separator();
        t.Add("checkmap", "Check Map", ALLEGRO_KEY_K, kMapCheck);
        t.Add("run", "Run Map", ALLEGRO_KEY_F9, kMapRun).Separator();
        t.Add("speaker", "Audio Panel", ALLEGRO_KEY_F5, kMapAudio).Separator();
        t.Add("export", "Export to Tiled (TMX)", KW_CtrlKey(ALLEGRO_KEY_E), kMapExportTiled);
        t.Add("import", "Import from Tiled (TMX)", KW_CtrlKey(ALLEGRO_KEY_I), kMapImportTiled);
        t.Add("go", "Add to Levels", -1, kMapAddToLevels);
        t.Add("bin", "Remove from Levels", -1, kMapRemoveFromLevels);
        return t;
    }();
    return table;
}

MapEditor::MapEditor() : EditorDocument(kMapDocument) {}


std::string MapTestRunPath(const std::string& fileName)
{
    if (fileName.empty() || PlatformIsAbsolutePath(fileName)) return fileName;
    return PlatformCanonicalPath(fileName);
}

// ---------------------------------------------------------------------------
// [SECTION] Document and title

void MapEditor::ResetDocument()
{
    map.New();
    brushTile = 0;
    mode = kMapTileMode;
    passableView = false;
    brushWidth = 1;
    brushHeight = 1;
    fillTool = false;
    pointerChange = false;
    ClearCheckMarks();
}

bool MapEditor::ReadFile(const std::string& path)
{
    // A failed load leaves the map as it was.
    if (!map.Load(path.c_str())) return false;
    ClearCheckMarks();
    return true;
}

bool MapEditor::WriteFile(const std::string& path) { return map.Save(path.c_str()); }

std::string MapEditor::Title(const std::string& markedName) const { return MapEditorTitle(markedName, mode); }

// ---------------------------------------------------------------------------
// [SECTION] Undo and redo

void MapEditor::RecordChange(const MapSnapshot& before)
{
    if (TakeMapSnapshot(map) == before) return;
    history.Record(before);
    ClearCheckMarks();
    UpdateTitle();
}

void MapEditor::BeginPointerChange()
{
    if (pointerChange) return;
    pointerChangeStart = TakeMapSnapshot(map);
    pointerChange = true;
}

void MapEditor::EndPointerChange()
{
    brushHasLast = false;
    if (!pointerChange) return;
    pointerChange = false;
    RecordChange(pointerChangeStart);
}

namespace {

// Puts a step into the map and hands back the step that reverses it.
struct RestoreSnapshot {
    Map& map;
    MapSnapshot operator()(const MapSnapshot& step) const
    {
        MapSnapshot reverse = TakeMapSnapshot(map);
        RestoreMapSnapshot(map, step);
        return reverse;
    }
};

}  // namespace

bool MapEditor::StepHistory(bool undo)
{
    const bool done = undo ? history.Undo(RestoreSnapshot{map}) : history.Redo(RestoreSnapshot{map});
    if (done) ClearCheckMarks();
    return done;
}

// ---------------------------------------------------------------------------
// [SECTION] Commands

void MapEditor::ChooseTile()
{
    int tile = brushTile;
    if (SelectTile(map.tileSet, tile, true)) {
        brushTile = tile;
        // The picker may have opened the tile editor: show its saved tiles
        // (their types may have changed, so an earlier check no longer holds).
        map.LoadDefaultTileset();
        ClearCheckMarks();
    }
    mode = kMapTileMode;
    UpdateTitle();
}

void MapEditor::EnterPlayerStartMode()
{
    mode = kMapPlayerStartMode;
    UpdateTitle();
}

void MapEditor::EditTitle()
{
    const MapSnapshot before = TakeMapSnapshot(map);
    KW_InputString(map.title, kTitleLength, "Map Title");
    RecordChange(before);
}

void MapEditor::EditAuthor()
{
    const MapSnapshot before = TakeMapSnapshot(map);
    KW_InputString(map.author, kTitleLength, "Map Author");
    RecordChange(before);
}

void MapEditor::EditTimeLimit()
{
    const MapSnapshot before = TakeMapSnapshot(map);
    int value = map.timeLimit;
    if (KW_InputNumber(value, 1, 9999, "%s", "Time Limit")) map.timeLimit = static_cast<uint16_t>(value);
    RecordChange(before);
}

void MapEditor::EditCloudCount()
{
    const MapSnapshot before = TakeMapSnapshot(map);
    int value = map.cloudCount;
    if (KW_InputNumber(value, 0, 99, "%s", "Cloud Count")) map.cloudCount = static_cast<uint16_t>(value);
    RecordChange(before);
}

void MapEditor::RunMap()
{
    // An unwinnable map may still be saved and tried, but not by accident.
    const int unreachable = CheckReachableGrass().UnreachableCount();
    if (unreachable > 0 && !KW_Confirm("%s", RunUnreachableQuestion(unreachable).c_str())) return;
    if (!SaveDocument(false)) {
        KW_ShowMessage("%s", "Cannot run map without saving first");
        return;
    }
    // A test run keeps its progress in a slot of its own, never a player's.
    SaveGameSlot testSlot(kTestSlotName);
    gCurrentSlot = &testSlot;
    const std::string path = MapTestRunPath(fileName);
    if (PlayGame(path.c_str(), 0, SkillNormal, true) == GameEnd::Error) KW_ShowMessage("%s", GetGameError().c_str());
    gCurrentSlot = nullptr;
}

void MapEditor::RunCommand(int command)
{
    // A stroke still held when a command comes is finished first, so that
    // Undo takes it back whole.
    EndPointerChange();
    if (RunFrameCommand(command, exitRequested)) return;
    switch (command) {
    case kMapChooseTile: ChooseTile(); break;
    case kMapStartPointMode: EnterPlayerStartMode(); break;
    case kMapBrushSize: SetBrushSize(); break;
    case kMapFill:
        fillTool = !fillTool;
        KW_Message("%s", fillTool ? "Flood fill: click a cell to fill its area" : "Flood fill off");
        break;
    case kMapPassable: passableView = !passableView; break;
    case kMapGrid: showGrid = !showGrid; break;
    case kMapTitle: EditTitle(); break;
    case kMapAuthor: EditAuthor(); break;
    case kMapTimeLimit: EditTimeLimit(); break;
    case kMapCloudCount: EditCloudCount(); break;
    case kMapCheck: CheckMap(); break;
    case kMapRun: RunMap(); break;
    case kMapAudio: AudioClass::GetInstance().RunAudioPanel(); break;
    case kMapExportTiled: ExportToTiled(); break;
    case kMapImportTiled: ImportFromTiled(); break;
    case kMapAddToLevels: AddToLevels(); break;
    case kMapRemoveFromLevels: RemoveFromLevels(); break;
    default: break;
    }
}

void MapEditor::ApplyTileBrush(bool leftDown, bool rightDown)
{
    if (leftDown && fillTool) {
        // one fill a click: the button must come up before the next
        BeginPointerChange();
        if (FillMapArea(map, cursorColumn, cursorRow, static_cast<uint16_t>(brushTile))) ClearCheckMarks();
        pointerArmed = false;
    } else if (leftDown) {
        BeginPointerChange();
        const auto before = map.cells;
        if (!brushHasLast) {
            brushLastColumn = cursorColumn;
            brushLastRow = cursorRow;
        }
        for (const GridPoint& cell : GridLine(brushLastColumn, brushLastRow, cursorColumn, cursorRow))
            PaintBrush(map, cell.x, cell.y, brushWidth, brushHeight, static_cast<uint16_t>(brushTile));
        brushHasLast = true;
        brushLastColumn = cursorColumn;
        brushLastRow = cursorRow;
        if (map.cells != before) ClearCheckMarks();
    } else if (rightDown) {
        brushTile = PickBrushTile(map, cursorColumn, cursorRow);
    }
}

void MapEditor::MoveStartPoint(int x, int y)
{
    BeginPointerChange();
    const uint16_t newX = static_cast<uint16_t>(x), newY = static_cast<uint16_t>(y);
    if (newX == map.startX && newY == map.startY) return;
    map.startX = newX;
    map.startY = newY;
    ClearCheckMarks();
}

// ---------------------------------------------------------------------------
// [SECTION] Drawing

namespace {

void DrawPassableView(const Map& map, MapViewOrigin origin)
{
    for (int row = 0; row < Map::kRows; ++row) {
        for (int column = 0; column < Map::kColumns; ++column) {
            const PassableRgb rgb = PassableColour(map.GetCellType(column, row));
            const int x = origin.x + column * Map::kCellSize, y = origin.y + row * Map::kCellSize;
            al_draw_filled_rectangle(x, y, x + Map::kCellSize, y + Map::kCellSize, al_map_rgb(rgb.r, rgb.g, rgb.b));
        }
    }
}

// Frame 0 of the game's mower, faded, centred on the start point and outlined.
void DrawStartMarker(const Map& map, MapViewOrigin origin)
{
    const Sprite& mower = gResources.mowerSprite;
    if (mower.GetFrameCount() < 1 || !mower.frames[0].image) return;
    const int width = mower.GetFrameWidth(0), height = mower.GetFrameHeight(0);
    int x = 0, y = 0;
    StartMarkerCorner(origin, map.startX, map.startY, width, height, x, y);
    al_draw_tinted_bitmap(mower.frames[0].image, al_map_rgba_f(1.0f, 1.0f, 1.0f, 0.5f), x, y, 0);
    KW_DrawRect(x, y, x + width - 1, y + height - 1, false, al_map_rgb(0, 255, 0), 255);
}

// The brush tile faded into every cell of the brush, outlined in the cursor's grey.
void DrawBrushPreview(const MapEditor& editor, MapViewOrigin origin)
{
    const int left = origin.x + Map::kCellSize * editor.cursorColumn;
    const int top = origin.y + Map::kCellSize * editor.cursorRow;
    ALLEGRO_BITMAP* image = editor.map.tileSet.GetTileImage(editor.brushTile);
    if (image) {
        const ALLEGRO_COLOR tint = al_map_rgba_f(0.5f, 0.5f, 0.5f, 0.5f);
        for (int r = 0; r < editor.brushHeight; ++r)
            for (int c = 0; c < editor.brushWidth; ++c)
                al_draw_tinted_bitmap(image, tint, left + c * Map::kCellSize, top + r * Map::kCellSize, 0);
    }
    KW_DrawRect(left, top, left + Map::kCellSize * editor.brushWidth, top + Map::kCellSize * editor.brushHeight,
                false, editor.cursorColour, 255);
}

}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] The loop

void RunMapEditor(MapEditor& editor)
{
    const ToolbarTable& table = MapEditorToolbar();
    table.Build(editor.toolbar);
    editor.StartNewDocument();
    editor.pulse = kCursorPulseStart;
    editor.exitRequested = false;
    editor.pointerArmed = false;
    editor.OfferRecovery();
    const KW_CloseGuard unsavedMap([&editor] { return editor.MayQuit(); });

    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    while (!editor.exitRequested) {
        // toolbar and its command
        const bool drawn = KW_FrameIsDrawn();
        if (drawn) al_clear_to_color(KW_Colour(KWC_LightBlue));
        const int clicked = KW_DoToolbar(editor.toolbar);
        if (editor.fillTool) KW_FrameToolbarButton(editor.toolbar, table.ButtonOf(kMapFill));
        if (clicked >= 0) {
            editor.RunCommand(table.CommandOf(clicked));
            // A button still held from closing a dialog must not paint.
            editor.pointerArmed = false;
        }

        // pulsing cursor
        editor.pulse = NextCursorPulse(editor.pulse);
        const int grey = CursorGrey(editor.pulse);
        editor.cursorColour = al_map_rgb(grey, grey, grey);

        // hit test
        const MapViewOrigin origin = MapEditorOrigin(kwScreenW, KW_LineHeight());
        KW_RefreshMouse();
        const int mouseX = kwMouse.x, mouseY = kwMouse.y;
        const bool leftDown = (kwMouse.buttons & 1) != 0, rightDown = (kwMouse.buttons & 2) != 0;
        editor.inGrid = MapEditorCellAt(mouseX, mouseY, origin, editor.cursorColumn, editor.cursorRow);
        if (!leftDown && !rightDown) editor.pointerArmed = true;

        // map, start marker, status line
        if (drawn) {
            if (editor.passableView)
                DrawPassableView(editor.map, origin);
            else
                editor.map.Draw(origin.x, origin.y);
            if (editor.showGrid) DrawMapGrid(origin);
            DrawUnreachableMarks(editor.unreachableMarks, origin);
            DrawStartMarker(editor.map, origin);
            const std::string status = MapEditorStatusLine(
                editor.map, kwScreenW - 4, [](const std::string& text) { return KW_TextWidth(text.c_str()); });
            KW_DrawTextF(2, kwScreenH - KW_LineHeight() - 2, white, "%s", status.c_str());
        }

        // pointer over the map
        if (editor.inGrid) {
            if (editor.mode == kMapTileMode) {
                if (drawn) DrawBrushPreview(editor, origin);
                // the pulsing outline
                const int left = origin.x + Map::kCellSize * editor.cursorColumn;
                const int top = origin.y + Map::kCellSize * editor.cursorRow;
                KW_RedrawArea(left - 1, top - 1, left + Map::kCellSize * editor.brushWidth + 1,
                              top + Map::kCellSize * editor.brushHeight + 1);
                if (editor.fillTool)
                    KW_QueueToolTip(mouseX + 16, mouseY + 16, "%s", "Click to fill this area - F to stop");
                if (editor.pointerArmed) editor.ApplyTileBrush(leftDown, rightDown);
            } else {
                KW_QueueToolTip(mouseX + 16, mouseY + 16, "%s", "Click to move player start point");
                if (leftDown && editor.pointerArmed) editor.MoveStartPoint(mouseX - origin.x, mouseY - origin.y);
            }
        }
        // The stroke or drag ends with the button, over the map or not.
        if (!leftDown) editor.EndPointerChange();
        // a stroke that leaves the map starts a new line where it comes back
        if (!editor.inGrid) editor.brushHasLast = false;

        KW_PresentFrame();
        editor.KeepRecoveryCopy();
    }

    editor.map.tileSet.Unload();
    editor.map.loaded = false;
    KW_ClearToolbar(editor.toolbar);
}
