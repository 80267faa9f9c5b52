// Toolbar layout, pulling onto the screen, edge nudging, and tool tip placement.
#include "kwui/toolbar.h"

#include "kwui/core.h"
#include "kwui/tooltip.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>

namespace {

// The toolbar reads the screen size from the toolkit; tests set an 800 x 600 one.
struct Screen800 {
    Screen800() { kwScreenW = 800; kwScreenH = 600; }
};

KW_Texture Icon()
{
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(32, 32);
    al_restore_state(&state);
    KW_Texture icon = KW_MakeTexture(bitmap, "icon");
    al_destroy_bitmap(bitmap);
    return icon;
}

}  // namespace

TEST(Toolbar, LayoutStaysOnTheScreenAndThePointerNudgesItBack)
{
    Screen800 screen;
    KW_Toolbar toolbar;
    KW_InitToolbar(toolbar);
    toolbar.x = 700;
    const KW_Texture icon = Icon();
    for (int i = 0; i < 5; ++i) KW_AddToolbarButtonEx(toolbar, "b", -1, false, icon);
    EXPECT_EQ(toolbar.width, 180);
    EXPECT_EQ(toolbar.x, 619);
    EXPECT_EQ(toolbar.homeX, 619);
    EXPECT_TRUE(toolbar.docked && toolbar.hidden) << "a new toolbar starts docked and hidden";

    // Buttons sit left to right under the title, inside the bar, without
    // overlapping; a separator is a narrow gap; the bar is wide enough for
    // its buttons, its status text and its title.
    KW_Toolbar small;
    KW_InitToolbar(small);
    small.x = 10;
    small.y = 20;
    KW_AddToolbarButtonEx(small, "a", -1, false, icon);
    KW_AddToolbarButtonEx(small, "", -1, true, icon);
    KW_AddToolbarButtonEx(small, "b", -1, false, icon);
    const int width = KW_LayoutToolbar(small, 26, 0, 0);
    const KW_Button& first = small.buttons[0];
    const KW_Button& gap = small.buttons[1];
    const KW_Button& last = small.buttons[2];
    EXPECT_GT(first.x, small.x);
    EXPECT_GE(gap.x, first.x + first.width);
    EXPECT_GE(last.x, gap.x + gap.width);
    EXPECT_LT(gap.width, first.width) << "a separator is narrower than a button";
    EXPECT_LT(last.x + last.width, small.x + width);
    EXPECT_EQ(first.y, last.y);
    EXPECT_GT(first.y, small.y + 26) << "the buttons sit under the title line";

    small.showStatus = true;
    EXPECT_GE(KW_LayoutToolbar(small, 26, 0, 50), width + 50) << "room for the status text beside the buttons";
    EXPECT_GT(KW_LayoutToolbar(small, 26, 300, 50), 300) << "a long title keeps the bar wider than it";

    // Pulling onto the screen clamps every edge.
    int x = -40, y = 590;
    KW_PullOntoScreen(x, y, 100, 74, 800, 600);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(0, 600 - 74 - 1));
    x = 750;
    y = -5;
    KW_PullOntoScreen(x, y, 100, 74, 800, 600);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(699, 0));

    // The edge nudge moves three pixels only while the pointer pushes.
    KW_Toolbar nudged;
    nudged.x = -10;
    nudged.y = 100;
    nudged.width = 200;
    nudged.height = 74;
    // pointer at the edge, below the toolbar's span, away from the edge, then at the edge till it is on
    for (const auto& [px, py, x] : {std::tuple{0, 120, -7}, {0, 300, -7}, {50, 120, -7}, {1, 120, -4}, {1, 120, -1},
                                    {1, 120, 0}, {1, 120, 0}}) {
        KW_NudgeToolbar(nudged, px, py, 800, 600);
        EXPECT_EQ(nudged.x, x) << px << "," << py;
    }

    nudged.x = 620;  // right end at 820
    KW_NudgeToolbar(nudged, 798, 120, 800, 600);
    EXPECT_EQ(nudged.x, 617);
    nudged.y = 540;  // bottom at 614
    KW_NudgeToolbar(nudged, 700, 598, 800, 600);
    EXPECT_EQ(nudged.y, 537);
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
    EXPECT_EQ(KW_QueuedToolTips()[0].text, "Save - [S]");
    EXPECT_EQ(KW_QueuedToolTips()[1].text, "100% sure");
    KW_DrawToolTips();  // no display: nothing drawn, but the frame's tips are gone
    EXPECT_TRUE(KW_QueuedToolTips().empty());
}
