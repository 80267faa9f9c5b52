// The map editor's plain rules (layout, brush, cursor, texts, brush grid,
// undo steps, the Check Map report).
#include "editors/mapbrush.h"

#include "content/map.h"
#include "content/savegame.h"
#include "editors/gridline.h"
#include "game/playstate.h"
#include "game/routeplanner.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

MapViewOrigin MapEditorOrigin(int screenW, int lineHeight)
{
    MapViewOrigin origin;
    origin.x = (screenW - kMapViewWidth) / 2;
    origin.y = lineHeight + 50;
    return origin;
}

bool MapEditorCellAt(int x, int y, MapViewOrigin origin, int& column, int& row)
{
    if (x < origin.x || x >= origin.x + kMapViewWidth) return false;
    if (y < origin.y || y >= origin.y + kMapViewHeight) return false;
    column = (x - origin.x) / Map::kCellSize;
    row = (y - origin.y) / Map::kCellSize;
    return true;
}

int PaintBrush(Map& map, int column, int row, int brushWidth, int brushHeight, uint16_t tile)
{
    int painted = 0;
    for (int r = row; r < row + brushHeight; ++r) {
        for (int c = column; c < column + brushWidth; ++c) {
            if (c < 0 || r < 0 || c >= Map::kColumns || r >= Map::kRows) continue;
            map.cells[r * Map::kColumns + c] = tile;
            ++painted;
        }
    }
    return painted;
}

bool FillMapArea(Map& map, int column, int row, uint16_t tile)
{
    std::vector<uint32_t> cells(map.cells.begin(), map.cells.end());
    if (!FloodFillGrid(cells, Map::kColumns, Map::kRows, column, row, tile)) return false;
    for (size_t i = 0; i < cells.size(); ++i) map.cells[i] = static_cast<uint16_t>(cells[i]);
    return true;
}

int PickBrushTile(const Map& map, int column, int row) { return map.GetCell(column, row); }

uint8_t NextCursorPulse(uint8_t pulse)
{
    pulse = static_cast<uint8_t>(pulse + 2);
    if (pulse > 64) pulse = 0;
    return pulse;
}

int CursorGrey(uint8_t pulse) { return std::min(255, pulse + 128); }

PassableRgb PassableColour(int tileType)
{
    switch (tileType) {
    case TileLand: return {255, 255, 0};
    case TileGrass: return {0, 255, 0};
    case TileSolid: return {230, 0, 0};
    case TileWater: return {0, 0, 240};
    default: return {0, 0, 0};
    }
}

void StartMarkerCorner(MapViewOrigin origin, int startX, int startY, int frameW, int frameH, int& x, int& y)
{
    x = origin.x + startX - frameW / 2;
    y = origin.y + startY - frameH / 2;
}

const char* MapEditorModeText(int mode)
{
    return mode == kMapPlayerStartMode ? "Editing player start position" : "Editing tiles";
}

std::string MapEditorTitle(const std::string& fileName, int mode)
{
    char title[256];
    std::snprintf(title, sizeof title, "%s - Map Editor (%s)", fileName.c_str(), MapEditorModeText(mode));
    return title;
}

std::string MapEditorStatusLine(const Map& map)
{
    char line[256];
    std::snprintf(line, sizeof line, "Title: %s (by %s) - Time Limit: %d - Cloud Count: %d", map.title.c_str(),
                  map.author.c_str(), static_cast<int>(map.timeLimit), static_cast<int>(map.cloudCount));
    return line;
}

// text cut to keep characters before the end, with "..." after; whole UTF-8 characters only.
static std::string ShortenedText(const std::string& text, size_t keep)
{
    if (keep >= text.size()) return text;
    while (keep > 0 && (static_cast<unsigned char>(text[keep]) & 0xC0) == 0x80) --keep;
    return text.substr(0, keep) + "...";
}

