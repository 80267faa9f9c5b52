// Tileset::Load on arbitrary bytes: refused or loaded, never a crash, and a
// failed load keeps the earlier set.
#include "content/tileset.h"
#include "fuzz_common.h"

SODBOLT_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Tileset* set = [] {
        Tileset* made = new Tileset;
        made->New();
        made->description = "kept";
        return made;
    }();
    const std::string before = set->description;
    if (!set->Load(WriteFuzzInput(data, size))) {
        if (set->description != before || !set->loaded) std::abort();
    } else {
        // A loaded set is whole: 1024 images, each drawable.
        for (int i = 0; i < Tileset::kTileCount; ++i)
            if (!set->GetTileImage(i)) std::abort();
        set->description = "kept";
    }
    return 0;
}
