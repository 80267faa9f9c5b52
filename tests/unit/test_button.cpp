// Buttons: creation rules, a labelled button's look, hover and tool tip text.
#include "kwui/button.h"

#include "kwui/console.h"
#include "kwui/input.h"
#include "kwui/textures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
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

TEST(Button, LabelledButtonCentresIconAndLabelAndNamesItsHotKey)
{
    // What the player sees: the 32-pixel icon and the label beside it sit in
    // the middle of the button, across and down, whatever its size; an
    // automatic button fits its label and is never lower than the icon.
    const struct { int w, h, textW, lineH; } cases[] = {
        {-1, -1, 60, 26}, {-1, -1, 60, 40}, {200, 50, 60, 26}, {150, 90, 17, 22}};
    for (const auto& c : cases) {
        const KW_LabelledLayout l = KW_LayoutLabelledButton(c.w, c.h, c.textW, c.lineH);
        const int left = l.iconX, right = l.width - (l.textX + c.textW);
        EXPECT_LE(std::abs(left - right), 1) << c.w << " x " << c.h;
        EXPECT_GT(l.textX, l.iconX + 32) << "the label starts after the icon";
        EXPECT_LE(std::abs(l.iconY - (l.height - 32 - l.iconY)), 1) << c.w << " x " << c.h;
        EXPECT_LE(std::abs(l.textY - (l.height - c.lineH - l.textY)), 1) << c.w << " x " << c.h;
        if (c.w == -1) {
            EXPECT_GE(left, 2);
            EXPECT_GE(l.height, std::max(34, c.lineH + 2));
        }
    }

    KW_Button button;
    KW_CreateButtonEx(button, 5, 6, "Ok", ALLEGRO_KEY_ENTER, false, KW_Texture{});
    EXPECT_EQ(button.style, KW_ButtonIcon);
    KW_SetButtonSize(button, 120, -1);
    EXPECT_EQ(button.style, KW_ButtonLabelled);
    EXPECT_EQ(button.width, 120);
    EXPECT_GE(button.height, 34);

    // Hover includes the edges and skips disabled buttons; the tip names the hot key.
    KW_Button go;
    KW_CreateButtonEx(go, 100, 50, "Go", -1, false, RealIcon());
    EXPECT_TRUE(KW_ButtonHovered(go, 100, 50));
    EXPECT_TRUE(KW_ButtonHovered(go, 132, 82));
    EXPECT_FALSE(KW_ButtonHovered(go, 133, 82));
    EXPECT_FALSE(KW_ButtonHovered(go, 99, 60));
    EXPECT_EQ(KW_ButtonToolTipText(go), "Go");
    go.hotKey = ALLEGRO_KEY_G;
    go.keyName = "G";
    EXPECT_EQ(KW_ButtonToolTipText(go), "Go - [G]");
    go.enabled = false;
    EXPECT_FALSE(KW_ButtonHovered(go, 110, 60));
}

TEST(Button, SeparatorsNeedAnIconAndAreInert)
{
    KW_Button separator;
    KW_CreateButtonEx(separator, 0, 0, "ignored", ALLEGRO_KEY_A, true, RealIcon());
    EXPECT_EQ(separator.style, KW_ButtonSeparator);
    EXPECT_EQ(separator.width, 6);
    EXPECT_TRUE(separator.text.empty());
    EXPECT_TRUE(separator.keyName.empty());
    EXPECT_FALSE(KW_ButtonHovered(separator, 2, 2));

    // The error log lands in the working folder: use a scratch one.
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
    std::ifstream log(folder + "/" + kwErrorLogName);
    const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("KW_CreateButtonEx: Seperator buttons must have an icon"), std::string::npos) << text;
    EXPECT_EQ(std::system(("rm -rf '" + folder + "'").c_str()), 0);
}

TEST(Button, CtrlHotKeysAnswerOnlyWithCtrlAndPlainOnesOnlyWithout)
{
    const int z = ALLEGRO_KEY_Z, ctrlZ = KW_CtrlKey(ALLEGRO_KEY_Z);
    const struct { int hotKey, keyCode, modifiers; bool matches; } cases[] = {
        {z, z, 0, true},
        {z, z, ALLEGRO_KEYMOD_SHIFT, true},
        {z, z, ALLEGRO_KEYMOD_CTRL, false},  // Ctrl+Z is not Z
        {ctrlZ, z, ALLEGRO_KEYMOD_CTRL, true},
        {ctrlZ, z, ALLEGRO_KEYMOD_CTRL | ALLEGRO_KEYMOD_SHIFT, true},
        {ctrlZ, z, 0, false},
        {ctrlZ, ALLEGRO_KEY_Y, ALLEGRO_KEYMOD_CTRL, false},
        {-1, z, 0, false},
        {z, -1, 0, false}};
    for (const auto& c : cases)
        EXPECT_EQ(KW_HotKeyMatches(c.hotKey, c.keyCode, c.modifiers), c.matches)
            << c.hotKey << " against " << c.keyCode << " with modifiers " << c.modifiers;

    // The tip needs the keyboard driver for key names.
    if (!al_is_keyboard_installed() && !al_install_keyboard()) return;
    KW_Button undo;
    KW_CreateButtonEx(undo, 0, 0, "Undo", ctrlZ, false, RealIcon());
    EXPECT_EQ(KW_ButtonToolTipText(undo), "Undo - [Ctrl+" + std::string(al_keycode_to_name(ALLEGRO_KEY_Z)) + "]");
}
