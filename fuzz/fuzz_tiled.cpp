// The TMX and TSX readers on arbitrary bytes (malformed XML, huge numbers,
// deep nesting, damaged packed layers): a refused import keeps the map and
// the tile set, and an accepted map holds only tiles of the set.
#include "content/map.h"
#include "content/tiledmap.h"
#include "fuzz_common.h"

SODBOLT_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Map* map = [] {
        Map* made = new Map;
        made->New();
        return made;
    }();
    static Tileset* tileset = [] {
        Tileset* made = new Tileset;
        made->New();
        return made;
    }();
    const char* path = WriteFuzzInput(data, size);
    map->title = "kept";
    map->cells[399] = 7;
    std::string error;
    if (!ImportMapFromTmx(*map, path, error)) {
        if (map->title != "kept" || map->cells[399] != 7 || error.empty()) std::abort();
    } else {
        for (uint16_t cell : map->cells)
            if (cell >= Tileset::kTileCount) std::abort();
    }
    tileset->description = "kept";
    if (!ImportTilesetFromTsx(*tileset, path, error) && tileset->description != "kept") std::abort();
    return 0;
}
