// SliderClass: trough, thumb, optional level bar, caption and value, and the
// mouse that sets the owner's value in whole percent steps.
#include "kwui/slider.h"

#include "kwui/core.h"
#include "kwui/draw.h"
#include "kwui/input.h"
#include "kwui/tooltip.h"

#include <algorithm>
#include <cstdio>

// [SECTION] Slider maths

int SliderClass::ThumbLength(const SliderClass& slider)
{
    int thumb = -1;
    if (slider.thumbLength != -1) {
        thumb = slider.thumbLength;
    } else if (slider.pageSize != -1) {
        int range = slider.max - slider.min + 1;
        if (range == 0) range = 1;
        const int length = slider.vertical ? slider.h : slider.w;
        thumb = static_cast<int>(static_cast<float>(slider.pageSize) / static_cast<float>(range) *
                                 static_cast<float>(length));
    }
    return std::max(thumb, 20);
}

int SliderClass::ThumbPosition(const SliderClass& slider, int thumb)
{
    if (slider.max < 1 || !slider.value) return 0;
    const int length = slider.vertical ? slider.h : slider.w;
    return static_cast<int>(static_cast<int64_t>(length - thumb) * *slider.value / slider.max);
}

int32_t SliderClass::ValueAt(const SliderClass& slider, int thumb, int pointer)
{
    const int start = slider.vertical ? slider.y : slider.x;
    const int travel = (slider.vertical ? slider.h : slider.w) - thumb;
    // A thumb that fills the slider leaves nothing to slide along.
    if (travel <= 0) return slider.value ? *slider.value : slider.min;
    const int percent = (pointer - thumb / 2 - start) * 100 / travel;
    const double v = static_cast<double>(slider.max) * percent / 100.0;
    if (v > slider.max) return slider.max;
    if (v < slider.min) return slider.min;
    return static_cast<int32_t>(v);
}

int SliderClass::LevelOf(int32_t value, int32_t max)
{
    const float v = static_cast<float>(value);
    const float m = static_cast<float>(max);
    if (v < m * 0.25f) return 0;
    if (v < m * 0.5f) return 1;
    if (v < m * 0.75f) return 2;
    return 3;
}

ALLEGRO_COLOR SliderClass::LevelColour(int32_t value, int32_t max)
{
    static const KW_ThemeColour levels[4] = {KWC_Green, KWC_Yellow, KWC_Orange, KWC_Red};
    return KW_Colour(levels[LevelOf(value, max)]);
}

// [SECTION] Update

void SliderClass::Update(SliderClass& s)
{
    KW_DrawBevelBox(s.x, s.y, s.x + s.w, s.y + s.h, 255, KW_Colour(KWC_MenuItemFill), KW_Colour(KWC_TitleLight),
                    KW_Colour(KWC_TitleDark));
    if (s.max < 1 || !s.value) return;

    const int thumb = ThumbLength(s);
    const ALLEGRO_COLOR ink = KW_Colour(KWC_Ink);
    if (!s.name.empty()) {
        KW_DrawFontText(kwFont, s.x, s.y + s.h + 2, ink, s.name.c_str());
        char number[32];
        std::snprintf(number, sizeof number, "%d", *s.value);
        KW_DrawFontText(kwFont, s.x + s.w - KW_TextWidth(number), s.y + s.h + 2, ink, number);
    }

    // thumb and level bar
    const int p = ThumbPosition(s, thumb);
    const ALLEGRO_COLOR light = KW_Colour(KWC_TitleFill), dark = KW_Colour(KWC_MidBlue), fill = KW_Colour(KWC_Navy);
    if (s.vertical)
        KW_DrawBevelBox(s.x, s.y + p, s.x + s.w, s.y + p + thumb, 255, light, dark, fill);
    else
        KW_DrawBevelBox(s.x + p, s.y, s.x + p + thumb, s.y + s.h, 255, light, dark, fill);
    if (s.levelColours) {
        const ALLEGRO_COLOR level = LevelColour(*s.value, s.max);
        if (!s.vertical && p - 1 >= 1)
            KW_DrawRect(s.x + 1, s.y + 1, s.x + p - 1, s.y + s.h - 1, true, level, 255);
        else if (s.vertical && s.y + p + thumb + 1 <= s.y + s.h - 1)
            KW_DrawRect(s.x + 1, s.y + p + thumb + 1, s.x + s.w - 1, s.y + s.h - 1, true, level, 255);
    }

    // mouse: no capture, the value follows the pointer only inside the slider
    const int mx = KW_GetMouseX();
    const int my = KW_GetMouseY();
    if (mx < s.x || mx > s.x + s.w || my < s.y || my > s.y + s.h) return;
    if (kwMouse.buttons & 1) {
        *s.value = ValueAt(s, thumb, s.vertical ? my : mx);
    } else if (!s.name.empty()) {
        KW_QueueToolTip(mx + 10, s.y + s.h + 10, "Click to adjust %s", s.name.c_str());
    }
}
