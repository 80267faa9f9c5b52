// Buttons: creation rules, labelled sizes and offsets, hover and tool tip text.
#include "kwui/button.h"

#include "kwui/console.h"
#include "kwui/textures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

KW_Texture RealIcon()
{
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(32, 32);
    al_restore_state(&state);
    KW_Texture icon = KW_MakeTexture(bitmap, "seperator");
    al_destroy_bitmap(bitmap);
    return icon;
}

}  // namespace

TEST(Button, AutomaticLabelledSizeCentresIconAndText)
{
    const KW_LabelledLayout a = KW_LayoutLabelledButton(-1, -1, 60, 26);
    EXPECT_EQ(a.width, 100);
    EXPECT_EQ(a.height, 34);
    EXPECT_EQ(a.iconX, 3);
    EXPECT_EQ(a.textX, 37);
    EXPECT_EQ(a.iconY, 1);
    EXPECT_EQ(a.textY, 4);

    // a tall font makes the button line height + 2 high
    const KW_LabelledLayout b = KW_LayoutLabelledButton(-1, -1, 60, 40);
    EXPECT_EQ(b.height, 42);

    // a fixed size keeps the pair centred in it
    const KW_LabelledLayout c = KW_LayoutLabelledButton(200, 50, 60, 26);
    EXPECT_EQ(c.width, 200);
    EXPECT_EQ(c.height, 50);
    EXPECT_EQ(c.iconX, 53);
    EXPECT_EQ(c.textX, 87);
    EXPECT_EQ(c.iconY, 9);
    EXPECT_EQ(c.textY, 12);
}

TEST(Button, SetButtonSizeMakesALabelledButton)
{
    KW_Button button;
    KW_CreateButtonEx(button, 5, 6, "Ok", ALLEGRO_KEY_ENTER, false, KW_Texture{});
    EXPECT_EQ(button.style, KW_ButtonIcon);
    KW_SetButtonSize(button, 120, -1);
    EXPECT_EQ(button.style, KW_ButtonLabelled);
    EXPECT_EQ(button.width, 120);
    EXPECT_GE(button.height, 34);
}

TEST(Button, SeparatorWithIconIsSixWideAndInert)
{
    KW_Button button;
    KW_CreateButtonEx(button, 0, 0, "ignored", ALLEGRO_KEY_A, true, RealIcon());
    EXPECT_EQ(button.style, KW_ButtonSeparator);
    EXPECT_EQ(button.width, 6);
    EXPECT_TRUE(button.text.empty());
    EXPECT_TRUE(button.keyName.empty());
    EXPECT_FALSE(KW_ButtonHovered(button, 2, 2));
}

TEST(Button, SeparatorWithoutIconIsRefusedAndLeftInert)
{
    char templ[] = "/tmp/kwbtnXXXXXX";
    const std::string folder = mkdtemp(templ);
    char cwd[1024];
    const std::string previous = getcwd(cwd, sizeof cwd) ? cwd : ".";
    ASSERT_EQ(chdir(folder.c_str()), 0);

    KW_Button button;
    button.clicked = true;
    KW_Texture none;
    none.name = kwDefaultTextureName;
    KW_CreateButtonEx(button, 0, 0, "x", ALLEGRO_KEY_X, true, none);
    EXPECT_FALSE(button.enabled);
    EXPECT_FALSE(button.clicked);
    EXPECT_EQ(button.hotKey, -1);
    EXPECT_FALSE(KW_ButtonHovered(button, 1, 1));

    EXPECT_EQ(chdir(previous.c_str()), 0);
    std::FILE* log = std::fopen((folder + "/" + kwErrorLogName).c_str(), "r");
    ASSERT_NE(log, nullptr);
    char text[512] = {};
    const size_t got = std::fread(text, 1, sizeof text - 1, log);
    std::fclose(log);
    EXPECT_NE(std::string(text, got).find("KW_CreateButtonEx: Seperator buttons must have an icon"),
              std::string::npos);
    EXPECT_EQ(std::system(("rm -rf '" + folder + "'").c_str()), 0);
}

TEST(Button, HoverIncludesTheEdgesAndSkipsDisabledButtons)
{
    KW_Button button;
    KW_CreateButtonEx(button, 100, 50, "Go", -1, false, RealIcon());
    EXPECT_TRUE(KW_ButtonHovered(button, 100, 50));
    EXPECT_TRUE(KW_ButtonHovered(button, 132, 82));
    EXPECT_FALSE(KW_ButtonHovered(button, 133, 82));
    EXPECT_FALSE(KW_ButtonHovered(button, 99, 60));
    button.enabled = false;
    EXPECT_FALSE(KW_ButtonHovered(button, 110, 60));
}

TEST(Button, ToolTipNamesTheHotKey)
{
    KW_Button button;
    KW_CreateButtonEx(button, 0, 0, "Save", -1, false, RealIcon());
    EXPECT_EQ(KW_ButtonToolTipText(button), "Save");
    button.hotKey = ALLEGRO_KEY_S;
    button.keyName = "S";
    EXPECT_EQ(KW_ButtonToolTipText(button), "Save - [S]");
}
