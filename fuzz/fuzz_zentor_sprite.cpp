// ImportZentorSprite on arbitrary bytes; an imported sprite draws.
#include "content/sprite.h"
#include "content/zentor.h"
#include "fuzz_common.h"

SODBOLT_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Sprite sprite;
    sprite.description = "kept";
    if (!ImportZentorSprite(sprite, WriteFuzzInput(data, size))) {
        if (sprite.description != "kept") std::abort();
        return 0;
    }
    static ALLEGRO_BITMAP* canvas = al_create_bitmap(64, 64);
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(canvas);
    sprite.Draw(0, 0, 1, 200, 1, 255);
    al_set_target_bitmap(previous);
    return 0;
}
