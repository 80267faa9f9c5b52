// The tile editor's undo steps: copies of only the tiles a change touched
// (pixels, type and description) and the set's description, read from and
// put back into a tile set.
#pragma once

#include "content/tileset.h"
#include "editors/undohistory.h"

#include <cstdint>
#include <string>
#include <vector>

// One tile as it was: its picture as RGBA pixels (row by row, red in the low
// byte), its type and its description.
struct TileSnapshot {
    int index = 0;
    int width = 0, height = 0;  // 0 x 0 for a tile without a picture
    std::vector<uint32_t> pixels;
    std::string description;
    int8_t type = TileLand;
};

bool SameTile(const TileSnapshot& a, const TileSnapshot& b);

// What puts the set back: the tiles that changed and the set's description.
struct TileEditStep {
    std::vector<TileSnapshot> tiles;
    std::string setDescription;
};

// The picture and text bytes a step holds (what it costs in the history).
size_t TileEditStepBytes(const TileEditStep& step);

// A 32-bit pixel of a tile snapshot from a colour, and back.
uint32_t PackTilePixel(ALLEGRO_COLOR colour);
ALLEGRO_COLOR UnpackTilePixel(uint32_t pixel);

// Reads a picture's pixels; an empty vector and 0 x 0 for a null bitmap or
// one that cannot be locked.
std::vector<uint32_t> ReadTilePixels(ALLEGRO_BITMAP* image, int& width, int& height);
// Writes pixels of the picture's own size into it (nothing on a mismatch).
bool WriteTilePixels(ALLEGRO_BITMAP* image, const std::vector<uint32_t>& pixels);

TileSnapshot CaptureTile(const Tileset& tileset, int index);
// All 1024 tiles, the atlas read under a single lock.
std::vector<TileSnapshot> CaptureAllTiles(const Tileset& tileset);
// Puts a snapshot into its tile. A picture of another size than the tile's
// gets a bitmap of its own (a 32 x 32 one its place in the atlas).
void RestoreTile(Tileset& tileset, const TileSnapshot& snapshot);

// The step that undoes a change from 'before' to the set as it is now: only
// the tiles that differ (both lists in index order, as the capture gives).
TileEditStep StepForChangedTiles(std::vector<TileSnapshot> before, const std::vector<TileSnapshot>& after,
                                 const std::string& setDescriptionBefore);
bool StepChangesSomething(const TileEditStep& step, const std::string& setDescriptionNow);
// Keeps the step that takes the set from its present state back to 'before'
// (tiles captured before a change, and the set's description then); nothing
// when nothing changed.
void RecordTileChange(UndoHistory<TileEditStep>& history, const Tileset& tileset, std::vector<TileSnapshot> before,
                      const std::string& setDescriptionBefore);

// Applies a step to the set and returns the step that reverses it.
TileEditStep ApplyTileEditStep(Tileset& tileset, const TileEditStep& step);
// The tile to show after a step was applied: the current one when the step
// touched it (or touched no tile), else the first tile it touched.
int TileToShowAfterStep(const TileEditStep& step, int currentTile);
