// Slider maths: thumb size and place, value from the pointer, level colours.
#include "kwui/slider.h"

#include <gtest/gtest.h>

#include <set>

namespace {

SliderClass VolumeSlider(int32_t* value)
{
    SliderClass slider;
    slider.name = "Volume";
    slider.x = 100;
    slider.y = 50;
    slider.w = 590;
    slider.h = 20;
    slider.min = 0;
    slider.max = 255;
    slider.value = value;
    slider.levelColours = true;
    return slider;
}

}  // namespace

TEST(Slider, VolumeThumbRunsFromTheStartToXPlus570)
{
    int32_t value = 255;
    SliderClass slider = VolumeSlider(&value);
    const int thumb = SliderClass::ThumbLength(slider);
    EXPECT_EQ(thumb, 20);
    EXPECT_EQ(SliderClass::ThumbPosition(slider, thumb), 570);
    value = 0;
    EXPECT_EQ(SliderClass::ThumbPosition(slider, thumb), 0);
}

TEST(Slider, ClicksAtBothEndsGiveMinAndMax)
{
    int32_t value = 100;
    SliderClass slider = VolumeSlider(&value);
    slider.min = 3;
    EXPECT_EQ(SliderClass::ValueAt(slider, 20, slider.x), 3);
    EXPECT_EQ(SliderClass::ValueAt(slider, 20, slider.x + slider.w), 255);
}

TEST(Slider, DraggingMovesInWholePercentSteps)
{
    int32_t value = 0;
    const SliderClass slider = VolumeSlider(&value);
    std::set<int32_t> seen;
    for (int px = slider.x; px <= slider.x + slider.w; ++px) seen.insert(SliderClass::ValueAt(slider, 20, px));
    std::set<int32_t> steps;
    for (int percent = 0; percent <= 100; ++percent) steps.insert(static_cast<int32_t>(255.0 * percent / 100.0));
    EXPECT_EQ(seen, steps);
    EXPECT_TRUE(seen.count(2) && seen.count(5) && seen.count(7) && seen.count(10));
    EXPECT_FALSE(seen.count(1));
}

TEST(Slider, LevelColoursByQuarter)
{
    EXPECT_EQ(SliderClass::LevelOf(63, 255), 0);   // green
    EXPECT_EQ(SliderClass::LevelOf(64, 255), 1);   // yellow
    EXPECT_EQ(SliderClass::LevelOf(128, 255), 2);  // orange
    EXPECT_EQ(SliderClass::LevelOf(192, 255), 3);  // red
    EXPECT_EQ(SliderClass::LevelOf(191, 255), 2);
}

TEST(Slider, PageSizedThumbShowsTheVisibleShareButAtLeast20)
{
    int32_t top = 0;
    SliderClass bar;
    bar.vertical = true;
    bar.w = 20;
    bar.h = 200;
    bar.min = 0;
    bar.max = 49;
    bar.pageSize = 10;
    bar.value = &top;
    EXPECT_EQ(SliderClass::ThumbLength(bar), 40);
    bar.pageSize = 2;
    EXPECT_EQ(SliderClass::ThumbLength(bar), 20);
    bar.pageSize = -1;
    bar.thumbLength = 33;
    EXPECT_EQ(SliderClass::ThumbLength(bar), 33);
}

TEST(Slider, VerticalValueFollowsThePointerY)
{
    int32_t top = 0;
    SliderClass bar;
    bar.vertical = true;
    bar.x = 0;
    bar.y = 100;
    bar.w = 20;
    bar.h = 220;
    bar.max = 10;
    bar.value = &top;
    // (m - 10 - 100) * 100 / 200 = 50 percent
    EXPECT_EQ(SliderClass::ValueAt(bar, 20, 210), 5);
}

TEST(Slider, AThumbThatFillsTheSliderIgnoresClicks)
{
    int32_t value = 7;
    SliderClass slider = VolumeSlider(&value);
    slider.thumbLength = slider.w;
    EXPECT_EQ(SliderClass::ValueAt(slider, slider.w, slider.x + 10), 7);
    slider.thumbLength = slider.w + 30;
    EXPECT_EQ(SliderClass::ValueAt(slider, slider.w + 30, slider.x + slider.w), 7);
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
    SliderClass slider;
    slider.name = "Empty";
    slider.x = 10;
    slider.y = 10;
    slider.w = 150;
    slider.h = 20;
    slider.max = 0;
    slider.value = &value;
    SliderClass::Update(slider);  // returns before it would read the mouse
    al_restore_state(&state);

    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(target, 15, 20), &r, &g, &b);  // where a thumb at 0 would be
    EXPECT_EQ(r, 79);
    EXPECT_EQ(g, 79);
    EXPECT_EQ(b, 79);
    al_unmap_rgb(al_get_pixel(target, 12, 40), &r, &g, &b);  // no caption below
    EXPECT_EQ(r, 255);
    EXPECT_EQ(value, 5);
    al_destroy_bitmap(target);
}
