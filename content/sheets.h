// Picture sheets other programs read and write: the tile set as one PNG of
// 32 x 32 tiles, and a sprite as a PNG strip of its frames side by side with a
// JSON file beside it naming each frame's rectangle and display time (the
// "frames" array sprite-sheet tools write). Needs Allegro's image add-on.
#pragma once

#include <allegro5/allegro.h>

#include <cstdint>
#include <map>
#include <string>

class Tileset;
class Sprite;

// A new memory bitmap whose pixels are R, G, B, A bytes (the ABGR_8888_LE
// format), cleared to transparent black; null without memory. The caller owns it.
ALLEGRO_BITMAP* CreateMemoryBitmap(int width, int height);

// A picture file as a memory bitmap with its alpha as stored (not
// premultiplied); null when it cannot be read. The caller owns it.
ALLEGRO_BITMAP* LoadPictureAsMemory(const std::string& path);

// The 1024 x 1024 sheet of the tile set as a memory bitmap: tile i at column
// i % 32, row i / 32, a transparent pixel as magenta (tiles are opaque). A tile
// of another size is drawn to 32 x 32 (nearest pixel). Null without memory.
ALLEGRO_BITMAP* MakeTileSheet(const Tileset& tileset);

// How a sheet is cut, and what a TSX adds to its pictures.
struct TileSheetLayout {
    int columns = 0;   // 0: as many as the sheet's width holds
    int margin = 0;    // pixels around the sheet
    int spacing = 0;   // pixels between tiles
    int tileCount = 0; // 0: every tile the sheet holds
    bool hasSetDescription = false;
    std::string setDescription;
    struct TileText {
        bool hasType = false;
        int8_t type = 0;
        bool hasDescription = false;
        std::string description;
    };
    std::map<int, TileText> tiles;
};

// Puts the sheet's tiles into the tile set, tile i of the sheet into tile i:
// an alpha-0 pixel becomes magenta, tiles the sheet does not hold keep their
// pictures, and the layout's texts are set. A sheet of more than 1024 tiles,
// or one without a whole tile, is refused and the set is kept (error names
// displayName).
bool ApplyTileSheet(Tileset& tileset, ALLEGRO_BITMAP* sheet, const TileSheetLayout& layout,
                    const std::string& displayName, std::string& error);
// A bare PNG sheet: its sides must be multiples of 32.
bool ImportTileSheetPng(Tileset& tileset, const std::string& path, std::string& error);

// Writes the frames side by side into a PNG at pngPath (each cell as wide as
// the widest frame, transparent around smaller frames) and the frame list as
// JSON beside it (same name, ".json"). Both through temporary files.
bool ExportSpriteStrip(const Sprite& sprite, const std::string& pngPath, std::string& error);
// Reads a strip back: with frameWidth 0 the JSON beside it gives the frames;
// otherwise the strip is cut into frames of that width and the full height.
// Magenta pixels become transparent. The sprite is kept when it refuses.
bool ImportSpriteStrip(Sprite& sprite, const std::string& pngPath, int frameWidth, std::string& error);

// path with its extension (if any) replaced by extension (".png").
std::string ReplaceExtension(const std::string& path, const std::string& extension);
