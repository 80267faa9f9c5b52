// The map editor: a level painted cell by cell with the game's tiles, given
// its title, author, time limit, cloud count and mower start, checked for
// grass the mower cannot reach, saved as a map file and tried out at once in
// the game.
#pragma once

#include "content/map.h"
#include "editors/document.h"
#include "editors/mapbrush.h"
#include "editors/undohistory.h"
#include "game/routeplanner.h"
#include "kwui/toolbar.h"

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>
#include <vector>

// The map editor's own toolbar commands (the frame's come first).
enum MapCommand {
    kMapChooseTile = kFirstEditorCommand,
    kMapStartPointMode,
    kMapBrushSize,
    kMapFill,
    kMapPassable,
    kMapGrid,
    kMapTitle,
    kMapAuthor,
    kMapTimeLimit,
    kMapCloudCount,
    kMapCheck,
    kMapRun,
    kMapAudio,
    kMapExportTiled,
    kMapImportTiled,
    kMapAddToLevels,
    kMapRemoveFromLevels,
};

// The map editor's buttons in toolbar order.
const ToolbarTable& MapEditorToolbar();

class MapEditor : public EditorDocument {
public:
    static constexpr const char* kTestSlotName = "savegames/mapeditor.sav";

    MapEditor();

    Map map;
    int brushTile = 0;
    bool inGrid = false;
    uint8_t pulse = kCursorPulseStart;
    int cursorColumn = 0, cursorRow = 0;
    ALLEGRO_COLOR cursorColour{0.5f, 0.5f, 0.5f, 1.0f};
    int16_t mode = kMapTileMode;
    bool passableView = false;
    int16_t brushWidth = 1, brushHeight = 1;
    bool exitRequested = false;
    // Cleared after every command; set again once no mouse button is held,
    // so the click that closed a dialog does not paint the map.
    bool pointerArmed = false;
    // Lines between the cells; a view setting, not part of the document.
    bool showGrid = false;
    // A left click flood-fills the clicked tile's area instead of painting.
    bool fillTool = false;

    // Undo steps are whole copies of the map's own data.
    UndoHistory<MapSnapshot> history;
    // A brush stroke or a start point drag in progress: the map before it.
    bool pointerChange = false;
    MapSnapshot pointerChangeStart;
    // The cell the brush painted last frame while the button stays down over
    // the map: the next frame paints the line of cells from there.
    bool brushHasLast = false;
    int brushLastColumn = 0, brushLastRow = 0;
    // Grass cells the last Check Map found out of reach (row-major indices),
    // marked on the field until the map changes.
    std::vector<int> unreachableMarks;

    // Keeps an undo step for a change just made, when the map differs from
    // before (the copy taken before the change).
    void RecordChange(const MapSnapshot& before);
    // A stroke or drag is one undo step: begun at its first change, recorded
    // once the button is released (or a command comes first).
    void BeginPointerChange();
    void EndPointerChange();
    void ClearCheckMarks() { unreachableMarks.clear(); }

    // The toolbar's own commands (New, Load, Save, Undo ... are the frame's).
    void ChooseTile();
    void EnterPlayerStartMode();
    void SetBrushSize();  // the brush-size dialog (mapeditor_dialogs.cpp)
    void EditTitle();
    void EditAuthor();
    void EditTimeLimit();
    void EditCloudCount();
    // Check Map (mapeditor_check.cpp): plans the mower's route with the
    // game's mower and marks the grass out of reach; CheckMap also reports.
    RoutePlan CheckReachableGrass();
    void CheckMap();
    void RunMap();
    // Tiled and the level list (mapeditor_exchange.cpp): the map as a TMX
    // file and back (one undo step), and the saved map into or out of
    // game.ini's level list.
    void ExportToTiled();
    void ImportFromTiled();
    void AddToLevels();
    void RemoveFromLevels();
    void RunCommand(int command);

    // One frame's pointer work over the map in tile mode: paint with the left
    // button, pick with the right one.
    void ApplyTileBrush(bool leftDown, bool rightDown);
    // One frame of a start point drag: the start follows the pointer.
    void MoveStartPoint(int x, int y);

protected:
    // The document: the map with the editor's starting brush, mode and view.
    void ResetDocument() override;
    bool ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path) override;
    std::string LastError() const override { return map.lastError; }
    UndoRevisions& History() override { return history; }
    const UndoRevisions& History() const override { return history; }
    bool StepHistory(bool undo) override;
    std::string Title(const std::string& markedName) const override;
};

// The grid lines and the unreachable-grass marks over the map view
// (mapeditor_check.cpp).
void DrawMapGrid(MapViewOrigin origin);
void DrawUnreachableMarks(const std::vector<int>& cells, MapViewOrigin origin);

// Runs the editor until the user confirms Exit. The caller owns the editor.
void RunMapEditor(MapEditor& editor);

// The path the game is given for a test run: a relative file name is taken
// from the working folder, as the file dialog chose it, not from base/.
std::string MapTestRunPath(const std::string& fileName);
