// Slider maths: thumb size and place, value from the pointer.
#include "kwui/slider.h"

#include "content_testing.h"

#include <gtest/gtest.h>

#include <set>

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
    ALLEGRO_BITMAP* target = MakeFilledBitmap(200, 60, al_map_rgb(255, 255, 255));
    int32_t value = 5;
    SliderClass slider = Bar(10, 10, 150, 20, 0, &value);
    DrawOn(target, [&] { SliderClass::Update(slider); });  // returns before it would read the mouse
    EXPECT_EQ(PixelOf(target, 15, 20), (Rgba{0x4F, 0x4F, 0x4F, 255})) << "the trough's grey where a thumb at 0 would be";
    EXPECT_EQ(PixelOf(target, 12, 40).r, 255) << "no caption below";
    EXPECT_EQ(value, 5);
    al_destroy_bitmap(target);
}
