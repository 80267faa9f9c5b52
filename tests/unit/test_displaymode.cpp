// The display-mode list: one row per size.
#include "kwui/displaymode.h"

#include <gtest/gtest.h>

TEST(DisplayMode, OneRowPerSizeAndTheListFillsThePanelAboveTheButtons)
{
    std::vector<std::pair<int32_t, int32_t>> modes;
    KW_AddDisplayMode(modes, 1024, 768);
    KW_AddDisplayMode(modes, 800, 600);
    KW_AddDisplayMode(modes, 1024, 768);  // same size, another refresh rate
    KW_AddDisplayMode(modes, 768, 1024);
    EXPECT_EQ(modes, (std::vector<std::pair<int32_t, int32_t>>{{1024, 768}, {800, 600}, {768, 1024}}));

    // a 480-pixel panel at 60 with buttons at 60 + 480 - 5 - 34 and a line height of 26
    EXPECT_EQ(KW_DisplayModeListRows(60 + 441, 60, 26), (441 - 104) / 26);
    EXPECT_EQ(KW_DisplayModeListRows(100, 90, 26), 1);
}
