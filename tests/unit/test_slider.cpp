// Slider maths: thumb size and place, value from the pointer, level colours.
#include "kwui/slider.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {
SliderClass Bar(int32_t x, int32_t y, int32_t w, int32_t h, int32_t max, int32_t* value, bool vertical = false)
{
    return SliderClass{"Volume", x, y, w, h, 0, max, value, vertical};  // min 0, thumb and page size -1
}
}  // namespace

TEST(Slider, VolumeThumbClicksAndDragsInWholePercentSteps)
{
    int32_t value = 255;
    SliderClass slider = Bar(100, 50, 590, 20, 255, &value);
    const int thumb = SliderClass::ThumbLength(slider);
    EXPECT_EQ(thumb, 20);
    EXPECT_EQ(SliderClass::ThumbPosition(slider, thumb), 570);
    value = 0;
    EXPECT_EQ(SliderClass::ThumbPosition(slider, thumb), 0);

    slider.min = 3;
    EXPECT_EQ(SliderClass::ValueAt(slider, 20, slider.x), 3);
    EXPECT_EQ(SliderClass::ValueAt(slider, 20, slider.x + slider.w), 255);

    // A thumb that fills the slider ignores clicks.
    value = 7;
    slider.thumbLength = slider.w;
    EXPECT_EQ(SliderClass::ValueAt(slider, slider.w, slider.x + 10), 7);
    slider.thumbLength = slider.w + 30;
    EXPECT_EQ(SliderClass::ValueAt(slider, slider.w + 30, slider.x + slider.w), 7);

    // Dragging moves in whole percent steps.
    slider.min = 0;
    slider.thumbLength = -1;
    std::set<int32_t> seen;
    for (int px = slider.x; px <= slider.x + slider.w; ++px) seen.insert(SliderClass::ValueAt(slider, 20, px));
    EXPECT_EQ(seen.size(), 101u) << "one value for each percent";
    EXPECT_TRUE(seen.count(2) && seen.count(5) && seen.count(7) && seen.count(10));
    EXPECT_FALSE(seen.count(1));

    // Levels go by quarter: green, yellow, orange, red.
    for (const auto& [level, from, to] : {std::tuple{0, 0, 63}, {1, 64, 127}, {2, 128, 191}, {3, 192, 255}}) {
        EXPECT_EQ(SliderClass::LevelOf(from, 255), level) << from;
        EXPECT_EQ(SliderClass::LevelOf(to, 255), level) << to;
    }
}

TEST(Slider, ScrollBarThumbShowsTheVisibleShareAndFollowsThePointerY)
{
    int32_t top = 0;
    SliderClass bar = Bar(0, 100, 20, 200, 49, &top, true);
    bar.pageSize = 10;
    EXPECT_EQ(SliderClass::ThumbLength(bar), 40);
    bar.pageSize = 2;
    EXPECT_EQ(SliderClass::ThumbLength(bar), 20) << "at least 20";
    bar.pageSize = -1;
    bar.thumbLength = 33;
    EXPECT_EQ(SliderClass::ThumbLength(bar), 33);

    bar = Bar(0, 100, 20, 220, 10, &top, true);
    // (m - 10 - 100) * 100 / 200 = 50 percent
    EXPECT_EQ(SliderClass::ValueAt(bar, 20, 210), 5);
}

TEST(Slider, MaxZeroDrawsOnlyTheTroughAndLeavesTheValue)
{
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_TARGET_BITMAP | ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* target = al_create_bitmap(200, 60);
    al_set_target_bitmap(target);
    al_clear_to_color(al_map_rgb(255, 255, 255));
    int32_t value = 5;
    SliderClass slider = Bar(10, 10, 150, 20, 0, &value);
    SliderClass::Update(slider);  // returns before it would read the mouse
    al_restore_state(&state);

    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(target, 15, 20), &r, &g, &b);  // where a thumb at 0 would be
    EXPECT_EQ(r * 65536 + g * 256 + b, 0x4F4F4F) << "the trough's grey";
    al_unmap_rgb(al_get_pixel(target, 12, 40), &r, &g, &b);  // no caption below
    EXPECT_EQ(r, 255);
    EXPECT_EQ(value, 5);
    al_destroy_bitmap(target);
}
