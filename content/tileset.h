// Tileset: the 1024 typed tiles every map is painted with, and the tile set
// file format. The 32 x 32 tile images live in one 1024 x 1024 atlas bitmap
// (each tile image is a sub-bitmap of it), so a field of tiles can be drawn in
// one held batch.
#pragma once

#include <allegro5/allegro.h>

#include <array>
#include <cstdint>
#include <string>

// How the mower meets a tile. Stored as a signed byte; a file may hold other
// values, which are kept as they are (they have no name and block nothing).
enum TileType : int8_t {
    TileLand = 0,  // passable, nothing to mow
    TileGrass = 1, // passable, mowed, regrows
    TileSolid = 2, // blocks the mower
    TileWater = 3, // blocks the mower
};

// "Land", "Grass", "Solid", "Water", or "" for any other value.
std::string GetTileTypeName(int8_t type);

struct Tile {
    // 32 x 32 sub-bitmap of the atlas for tiles made here; a loaded tile of
    // another size gets its own bitmap. Owned by the tile set. Draw into it
    // freely; to give a tile a new picture, draw over this one.
    ALLEGRO_BITMAP* image = nullptr;
    std::string description;
    TileType type = TileLand;
};

class Tileset {
public:
    static constexpr int kTileCount = 1024;
    static constexpr int kTileSize = 32;
    static constexpr int kAtlasSize = 1024;                    // pixels per side
    static constexpr int kAtlasColumns = kAtlasSize / kTileSize; // 32 tiles a row

    std::string lastError;
    std::array<Tile, kTileCount> tiles;
    std::string description;
    std::string fileName;
    bool loaded = false;

    Tileset() = default;
    ~Tileset();
    Tileset(const Tileset&) = delete;
    Tileset& operator=(const Tileset&) = delete;

    void Unload();
    // 1024 tiles "(none)", type Land, black 32 x 32 images; empty texts.
    void New();
    // On any failure lastError is set and the set keeps its earlier contents.
    bool Load(const char* path);
    // Writes through a temporary file; the old file survives a failed save.
    bool Save(const char* path);

    // Null for an index outside 0..1023 or a set without images.
    ALLEGRO_BITMAP* GetTileImage(int index) const;
    // The tile's type; Land for an index outside 0..1023.
    TileType GetTileType(int index) const;
    // Draws one tile with its top-left at (x, y); nothing for a bad index.
    void DrawTile(int index, float x, float y) const;
    // The bitmap that holds the 32 x 32 tiles (null while not loaded).
    ALLEGRO_BITMAP* GetAtlas() const { return atlas; }
    // Where tile index sits in the atlas.
    static int AtlasX(int index) { return (index % kAtlasColumns) * kTileSize; }
    static int AtlasY(int index) { return (index / kAtlasColumns) * kTileSize; }

    void Swap(Tileset& other);

private:
    ALLEGRO_BITMAP* atlas = nullptr;

    // Makes the cleared atlas and its 1024 sub-bitmaps; false without memory.
    bool CreateAtlas();
    friend bool ImportZentorTileset(Tileset& tileset, const char* path);
    friend class TilesetReader;
};
