// The map editor's plain rules: where the map sits on the screen, the cell
// under the pointer, painting and picking with the brush, the pulsing cursor,
// the texts it shows, the brush-size grid, the undo steps and the Check Map
// report. No display needed.
#pragma once

#include "content/map.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

struct RoutePlan;

constexpr int kMapViewWidth = 800;   // 25 cells of 32 pixels
constexpr int kMapViewHeight = 512;  // 16 cells of 32 pixels
constexpr uint8_t kCursorPulseStart = 192;

enum MapEditorMode : int16_t { kMapTileMode = 1, kMapPlayerStartMode = 2 };

// Top-left corner of the map on the screen: centred across, below the toolbar.
struct MapViewOrigin {
    int x = 0, y = 0;
};
MapViewOrigin MapEditorOrigin(int screenW, int lineHeight);

// The cell under (x, y); false when the point is not over the map.
bool MapEditorCellAt(int x, int y, MapViewOrigin origin, int& column, int& row);

// Sets every cell of the brushWidth x brushHeight block that starts at
// (column, row) and lies inside the map; cells past an edge are ignored.
// Returns how many cells were set.
int PaintBrush(Map& map, int column, int row, int brushWidth, int brushHeight, uint16_t tile);

// Flood fill: the 4-connected area of the tile at (column, row) takes the
// new tile. False (nothing changed) off the map or when the area already
// has that tile.
bool FillMapArea(Map& map, int column, int row, uint16_t tile);

// The tile of a cell, for the right-click pick (the map is not touched).
int PickBrushTile(const Map& map, int column, int row);

// One frame of the cursor's pulse: up by 2, back to 0 once past 64. The
// outline's grey is pulse + 128, so it brightens from 128 to 192.
uint8_t NextCursorPulse(uint8_t pulse);
int CursorGrey(uint8_t pulse);

// The colour of a tile type in the passable view (black for unknown types).
struct PassableRgb {
    uint8_t r = 0, g = 0, b = 0;
};
PassableRgb PassableColour(int tileType);

// Top-left of the start marker: a w x h frame centred on the start point.
void StartMarkerCorner(MapViewOrigin origin, int startX, int startY, int frameW, int frameH, int& x, int& y);

// "Editing tiles" or "Editing player start position".
const char* MapEditorModeText(int mode);
// "%s - Map Editor (%s)" with the file name and the mode text.
std::string MapEditorTitle(const std::string& fileName, int mode);
// "Title: %s (by %s) - Time Limit: %d - Cloud Count: %d".
std::string MapEditorStatusLine(const Map& map);
// The same line made to fit width (as textWidth measures it): the title and
// then the author, the longer first, are shortened with "..." so that the
// time limit and cloud count stay in view.
std::string MapEditorStatusLine(const Map& map, int width, const std::function<int(const std::string&)>& textWidth);

// The brush-size dialog's grid of blue squares, 33 pixels apart.
struct BrushGrid {
    int columns = 0, rows = 0;  // n = min(25, W / 33), m = min(16, (H - lh - 48) / 33)
    int width = 0, height = 0;  // of the grid bitmap: 33n - 1 by 33m - 1
    int top = 0;                // lh + 48, below the dialog's toolbar
    bool Usable() const { return columns > 0 && rows > 0; }
};
BrushGrid BrushGridLayout(int screenW, int screenH, int lineHeight);
// The brush size the pointer points at (edges included); false when the
// pointer is off the grid.
bool BrushGridSizeAt(const BrushGrid& grid, int x, int y, int& width, int& height);
// "%d by %d".
std::string BrushSizeText(int width, int height);

// An undo step: everything the user edits in a map (its tile set is not part
// of the document).
struct MapSnapshot {
    std::array<uint16_t, Map::kCellCount> cells{};
    std::string title, author;
    uint16_t timeLimit = 0, cloudCount = 0, startX = 0, startY = 0;

    bool operator==(const MapSnapshot& other) const;
    bool operator!=(const MapSnapshot& other) const { return !(*this == other); }
};
MapSnapshot TakeMapSnapshot(const Map& map);
void RestoreMapSnapshot(Map& map, const MapSnapshot& snapshot);

// What Check Map tells: the grass the mower can never reach, or the planned
// route's time against the map's limit on Normal.
std::string MapCheckReport(const RoutePlan& plan, int timeLimit);
// Run Map's question when grass is out of reach.
std::string RunUnreachableQuestion(int unreachableCount);
