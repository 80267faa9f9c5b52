// Drawing only what changed: the frame end's decision, and on a real display that idle frames leave the screen.
#include "kwui/kwui.h"
#include "screen_support.h"

#include <allegro5/allegro_primitives.h>
#include <gtest/gtest.h>

namespace {
KW_DrawMode Next(KW_RedrawState& state, int64_t now, bool events = false, bool held = false, bool console = false)
{
    KW_FrameFacts facts;
    facts.events = events;
    facts.held = held;
    facts.consoleChanged = console;
    facts.now = now;
    return KW_DecideNextFrame(state, facts);
}

// Runs the state past its settling frames with nothing happening.
void Settle(KW_RedrawState& state, int64_t now)
{
    for (int i = 0; i <= kwSettleFrames; ++i) Next(state, now);
}
}  // namespace

TEST(Redraw, ChangesDrawWholeForAWhileThenNothingUntilTheNextChange)
{
    KW_RedrawState state;
    int whole = 0;
    for (int i = 0; i < 2 * kwSettleFrames; ++i) whole += Next(state, 10) == KW_DrawMode::Whole;
    EXPECT_EQ(whole, kwSettleFrames) << "a fresh screen settles, then rests";
    EXPECT_EQ(Next(state, 10, true), KW_DrawMode::Whole) << "an event";
    Settle(state, 10);
    EXPECT_EQ(Next(state, 10, false, true), KW_DrawMode::Whole) << "a key or button held";
    Settle(state, 10);
    EXPECT_EQ(Next(state, 10, false, false, true), KW_DrawMode::Whole) << "a console line";
    Settle(state, 10);
    EXPECT_EQ(Next(state, 10 + kwRedrawAtLeastMs), KW_DrawMode::Whole) << "at least once a second";
    EXPECT_EQ(Next(state, 11 + kwRedrawAtLeastMs), KW_DrawMode::Nothing);
}

TEST(Redraw, AnAreaAloneIsDrawnAloneOnlyWhereTheBackBufferKeepsTheFrame)
{
    KW_RedrawState& state = KW_Ctx().redraw;
    Settle(state, 0);
    state.backBufferKept = true;
    KW_RedrawArea(10, 10, 20, 20);
    EXPECT_EQ(Next(state, 0), KW_DrawMode::Area);
    state.backBufferKept = false;
    KW_RedrawArea(10, 10, 20, 20);
    EXPECT_EQ(Next(state, 0), KW_DrawMode::Whole) << "a flip that loses the frame means drawing it all";

    // Asked in a frame that drew nothing: that frame is finished whole but not shown.
    Settle(state, 0);
    KW_RedrawAll();
    EXPECT_TRUE(KW_FrameIsDrawn());
    EXPECT_FALSE(KW_FrameToBeShown());
    EXPECT_EQ(Next(state, 0), KW_DrawMode::Whole);
    EXPECT_TRUE(KW_FrameToBeShown());
}

TEST(RedrawScreen, IdleFramesLeaveTheScreenAndAnAreaIsDrawnWithinItsBounds)
{
    TestScreen screen;
    if (!screen.Open(200, 150)) GTEST_SKIP() << "no display";
    KW_ProbeBackBuffer();
    ALLEGRO_BITMAP* back = al_get_backbuffer(screen.display);
    const auto red = [back](int x, int y) { return al_get_pixel(back, x, y).r > 0.5f; };  // else blue
    const ALLEGRO_COLOR blue = al_map_rgb(0, 0, 255);
    al_clear_to_color(al_map_rgb(255, 0, 0));
    for (int i = 0; i <= kwSettleFrames && KW_FrameIsDrawn(); ++i) KW_PresentFrame();
    ASSERT_FALSE(KW_FrameIsDrawn());
    const unsigned shown = KW_FramesPresented();
    KW_DrawRect(0, 0, 199, 149, true, blue, 255);
    al_clear_to_color(blue);
    EXPECT_TRUE(red(100, 75)) << "a frame with nothing new draws nothing";

    if (KW_Ctx().redraw.backBufferKept) {
        KW_RedrawArea(10, 10, 19, 19);
        KW_PresentFrame();
        ASSERT_EQ(KW_FrameDrawMode(), KW_DrawMode::Area);
        al_clear_to_color(blue);
        EXPECT_FALSE(red(15, 15));
        EXPECT_TRUE(red(25, 25)) << "outside the part asked for";
    }
    EXPECT_GT(KW_FramesPresented(), shown);
    al_reset_clipping_rectangle();
    screen.Close();
}
