// ImportZentorTileset on arbitrary bytes; a refused import keeps the set.
#include "content/tileset.h"
#include "content/zentor.h"
#include "fuzz_common.h"

SODBOLT_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Tileset* set = [] {
        Tileset* made = new Tileset;
        made->New();
        return made;
    }();
    set->tiles[0].description = "kept";
    if (!ImportZentorTileset(*set, WriteFuzzInput(data, size)) && set->tiles[0].description != "kept") std::abort();
    return 0;
}
