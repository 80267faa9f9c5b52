// Toolbar: pulled onto the screen, nudged back from the edge; tool tip placement.
#include "kwui/toolbar.h"

#include "kwui/core.h"
#include "kwui/tooltip.h"
#include "screen_support.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>

TEST(Toolbar, LayoutStaysOnTheScreenAndThePointerNudgesItBack)
{
    kwScreenW = 800;
    kwScreenH = 600;
    KW_Toolbar toolbar;
    KW_InitToolbar(toolbar);
    toolbar.x = 700;
    for (int i = 0; i < 5; ++i) KW_AddToolbarButtonEx(toolbar, "b", -1, false, BlankIcon());
    EXPECT_EQ(toolbar.x + toolbar.width, 799) << "pulled back onto the screen";
    EXPECT_TRUE(toolbar.docked && toolbar.hidden) << "a new toolbar starts docked and hidden";

    int x = -40, y = 590;
    KW_PullOntoScreen(x, y, 100, 74, 800, 600);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(0, 525));

    // Three pixels a frame only while the pointer pushes at the edge beside the bar, till it is on.
    KW_Toolbar nudged;
    nudged.x = -10;
    nudged.y = 100;
    nudged.width = 200;
    nudged.height = 74;
    for (const auto& [px, py, x] : {std::tuple{0, 120, -7}, {0, 300, -7}, {50, 120, -7}, {1, 120, -4}, {1, 120, -1},
                                    {1, 120, 0}, {1, 120, 0}}) {
        KW_NudgeToolbar(nudged, px, py, 800, 600);
        EXPECT_EQ(nudged.x, x) << px << "," << py;
    }
    nudged.x = 620;
    nudged.y = 540;
    KW_NudgeToolbar(nudged, 798, 598, 800, 600);
    EXPECT_EQ(std::make_pair(nudged.x, nudged.y), std::make_pair(617, 537));
}

TEST(ToolTip, PlacedInsideTheScreenQueuedFormattedAndEmptiedByDrawing)
{
    const KW_ToolTipBox box = KW_PlaceToolTip(799, 599, 120, 26, 800, 600);
    EXPECT_EQ((std::array<int, 4>{box.x, box.y, box.w, box.h}), (std::array<int, 4>{800 - 124, 600 - 30, 124, 30}));
    EXPECT_EQ(KW_PlaceToolTip(10, 10, 900, 26, 800, 600).x, 0) << "wider than the screen";

    KW_ClearToolTips();
    KW_QueueToolTip(5, 6, "%s - [%s]", "Save", "S");
    KW_QueueToolTip(7, 8, "%s", "100% sure");
    ASSERT_EQ(KW_QueuedToolTips().size(), 2u);
    EXPECT_EQ(KW_QueuedToolTips()[1].text, "100% sure");
    KW_DrawToolTips();  // no display: nothing drawn, but the frame's tips are gone
    EXPECT_TRUE(KW_QueuedToolTips().empty());
}
