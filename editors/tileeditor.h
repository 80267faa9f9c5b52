// The tile editor: a full-screen editor for the 1024 tiles of a tile set,
// pixel by pixel, with its toolbar of commands.
#pragma once

#include "content/tileset.h"
#include "editors/document.h"
#include "editors/tileundo.h"
#include "editors/undohistory.h"
#include "kwui/toolbar.h"

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>

struct TileEditor : EditorDocument {
    TileEditor();

    Tileset tileset;
    int32_t currentTile = 0;    // 0 to 1023
    int16_t scale = 14;         // zoom of the pixel view, 1 to 24
    ALLEGRO_COLOR drawingColour = al_map_rgba_f(1, 1, 1, 1);
    ALLEGRO_BITMAP* clipboard = nullptr;  // 32 x 32, owned for one RunTileEditor call
    bool clipboardFull = false;

    // Undo and redo of every change to the set; also tells whether the set
    // differs from the last save or load.
    UndoHistory<TileEditStep> history;
    // The tile as it was when the current brush stroke began (strokeActive).
    TileSnapshot strokeStart;
    bool strokeActive = false;
    // The tile pixel the stroke painted last frame, while the pointer stays
    // over the view: the next frame draws the line from there.
    bool strokeHasLast = false;
    int strokeLastX = 0, strokeLastY = 0;
    bool fillTool = false;    // a left click flood-fills instead of painting
    bool gridShown = false;   // lines between the zoomed pixels

protected:
    void ResetDocument() override;
    bool ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path) override { return tileset.Save(path.c_str()); }
    std::string LastError() const override { return tileset.lastError; }
    UndoRevisions& History() override { return history; }
    const UndoRevisions& History() const override { return history; }
    bool StepHistory(bool undo) override;
    std::string Title(const std::string& markedName) const override { return markedName + " - Tile Editor"; }
};

// Runs the editor until the user confirms Exit. path may be empty (a new
// set); a path that loads opens at startTile, anything else starts a new set
// at tile 0.
void RunTileEditor(TileEditor& editor, const char* path, int startTile);
