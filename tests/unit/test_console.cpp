// The message console keeps at most nine recent lines, drawn under dialogs.
#include "content_testing.h"
#include "kwui/console.h"
#include "kwui/core.h"

#include <gtest/gtest.h>

TEST(Console, KeepsNineLinesCutsLongOnesAndSkipsEmptyFormats)
{
    KW_Message("too early");  // KW_Message only writes while the toolkit is up
    EXPECT_TRUE(kwConsoleLines.empty());
    kwInitialised = true;
    for (int i = 1; i <= 10; ++i) KW_Message("line %d", i / 2);
    ASSERT_EQ(kwConsoleLines.size(), 9u) << "identical messages give lines of their own";
    EXPECT_EQ(kwConsoleLines.front().text, "line 1");
    EXPECT_EQ(kwConsoleLines.back().text, "line 5");

    KW_ClearConsole();
    KW_Message("%s", "100% cut");
    KW_Message("%s", std::string(5000, 'x').c_str());
    void (*message)(const char*, ...) = &KW_Message;  // an empty format, as a caller might pass one
    message("");
    ASSERT_EQ(kwConsoleLines.size(), 2u) << "an empty format string is skipped";
    EXPECT_EQ(kwConsoleLines[1].text.size(), 1023u) << "long messages are cut, not overflowed";
}

TEST(Console, ADialogDrawsTheLinesUnderItsPanelSoTheyDoNotRunAcrossItsText)
{
    kwInitialised = true;
    KW_Message("Saved map to %s", "maps/a.map");
    kwConsoleTop = 10;
    ALLEGRO_BITMAP* screen = MakeFilledBitmap(40, 40, al_map_rgb(0, 0, 0));
    al_set_target_bitmap(screen);
    // the console's bracket at the left edge shows whether the lines were drawn
    auto bracketShown = [screen] { return PixelOf(screen, 1, 12) == (Rgba{255, 255, 255, 255}); };
    // a dialog's frame: the lines first, its panel over them, then the frame's end
    KW_DrawConsoleUnderDialog();
    EXPECT_TRUE(bracketShown());
    al_clear_to_color(al_map_rgb(128, 128, 128));
    KW_DrawConsoleAtFrameEnd();
    EXPECT_FALSE(bracketShown()) << "the frame's end drew the lines over the dialog";
    KW_DrawConsoleAtFrameEnd();
    EXPECT_TRUE(bracketShown()) << "any other frame: the frame's end draws them";
    al_set_target_bitmap(nullptr);
    al_destroy_bitmap(screen);
}
