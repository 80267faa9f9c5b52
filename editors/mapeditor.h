// The map editor: a level painted cell by cell with the game's tiles, given
// its title, author, time limit, cloud count and mower start, saved as a map
// file and tried out at once in the game.
#pragma once

#include "content/map.h"
#include "editors/mapbrush.h"
#include "kwui/toolbar.h"

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>

// The toolbar's buttons by index (separators count as entries).
enum MapEditorButton {
    kMapButtonNew = 0,
    kMapButtonLoad,
    kMapButtonSave,
    kMapButtonSaveAs,
    kMapButtonExit,
    kMapSeparator1,
    kMapButtonTileMode,
    kMapButtonPlayerStart,
    kMapSeparator2,
    kMapButtonBrushSize,
    kMapButtonPassable,
    kMapSeparator3,
    kMapButtonTitle,
    kMapButtonAuthor,
    kMapButtonTimeLimit,
    kMapButtonCloudCount,
    kMapSeparator4,
    kMapButtonRun,
    kMapSeparator5,
    kMapButtonAudio,
    kMapButtonCount
};

class MapEditor {
public:
    static constexpr const char* kUnsavedName = "(unsaved file)";
    static constexpr const char* kTestSlotName = "savegames/mapeditor.sav";

    KW_Toolbar toolbar;
    Map map;
    std::string fileName = kUnsavedName;
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

    // A fresh map with the editor's starting brush, mode and view.
    void StartNewDocument();
    void UpdateTitle();

    // The toolbar's commands.
    void NewMap();
    void LoadMap();
    // Saves to fileName, asking for a name when ask is set or the map was
    // never saved. True when the map was written.
    bool SaveMap(bool ask);
    void Exit();
    void ChooseTile();
    void EnterPlayerStartMode();
    void SetBrushSize();  // the brush-size dialog (mapeditor_dialogs.cpp)
    void EditTitle();
    void EditAuthor();
    void EditTimeLimit();
    void EditCloudCount();
    void RunMap();
    void RunCommand(int button);

    // One frame's pointer work over the map in tile mode: paint with the left
    // button, pick with the right one.
    void ApplyTileBrush(bool leftDown, bool rightDown);
};

// Runs the editor until the user confirms Exit. The caller owns the editor.
void RunMapEditor(MapEditor& editor);

// The path the game is given for a test run: a relative file name is taken
// from the working folder, as the file dialog chose it, not from base/.
std::string MapTestRunPath(const std::string& fileName);
