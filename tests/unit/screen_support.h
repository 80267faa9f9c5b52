// A real display of a given size with the toolkit's theme and both fonts, for
// the screen tests that draw as the program does and read the pixels back.
#pragma once

#include "kwui/kwui.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_ttf.h>

struct TestScreen {
    ALLEGRO_DISPLAY* display = nullptr;
    int oldFlags = 0;

    // False when no display can be made (the test then skips).
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
