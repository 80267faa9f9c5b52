// The sprite editor's preview: the sprite animated, spinning and with its
// shadow over a generated lawn, plus a small still copy in the corner.
#include "editors/spriteeditor.h"

#include "editors/spriteops.h"
#include "kwui/dialogs.h"
#include "kwui/kwui.h"

#include <vector>

ALLEGRO_BITMAP* CreateLawnBackdrop(int width, int height)
{
    if (width <= 0 || height <= 0) return nullptr;
    ALLEGRO_BITMAP* backdrop = al_create_bitmap(width, height);
    if (!backdrop) return nullptr;
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(backdrop, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    if (!region) {
        al_destroy_bitmap(backdrop);
        return nullptr;
    }
    const std::vector<LawnRgb> lawn = GenerateLawn(width, height);
    for (int y = 0; y < height; ++y) {
        unsigned char* out = static_cast<unsigned char*>(region->data) + y * region->pitch;
        const LawnRgb* in = lawn.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (int x = 0; x < width; ++x, out += 4) {
            out[0] = in[x].r;
            out[1] = in[x].g;
            out[2] = in[x].b;
            out[3] = 255;
        }
    }
    al_unlock_bitmap(backdrop);
    return backdrop;
}

void RunSpritePreview(SpriteEditor& editor)
{
    const int W = kwScreenW, H = kwScreenH;
    ALLEGRO_BITMAP* backdrop = CreateLawnBackdrop(W, H);
    if (!backdrop) {
        KW_ShowMessage("%s", "Unable to create backdrop bitmap");
        return;
    }

    Sprite& sprite = editor.sprite;
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    uint8_t angle = 0;  // a full turn every 128 frames
    // Neither the key nor the click that ends the preview reaches the
    // editor's toolbar: V would open the preview again.
    KW_ModalScope modal;
    for (;;) {
        KW_RedrawAll();  // the sprite turns and plays
        al_clear_to_color(al_map_rgb(129, 162, 255));
        al_draw_bitmap(backdrop, 0, 0, 0);
        const int width = sprite.GetFrameWidth(0), height = sprite.GetFrameHeight(0);
        sprite.Draw(width / 2 + 2, height / 2 + 2, 1, 0, 1, 255);
        sprite.Draw((W - width) / 2, (H - height) / 2, 16, angle, editor.zoom, 255);
        KW_DrawTextF(2, 2, white, "%s", "Previewing sprite - press V, Escape or click mouse to exit");
        KW_PresentFrame();
        angle = static_cast<uint8_t>(angle + 2);

        const bool leaveKey = kwKeyCode == ALLEGRO_KEY_ESCAPE || kwKeyCode == ALLEGRO_KEY_V;
        if (leaveKey || (KW_GetMouseButtons() & 3) != 0) break;
    }

    al_destroy_bitmap(backdrop);
    KW_WaitMouseRelease();
}
