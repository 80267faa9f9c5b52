// The display-mode list: one row per size; a size the display cannot make is refused.
#include "kwui/displaymode.h"

#include "kwui/console.h"
#include "kwui/core.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(DisplayMode, OneRowPerSize)
{
    std::vector<std::pair<int32_t, int32_t>> modes;
    for (const auto& [w, h] : {std::pair{1024, 768}, {800, 600}, {1024, 768}, {768, 1024}}) KW_AddDisplayMode(modes, w, h);
    EXPECT_EQ(modes, (std::vector<std::pair<int32_t, int32_t>>{{1024, 768}, {800, 600}, {768, 1024}}));
    EXPECT_EQ(KW_DisplayModeListRows(100, 90, 26), 1) << "a panel too low still lists one row";
}

TEST(DisplayMode, ASizeTheDisplayCannotMakeIsRefusedWithAMessageAndTheOldModeKept)
{
    ALLEGRO_DISPLAY* display = al_create_display(320, 200);
    if (!display) GTEST_SKIP() << "no display";
    kwDisplay = display;
    kwScreenW = al_get_display_width(display);
    kwScreenH = al_get_display_height(display);
    kwInitialised = true;
    const int w = kwScreenW, h = kwScreenH;
    // 100000 x 100000 used to crash in the driver; 20000 x 20000 ended in kwui2.ini
    for (const int side : {100000, 20000}) {
        EXPECT_FALSE(KW_ChangeDisplayMode(side, side, true)) << side;
        EXPECT_EQ(kwDisplay, display) << "the old display stays";
        EXPECT_EQ(std::make_pair(kwScreenW, kwScreenH), std::make_pair(w, h)) << "what kwui2.ini would get";
        ASSERT_FALSE(kwConsoleLines.empty());
        EXPECT_EQ(kwConsoleLines.back().text, "Unable to set new display mode " + std::to_string(side) + " by " + std::to_string(side));
    }
    EXPECT_TRUE(KW_DisplayCanMake(640, 480));
    al_destroy_display(display);
}
