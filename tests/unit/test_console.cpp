// The message console keeps at most nine recent lines, drawn under dialogs.
#include "kwui/console.h"
#include "kwui/core.h"

#include <gtest/gtest.h>

TEST(Console, KeepsNineLinesCutsLongOnesAndSkipsEmptyFormats)
{
    KW_Message("too early");  // KW_Message only writes while the toolkit is up
    EXPECT_TRUE(kwConsoleLines.empty());

    kwInitialised = true;
    KW_Message("Loaded map from %s", "base/maps/a.map");
    KW_Message("Loaded map from %s", "base/maps/a.map");
    ASSERT_EQ(kwConsoleLines.size(), 2u) << "identical messages give two lines";
    EXPECT_EQ(kwConsoleLines[1].text, "Loaded map from base/maps/a.map");

    KW_ClearConsole();
    for (int i = 1; i <= 10; ++i) KW_Message("line %d", i);
    ASSERT_EQ(kwConsoleLines.size(), 9u);
    EXPECT_EQ(kwConsoleLines.front().text, "line 2");
    EXPECT_EQ(kwConsoleLines.back().text, "line 10");

    KW_ClearConsole();
    KW_Message("%s", "");
    KW_Message("%s", "100% cut");
    KW_Message("%s", std::string(5000, 'x').c_str());
    void (*message)(const char*, ...) = &KW_Message;  // an empty format, as a caller might pass one
    message("");
    ASSERT_EQ(kwConsoleLines.size(), 3u) << "only an empty format string is skipped";
    EXPECT_EQ(kwConsoleLines[1].text, "100% cut");
    EXPECT_EQ(kwConsoleLines[2].text.size(), 1023u) << "long messages are cut, not overflowed";
}

TEST(Console, ADialogDrawsTheLinesUnderItsPanelSoTheyDoNotRunAcrossItsText)
{
    kwInitialised = true;
    KW_Message("Saved map to %s", "maps/a.map");
    kwConsoleTop = 10;
    const int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* screen = al_create_bitmap(40, 40);
    al_set_new_bitmap_flags(flags);
    ASSERT_NE(screen, nullptr);
    al_set_target_bitmap(screen);
    const ALLEGRO_COLOR panel = al_map_rgb(128, 128, 128);
    // the console's bracket at the left edge shows whether the lines were drawn
    auto bracketShown = [screen] {
        unsigned char r, g, b;
        al_unmap_rgb(al_get_pixel(screen, 1, 12), &r, &g, &b);
        return r == 255 && g == 255 && b == 255;
    };

    // a dialog's frame: the lines first, its panel over them, then the frame's end
    al_clear_to_color(al_map_rgb(0, 0, 0));
    KW_DrawConsoleUnderDialog();
    EXPECT_TRUE(bracketShown());
    al_clear_to_color(panel);
    KW_DrawConsoleAtFrameEnd();
    EXPECT_FALSE(bracketShown()) << "the frame's end drew the lines over the dialog";

    // any other frame: the frame's end draws them
    al_clear_to_color(panel);
    KW_DrawConsoleAtFrameEnd();
    EXPECT_TRUE(bracketShown());

    al_set_target_bitmap(nullptr);
    al_destroy_bitmap(screen);
}
