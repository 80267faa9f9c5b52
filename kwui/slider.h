// SliderClass edits an integer its owner keeps: a trough with a thumb, an
// optional level bar, and (vertical, page-sized thumb) the list scroll bar.
#pragma once

#include "kwui/framebox.h"

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>

class SliderClass {
public:
    std::string name;  // caption and hint; empty: none
    int32_t x = 0, y = 0;
    int32_t w = 0, h = 0;
    int32_t min = 0, max = 0;  // max below 1 disables everything but the trough
    int32_t* value = nullptr;  // the owner's variable
    bool vertical = false;
    int32_t thumbLength = -1;  // fixed thumb length, or -1
    int32_t pageSize = -1;     // values visible at once (scroll bars), or -1
    bool levelColours = false;

    // Draws the slider and applies the mouse; once per frame.
    static void Update(SliderClass& slider);

    // [SECTION] Slider maths (plain values, used by Update and the tests)
    static int ThumbLength(const SliderClass& slider);
    // Thumb offset from the slider's start for the current value.
    static int ThumbPosition(const SliderClass& slider, int thumb);
    // The value for a pointer coordinate (x, or y when vertical) along the
    // slider; whole percent steps of max, clamped to min and max.
    static int32_t ValueAt(const SliderClass& slider, int thumb, int pointer);
    // 0 green, 1 yellow, 2 orange, 3 red.
    static int LevelOf(int32_t value, int32_t max);
    static ALLEGRO_COLOR LevelColour(int32_t value, int32_t max);
};