std::string MapEditorStatusLine(const Map& map, int width, const std::function<int(const std::string&)>& textWidth)
{
    size_t titleKeep = map.title.size(), authorKeep = map.author.size();
    auto compose = [&] {
        return "Title: " + ShortenedText(map.title, titleKeep) + " (by " + ShortenedText(map.author, authorKeep) +
               ") - Time Limit: " + std::to_string(map.timeLimit) + " - Cloud Count: " + std::to_string(map.cloudCount);
    };
    std::string line = compose();
    int excess = textWidth(line) - width;
    while (excess > 0 && (titleKeep > 0 || authorKeep > 0)) {
        // Off the longer of the two, a few characters for each 20 pixels too wide.
        size_t& keep = titleKeep >= authorKeep ? titleKeep : authorKeep;
        keep -= std::min(keep, std::max<size_t>(1, static_cast<size_t>(excess) / 20));
        line = compose();
        excess = textWidth(line) - width;
    }
    return line;
}

BrushGrid BrushGridLayout(int screenW, int screenH, int lineHeight)
{
    BrushGrid grid;
    grid.columns = std::min(Map::kColumns, screenW / 33);
    grid.rows = std::min(Map::kRows, (screenH - lineHeight - 48) / 33);
    grid.width = 33 * grid.columns - 1;
    grid.height = 33 * grid.rows - 1;
    grid.top = lineHeight + 48;
    return grid;
}

bool BrushGridSizeAt(const BrushGrid& grid, int x, int y, int& width, int& height)
{
    if (!grid.Usable()) return false;
    if (x < 0 || x > grid.width || y < grid.top || y > grid.top + grid.height) return false;
    width = x / 33 + 1;
    height = (y - grid.top) / 33 + 1;
    return true;
}

std::string BrushSizeText(int width, int height)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d by %d", width, height);
    return text;
}

// ---------------------------------------------------------------------------
// [SECTION] Undo steps

bool MapSnapshot::operator==(const MapSnapshot& other) const
{
    return cells == other.cells && title == other.title && author == other.author && timeLimit == other.timeLimit &&
           cloudCount == other.cloudCount && startX == other.startX && startY == other.startY;
}

namespace {
// The map's own data (not its tile set) from a map or a snapshot into the other.
template <typename To, typename From>
void CopyMapData(To& to, const From& from)
{
    to.cells = from.cells;
    to.title = from.title;
    to.author = from.author;
    to.timeLimit = from.timeLimit;
    to.cloudCount = from.cloudCount;
    to.startX = from.startX;
    to.startY = from.startY;
}
}  // namespace

MapSnapshot TakeMapSnapshot(const Map& map)
{
    MapSnapshot snapshot;
    CopyMapData(snapshot, map);
    return snapshot;
}

void RestoreMapSnapshot(Map& map, const MapSnapshot& snapshot) { CopyMapData(map, snapshot); }

// ---------------------------------------------------------------------------
// [SECTION] Check Map

namespace {

std::string GrassCellsText(int count)
{
    return std::to_string(count) + (count == 1 ? " grass cell" : " grass cells");
}

}  // namespace

std::string MapCheckReport(const RoutePlan& plan, int timeLimit)
{
    char text[512];
    const int unreachable = plan.UnreachableCount();
    if (plan.grassTotal == 0) {
        std::snprintf(text, sizeof text, "%s", "There is no grass on this map: the level is won as soon as it starts.");
    } else if (unreachable > 0) {
        std::snprintf(text, sizeof text, "%s%s of %d can never be reached. %s marked in red on the map.",
                      plan.mowerStuck ? "The mower cannot leave its start point: " : "",
                      GrassCellsText(unreachable).c_str(), plan.grassTotal, unreachable == 1 ? "It is" : "They are");
    } else {
        const int normalLimit = SkillTimeLimit(SkillNormal, timeLimit);
        const bool tooLong = plan.Seconds() > normalLimit;
        std::snprintf(text, sizeof text,
                      "Every grass cell can be reached%s the planned route takes %.1f s of the %d s limit on Normal.",
                      tooLong ? ", but" : ":", plan.Seconds(), normalLimit);
    }
    return text;
}

std::string RunUnreachableQuestion(int unreachableCount)
{
    return GrassCellsText(unreachableCount) + " can never be reached.  Run the map anyway?";
}
