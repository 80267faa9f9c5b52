// Slider maths: thumb size and place, value from the pointer.
#include "kwui/slider.h"

#include "content_testing.h"

#include <gtest/gtest.h>

#include <set>

TEST(Slider, VolumeThumbClicksAndDragsInWholePercentSteps)
{
    int32_t value = 255;
    SliderClass slider{"Volume", 100, 50, 590, 20, 0, 255, &value, false};
    const int thumb = SliderClass::ThumbLength(slider);
    EXPECT_EQ(SliderClass::ThumbPosition(slider, thumb), 590 - thumb);
    value = 7;
    slider.thumbLength = slider.w + 30;
    EXPECT_EQ(SliderClass::ValueAt(slider, slider.w + 30, slider.x + slider.w), 7) << "a thumb that fills the slider ignores clicks";
    slider.thumbLength = -1;
    std::set<int32_t> seen;
    for (int px = slider.x; px <= slider.x + slider.w; ++px) seen.insert(SliderClass::ValueAt(slider, thumb, px));
    EXPECT_EQ(seen.size(), 101u) << "one value for each percent";
}

TEST(Slider, AScrollBarThumbIsAtLeastTwentyLongAndMaxZeroDrawsOnlyTheTrough)
{
    int32_t top = 0;
    SliderClass bar{"", 0, 100, 20, 200, 0, 49, &top, true};
    bar.pageSize = 2;
    EXPECT_EQ(SliderClass::ThumbLength(bar), 20) << "a thumb for 2 rows of 50 is still 20 pixels long";

    ALLEGRO_BITMAP* target = MakeFilledBitmap(200, 60, al_map_rgb(255, 255, 255));
    int32_t value = 5;
    SliderClass empty{"Volume", 10, 10, 150, 20, 0, 0, &value, false};
    DrawOn(target, [&] { SliderClass::Update(empty); });  // returns before it would read the mouse
    EXPECT_EQ(PixelOf(target, 15, 20), (Rgba{0x4F, 0x4F, 0x4F, 255})) << "the trough's grey where a thumb at 0 would be";
    EXPECT_EQ(PixelOf(target, 12, 40).r, 255) << "no caption below";
    EXPECT_EQ(value, 5);
    al_destroy_bitmap(target);
}
