// Map::Load on arbitrary bytes; a failed load keeps every field.
#include "content/map.h"
#include "fuzz_common.h"

SODBOLT_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Map* map = new Map;
    map->title = "kept";
    map->cells[399] = 7;
    if (!map->Load(WriteFuzzInput(data, size))) {
        if (map->title != "kept" || map->cells[399] != 7) std::abort();
    } else {
        // Whatever the cells hold, typing them stays inside the tile set.
        for (int r = 0; r < Map::kRows; ++r)
            for (int c = 0; c < Map::kColumns; ++c) (void)map->GetCellType(c, r);
    }
    return 0;
}
