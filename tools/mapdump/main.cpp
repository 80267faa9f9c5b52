// mapdump: prints a map file as the game's own loader reads it, one field a
// line, then the 16 rows of 25 cell values. Used by the map editor's
// end-to-end tests and handy for checking a level by hand.
//   mapdump FILE.map             the map's fields and cells
//   mapdump --first-tile TYPE    index of the first used tile of that type (0 Land,
//                                1 Grass, 2 Solid, 3 Water) in the game tile set
//   mapdump --line-height        the toolkit's standard line height
// Content and the font are found from the working folder, as the game does.
#include "content/map.h"
#include "kwui/core.h"
#include "kwui/draw.h"
#include "tools/mapfields.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int DumpMap(const char* path)
{
    Map map;
    if (!map.Load(path)) {
        std::fprintf(stderr, "%s\n", map.lastError.c_str());
        return 1;
    }
    PrintMapFields(map);
    PrintMapRows(map);
    return 0;
}

int FirstTileOfType(int type)
{
    Map map;
    map.LoadDefaultTileset();
    if (map.tileSetFile.empty()) {
        std::fprintf(stderr, "mapdump: no tile set at %s\n", Map::kDefaultTileset);
        return 1;
    }
    for (int index = 0; index < Tileset::kTileCount; ++index) {
        // Unused tiles ("(none)", black) are Land too; skip them.
        if (map.tileSet.tiles[index].description == "(none)") continue;
        if (map.tileSet.GetTileType(index) == type) {
            std::printf("%d\n", index);
            return 0;
        }
    }
    std::fprintf(stderr, "mapdump: no tile of type %d\n", type);
    return 1;
}

int PrintLineHeight()
{
    if (!KW_LoadFonts()) return 1;
    std::printf("%d\n", KW_LineHeight());
    KW_DestroyFonts();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool firstTile = argc == 3 && std::strcmp(argv[1], "--first-tile") == 0;
    const bool lineHeight = argc == 2 && std::strcmp(argv[1], "--line-height") == 0;
    if (!firstTile && !lineHeight && argc != 2) {
        std::fprintf(stderr, "usage: mapdump FILE.map | --first-tile TYPE | --line-height\n");
        return 2;
    }
    if (!al_init() || !al_init_image_addon()) {
        std::fprintf(stderr, "mapdump: Allegro could not start\n");
        return 2;
    }
    if (lineHeight) return PrintLineHeight();
    if (firstTile) return FirstTileOfType(std::atoi(argv[2]));
    return DumpMap(argv[1]);
}
