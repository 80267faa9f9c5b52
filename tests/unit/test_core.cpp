// kwui2.ini's video section, the frame's fit in the window, the text window, what a frame leaves behind.
#include "kwui/core.h"
#include "kwui/draw.h"
#include "kwui/frame.h"
#include "kwui/input.h"
#include "kwui/tooltip.h"
#include "kwui/textwindow.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>

namespace {
KW_VideoSettings Read(const char* text)
{
    const std::string path = testing::TempDir() + "kwui2_test.ini";
    std::ofstream(path) << text;
    ALLEGRO_CONFIG* config = al_load_config_file(path.c_str());
    std::remove(path.c_str());
    KW_VideoSettings settings = KW_ReadVideoSettings(config);
    al_destroy_config(config);
    return settings;
}
}  // namespace

TEST(VideoSettings, ReadingWritingAndWindowFlagSpellings)
{
    const KW_VideoSettings s = Read("[video]\nwidth=800\n");
    EXPECT_EQ(s.width, 800);
    EXPECT_EQ(s.height, -1) << "a missing height sends start-up to the desktop question";
    EXPECT_TRUE(s.windowed) << "a missing key means windowed";
    EXPECT_FALSE(Read("[video]\nwidth=800\nheight=600\nwindow=no\n").windowed);
    for (const char* yes : {"TRUE", "Yes", "1", "true"}) EXPECT_TRUE(KW_ParseWindowFlag(yes)) << yes;
    for (const char* no : {"0", "no", "False", "windowed", ""}) EXPECT_FALSE(KW_ParseWindowFlag(no)) << no;

    // Numbers too long for an int are held at its limits, never wrapped into a size that looks usable.
    const KW_VideoSettings wrapped = Read("[video]\nwidth=4294968096\nheight=-4294966696\n");
    EXPECT_EQ(std::make_tuple(wrapped.width, wrapped.height), std::make_tuple(INT_MAX, INT_MIN));
    EXPECT_FALSE(KW_IsUsableScreenSize(wrapped.width, 600));

    const KW_VideoSettings none = KW_ReadVideoSettings(nullptr);
    EXPECT_EQ(std::make_tuple(none.width, none.height, none.windowed), std::make_tuple(-1, -1, true)) << "no file";

    ALLEGRO_CONFIG* config = al_create_config();
    KW_WriteVideoSettings(config, 1024, 768, false);
    EXPECT_STREQ(al_get_config_value(config, "video", "width"), "1024");
    EXPECT_STREQ(al_get_config_value(config, "video", "window"), "False");
    EXPECT_FALSE(KW_ReadVideoSettings(config).sharpPixels) << "sharp pixels only when asked for";
    KW_WriteVideoSettings(config, 1024, 768, false, true);
    const KW_VideoSettings back = KW_ReadVideoSettings(config);
    EXPECT_EQ(std::make_tuple(back.width, back.height, back.windowed, back.sharpPixels),
              std::make_tuple(1024, 768, false, true));
    EXPECT_FALSE(back.fullScreenWindow) << "a display mode of its own unless told";
    KW_WriteVideoSettings(config, 1024, 768, false, false, true);
    EXPECT_TRUE(KW_ReadVideoSettings(config).fullScreenWindow);
    KW_WriteVideoSettings(config, 1024, 768, true, false, true);
    EXPECT_FALSE(KW_ReadVideoSettings(config).fullScreenWindow) << "a window is never grown";
    al_destroy_config(config);
}

TEST(FrameFit, SharpPixelsTakeTheLargestWholeScaleThatFitsAndTheSmoothFitWhenNoneDoes)
{
    const auto fit = [](int fw, int fh, int ww, int wh, bool sharp) {
        const KW_FrameFit f = KW_FitFrame(fw, fh, ww, wh, sharp);
        return std::make_tuple(f.x, f.y, f.w, f.h);
    };
    // 640 x 480 on 1920 x 1080: 2.25 times fits, so twice, centred
    EXPECT_EQ(fit(640, 480, 1920, 1080, true), std::make_tuple(320, 60, 1280, 960));
    EXPECT_EQ(fit(640, 480, 1920, 1080, false), std::make_tuple(240, 0, 1440, 1080));
    // a window smaller than the picture: not even once, so shrunk as the smooth fit
    EXPECT_EQ(fit(800, 600, 640, 400, true), fit(800, 600, 640, 400, false));
    EXPECT_EQ(fit(800, 600, 640, 400, true), std::make_tuple(53, 0, 533, 400));
}

TEST(TextWindow, FollowShowsTheNewestLinesAndPrintCutsLongLines)
{
    // 10 lines of 24 pixels in 120: the view ends one line below the last so that the caret fits.
    const int scroll = TextWindowClass::FollowScroll(10, 24, 120);
    int first, last;
    TextWindowClass::VisibleRange(10, 24, 120, scroll, first, last);
    EXPECT_EQ(std::pair(first, last), std::pair(6, 9));
    EXPECT_EQ(TextWindowClass::FollowScroll(2, 24, 120), 0) << "few lines start at the top";

    TextWindowClass window;
    TextWindowClass::Print(window, "50% done");
    TextWindowClass::Print(window, std::string(400, 'a').c_str());
    ASSERT_EQ(window.lines.size(), 2u);
    EXPECT_EQ(window.lines[0], "50% done");
    EXPECT_EQ(window.lines[1].size(), 255u);
}

TEST(FrameEnd, AFrameLeavesTheTargetOnTheScreenAndNoToolTipsAndAModalScopeSwallowsItsKeys)
{
    ALLEGRO_DISPLAY* display = al_create_display(64, 64);
    if (!display) GTEST_SKIP() << "no display";
    kwDisplay = display;
    EXPECT_EQ(KW_FrameEndFault(), "");
    ALLEGRO_BITMAP* offscreen = al_create_bitmap(8, 8);
    al_set_target_bitmap(offscreen);
    EXPECT_EQ(KW_FrameEndFault(), "the drawing target was not put back on the screen");
    al_set_target_backbuffer(display);
    KW_QueueToolTip(0, 0, "%s", "Save");
    EXPECT_EQ(KW_FrameEndFault(), "tool tips were left in the queue");
    KW_DrawToolTips();
    EXPECT_EQ(KW_FrameEndFault(), "");
    al_destroy_bitmap(offscreen);
    al_destroy_display(display);

    // the key that opens a dialog does not act in it; the one that closes it stays with it
    kwKeyPending = true;
    kwKeyCode = ALLEGRO_KEY_ENTER;
    {
        KW_ModalScope modal;
        EXPECT_FALSE(kwKeyPending);
        kwKeyPending = true;
        kwKeyCode = ALLEGRO_KEY_ESCAPE;
    }
    EXPECT_FALSE(kwKeyPending);
    EXPECT_EQ(kwKeyCode, -1);
}
