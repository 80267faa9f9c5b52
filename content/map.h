// Map: one level of 25 x 16 cells of tile indices with its title, author,
// time limit, cloud count and mower start, the map file format, and the game
// tile set every map is shown with.
#pragma once

#include "content/tileset.h"

#include <array>
#include <cstdint>
#include <string>

// The field every map fills and the game is played on: 25 x 16 cells of
// 32 x 32 pixels, 800 x 512 in all, origin top left.
constexpr int kFieldColumns = 25;
constexpr int kFieldRows = 16;
constexpr int kCellSize = Tileset::kTileSize;
constexpr int kFieldWidth = kFieldColumns * kCellSize;
constexpr int kFieldHeight = kFieldRows * kCellSize;
// The last tile of a set is the mown-grass image a cut cell shows.
constexpr int kMownGrassTile = Tileset::kTileCount - 1;

class Map {
public:
    // The field's sizes under the record's own name, as the editors and tools spell them.
    static constexpr int kColumns = kFieldColumns;
    static constexpr int kRows = kFieldRows;
    static constexpr int kCellCount = kColumns * kRows;
    static constexpr int kCellSize = ::kCellSize;
    static constexpr int kMowedTile = kMownGrassTile;
    static constexpr const char* kDefaultTileset = "tiles/sodbolt.til";

    bool loaded = false;
    std::string lastError;
    std::string tileSetFile;                  // resolved path, "" for a blank set
    std::array<uint16_t, kCellCount> cells{}; // row-major: r * 25 + c
    std::string title;
    std::string author;
    uint16_t cloudCount = 0;
    uint16_t timeLimit = 0;
    uint16_t startX = 0;
    uint16_t startY = 0;
    Tileset tileSet;

    Map() = default;
    ~Map();
    Map(const Map&) = delete;
    Map& operator=(const Map&) = delete;

    void New();
    // Reads a map file of version 1 to 3 and then loads the default tile set.
    // On failure every field keeps its earlier value.
    bool Load(const char* path);
    // Writes version 3 through a temporary file.
    bool Save(const char* path);
    // Loads "tiles/sodbolt.til" (mod folder first); a blank set when missing.
    void LoadDefaultTileset();

    std::string GetTitle() const { return title; }
    std::string GetAuthor() const { return author; }
    std::string GetLastError() const { return lastError; }

    // Cells outside the grid read as 0 and ignore writes.
    uint16_t GetCell(int column, int row) const;
    void SetCell(int column, int row, uint16_t tile);
    // The type of the cell's tile. A cell value of 1024 or more is kept as
    // stored but counts as an empty Land tile.
    TileType GetCellType(int column, int row) const;
    // The cell's tile image; null for a value of 1024 or more.
    ALLEGRO_BITMAP* GetCellImage(int column, int row) const;

    // Draws the 25 x 16 field with its top-left at (x, y) into the current
    // target, in one held batch. With cutFlags (400 entries, row-major), a
    // cell whose flag is not 0 shows tile 1023, the mown-grass image.
    void Draw(float x, float y, const uint8_t* cutFlags = nullptr) const;
};
