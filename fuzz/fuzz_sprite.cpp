// Sprite::Load on arbitrary bytes; a loaded sprite draws and saves.
#include "content/sprite.h"
#include "fuzz_common.h"

SODBOLT_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Sprite sprite;
    if (!sprite.Load(WriteFuzzInput(data, size))) {
        if (sprite.GetFrameCount() != 0) std::abort();
        return 0;
    }
    static ALLEGRO_BITMAP* canvas = al_create_bitmap(64, 64);
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(canvas);
    sprite.Draw(8, 8, 2, 37, 1, 200);
    al_set_target_bitmap(previous);
    for (int16_t i = -1; i <= sprite.GetFrameCount(); ++i) (void)sprite.GetFrameWidth(i);
    return 0;
}
