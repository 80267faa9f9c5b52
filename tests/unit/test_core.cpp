// kwui2.ini's video section, the text window and the keys around a modal dialog.
#include "kwui/core.h"
#include "kwui/input.h"
#include "kwui/textwindow.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <string>
#include <tuple>

namespace {
KW_VideoSettings Read(const char* text)
{
    const std::string path = testing::TempDir() + "kwui2_test.ini";
    std::ofstream(path) << text;
    ALLEGRO_CONFIG* config = al_load_config_file(path.c_str());
    KW_VideoSettings settings = KW_ReadVideoSettings(config);
    al_destroy_config(config);
    return settings;
}
}  // namespace

TEST(VideoSettings, ReadingAndWindowFlagSpellings)
{
    const KW_VideoSettings s = Read("[video]\nwidth=800\n");
    EXPECT_EQ(std::make_tuple(s.width, s.height, s.windowed), std::make_tuple(800, -1, true))
        << "a missing height sends start-up to the desktop question; a missing window key means windowed";
    for (const auto& [text, windowed] : {std::pair{"TRUE", true}, {"Yes", true}, {"1", true}, {"False", false}, {"windowed", false}})
        EXPECT_EQ(KW_ParseWindowFlag(text), windowed) << text;
    // Numbers too long for an int are held at its limits, never wrapped into a size that looks usable.
    const KW_VideoSettings wrapped = Read("[video]\nwidth=4294968096\nheight=-4294966696\n");
    EXPECT_EQ(std::make_tuple(wrapped.width, wrapped.height), std::make_tuple(INT_MAX, INT_MIN));
    EXPECT_EQ(KW_ReadVideoSettings(nullptr).height, -1) << "no file";
    const KW_VideoSettings full = Read("[video]\nwindow=False\nsharppixels=True\nfullscreenwindow=True\n");
    EXPECT_TRUE(full.sharpPixels && full.fullScreenWindow);
    EXPECT_FALSE(Read("[video]\nwindow=True\nfullscreenwindow=True\n").fullScreenWindow) << "a window is never grown";
}

TEST(TextWindow, PrintCutsLongLines)
{
    TextWindowClass window;
    TextWindowClass::Print(window, "50% done");
    TextWindowClass::Print(window, std::string(400, 'a').c_str());
    EXPECT_EQ(window.lines, (std::vector<std::string>{"50% done", std::string(255, 'a')}));
}

TEST(ModalScope, TheKeyThatOpensADialogDoesNotActInItAndTheOneThatClosesItStaysWithIt)
{
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
