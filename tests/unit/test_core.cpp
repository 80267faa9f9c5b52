// kwui2.ini's video section, the theme and colour helpers.
#include "kwui/core.h"
#include "kwui/draw.h"
#include "kwui/textwindow.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {
KW_VideoSettings Read(const char* text)
{
    const std::string path = testing::TempDir() + "kwui2_test.ini";
    std::FILE* file = std::fopen(path.c_str(), "w");
    std::fputs(text, file);
    std::fclose(file);
    ALLEGRO_CONFIG* config = al_load_config_file(path.c_str());
    std::remove(path.c_str());
    KW_VideoSettings settings = KW_ReadVideoSettings(config);
    al_destroy_config(config);
    return settings;
}

void ExpectRgb(ALLEGRO_COLOR c, int r, int g, int b)
{
    unsigned char cr, cg, cb;
    al_unmap_rgb(c, &cr, &cg, &cb);
    EXPECT_EQ(cr, r);
    EXPECT_EQ(cg, g);
    EXPECT_EQ(cb, b);
}
}  // namespace

TEST(VideoSettings, WidthWithoutHeightMeansAsk)
{
    const KW_VideoSettings s = Read("[video]\nwidth=800\n");
    EXPECT_EQ(s.width, 800);
    EXPECT_EQ(s.height, -1) << "a missing height sends start-up to the desktop question";
    EXPECT_TRUE(s.windowed);
}

TEST(VideoSettings, WindowFlagSpellings)
{
    for (const char* yes : {"TRUE", "Yes", "1", "true"})
        EXPECT_TRUE(KW_ParseWindowFlag(yes)) << yes;
    for (const char* no : {"0", "no", "False", "windowed", ""})
        EXPECT_FALSE(KW_ParseWindowFlag(no)) << no;
    EXPECT_TRUE(Read("[video]\nwidth=800\nheight=600\n").windowed) << "a missing key means windowed";
    EXPECT_FALSE(Read("[video]\nwidth=800\nheight=600\nwindow=no\n").windowed);
}

TEST(VideoSettings, NoFileGivesDefaultsAndWritingRoundTrips)
{
    const KW_VideoSettings none = KW_ReadVideoSettings(nullptr);
    EXPECT_EQ(none.width, -1);
    EXPECT_EQ(none.height, -1);
    EXPECT_TRUE(none.windowed);

    ALLEGRO_CONFIG* config = al_create_config();
    KW_WriteVideoSettings(config, 1024, 768, false);
    EXPECT_STREQ(al_get_config_value(config, "video", "width"), "1024");
    EXPECT_STREQ(al_get_config_value(config, "video", "window"), "False");
    const KW_VideoSettings back = KW_ReadVideoSettings(config);
    EXPECT_EQ(back.height, 768);
    EXPECT_FALSE(back.windowed);
    al_destroy_config(config);
}

TEST(Colours, From565ExpandsEachChannel)
{
    ExpectRgb(KW_ColourFrom565(0xFFFF), 255, 255, 255);
    ExpectRgb(KW_ColourFrom565(0xF800), 255, 0, 0);
    ExpectRgb(KW_ColourFrom565(0x07E0), 0, 255, 0);
    ExpectRgb(KW_ColourFrom565(0x001F), 0, 0, 255);
    ExpectRgb(KW_ColourFrom565(0x0841), 8, 8, 8);  // 1 of 31, 2 of 63, 1 of 31: integer division
}

TEST(Colours, ThemeHasItsFixedEntries)
{
    ExpectRgb(KW_Colour(KWC_Mask), 255, 0, 255);
    ExpectRgb(KW_Colour(KWC_ButtonHover), 55, 55, 255);
    ExpectRgb(KW_Colour(KWC_ButtonFace), 147, 147, 147);
    ExpectRgb(KW_Colour(KWC_LightBlue), 129, 162, 255);
    ExpectRgb(KW_Colour(KWC_Blue), 0, 0, 240);
}

TEST(AllegroVersion, FormatsTheFourBytes)
{
    EXPECT_EQ(KW_FormatAllegroVersion(0x05020801u), "Allegro v5.2.8[1]");
}

TEST(TextWindow, FollowShowsTheNewestLinesAboveTheCaret)
{
    // 10 lines of 24 pixels in a 120-pixel window: the view ends one line
    // below the last so that the caret fits.
    const int scroll = TextWindowClass::FollowScroll(10, 24, 120);
    EXPECT_EQ(scroll, 11 * 24 - 120);
    int first, last;
    TextWindowClass::VisibleRange(10, 24, 120, scroll, first, last);
    EXPECT_EQ(first, 6);
    EXPECT_EQ(last, 9);

    EXPECT_EQ(TextWindowClass::FollowScroll(2, 24, 120), 0) << "few lines start at the top";
    TextWindowClass::VisibleRange(0, 24, 120, 0, first, last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 0);
}

TEST(TextWindow, PrintKeepsPercentSignsAndCutsLongLines)
{
    TextWindowClass window;
    TextWindowClass::Print(window, "50% done");
    TextWindowClass::Print(window, std::string(400, 'a').c_str());
    ASSERT_EQ(window.lines.size(), 2u);
    EXPECT_EQ(window.lines[0], "50% done");
    EXPECT_EQ(window.lines[1].size(), 255u);
    TextWindowClass::Clear(window);
    EXPECT_TRUE(window.lines.empty());
    EXPECT_EQ(window.scroll, 0);
}
