// A real display with the toolkit's theme and fonts for screen tests that read pixels back; a blank widget icon.
#pragma once

#include "kwui/kwui.h"
#include "kwui/textures.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_ttf.h>

#include <cstdint>
#include <vector>

struct TestScreen {
    ALLEGRO_DISPLAY* display = nullptr;
    int oldFlags = 0;

    bool Open(int width, int height)
    {
        oldFlags = al_get_new_bitmap_flags();
        al_set_new_bitmap_flags(0);
        display = al_create_display(width, height);
        if (!display) return false;
        al_init_font_addon();
        al_init_ttf_addon();
        kwDisplay = display;
        kwScreenW = width;
        kwScreenH = height;
        KW_BuildTheme();
        kwFont = al_load_ttf_font("kwuidata/fonts/DejaVuSans.ttf", 22, 0);
        kwFontMedium = al_load_ttf_font("kwuidata/fonts/DejaVuSans.ttf", 48, 0);
        return true;
    }
    bool FontsLoaded() const { return kwFont && kwFontMedium; }

    void Close()
    {
        if (kwFont) al_destroy_font(kwFont);
        if (kwFontMedium) al_destroy_font(kwFontMedium);
        kwFont = kwFontMedium = nullptr;
        kwDisplay = nullptr;
        if (display) al_destroy_display(display);
        display = nullptr;
        al_set_new_bitmap_flags(oldFlags);
    }
};

// The current display's colours, row by row (alpha left out: the window shows none); empty if unreadable.
inline std::vector<uint32_t> ReadScreenPixels()
{
    ALLEGRO_BITMAP* back = al_get_backbuffer(al_get_current_display());
    const int w = al_get_bitmap_width(back), h = al_get_bitmap_height(back);
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    ALLEGRO_LOCKED_REGION* region = al_lock_bitmap(back, ALLEGRO_PIXEL_FORMAT_ABGR_8888, ALLEGRO_LOCK_READONLY);
    if (!region) return {};
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const char*>(region->data) + y * region->pitch);
        for (int x = 0; x < w; ++x) pixels[static_cast<size_t>(y) * w + x] = row[x] & 0x00FFFFFFu;
    }
    al_unlock_bitmap(back);
    return pixels;
}

// A blank 32 x 32 icon in memory: a button or toolbar entry that has a picture.
inline KW_Texture BlankIcon()
{
    const int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(32, 32);
    al_set_new_bitmap_flags(flags);
    KW_Texture icon = KW_MakeTexture(bitmap, "icon");
    al_destroy_bitmap(bitmap);
    return icon;
}
