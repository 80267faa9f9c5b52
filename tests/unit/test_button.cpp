// Buttons: creation rules, hover and tool tip text.
#include "kwui/button.h"

#include "kwui/input.h"
#include "screen_support.h"

#include <gtest/gtest.h>

#include <string>

TEST(Button, ASizedButtonShowsItsLabelHoverIncludesTheEdgesAndTheTipNamesTheHotKey)
{
    KW_Button button;
    KW_CreateButtonEx(button, 5, 6, "Ok", ALLEGRO_KEY_ENTER, false, KW_Texture{});
    EXPECT_EQ(button.style, KW_ButtonIcon);
    KW_SetButtonSize(button, 120, -1);
    EXPECT_EQ(button.style, KW_ButtonLabelled);

    KW_Button go;
    KW_CreateButtonEx(go, 100, 50, "Go", -1, false, BlankIcon());
    EXPECT_TRUE(KW_ButtonHovered(go, 100, 50));
    EXPECT_TRUE(KW_ButtonHovered(go, 132, 82));
    EXPECT_FALSE(KW_ButtonHovered(go, 133, 82));
    EXPECT_EQ(KW_ButtonToolTipText(go), "Go");
    go.hotKey = ALLEGRO_KEY_G;
    go.keyName = "G";
    EXPECT_EQ(KW_ButtonToolTipText(go), "Go - [G]");
    go.enabled = false;
    EXPECT_FALSE(KW_ButtonHovered(go, 110, 60)) << "a disabled button is never hovered";
}

TEST(Button, SeparatorsHaveNoTextOrKeyAndAreNeverHovered)
{
    KW_Button separator;
    KW_CreateButtonEx(separator, 0, 0, "ignored", ALLEGRO_KEY_A, true, BlankIcon());
    EXPECT_EQ(separator.style, KW_ButtonSeparator);
    EXPECT_TRUE(separator.text.empty() && separator.keyName.empty());
    EXPECT_FALSE(KW_ButtonHovered(separator, 2, 2));
}

TEST(Button, CtrlHotKeysAnswerOnlyWithCtrlAndPlainOnesOnlyWithout)
{
    const int z = ALLEGRO_KEY_Z, ctrlZ = KW_CtrlKey(ALLEGRO_KEY_Z);
    const struct { int hotKey, keyCode, modifiers; bool matches; } cases[] = {
        {z, z, ALLEGRO_KEYMOD_SHIFT, true},
        {z, z, ALLEGRO_KEYMOD_CTRL, false},  // Ctrl+Z is not Z
        {ctrlZ, z, ALLEGRO_KEYMOD_CTRL | ALLEGRO_KEYMOD_SHIFT, true},
        {ctrlZ, z, 0, false},
        {ctrlZ, ALLEGRO_KEY_Y, ALLEGRO_KEYMOD_CTRL, false},
        {-1, z, 0, false},
        {z, -1, 0, false}};
    for (const auto& c : cases)
        EXPECT_EQ(KW_HotKeyMatches(c.hotKey, c.keyCode, c.modifiers), c.matches)
            << c.hotKey << " against " << c.keyCode << " with modifiers " << c.modifiers;

    if (!al_is_keyboard_installed() && !al_install_keyboard()) return;  // key names need the driver
    KW_Button undo;
    KW_CreateButtonEx(undo, 0, 0, "Undo", ctrlZ, false, BlankIcon());
    EXPECT_EQ(KW_ButtonToolTipText(undo), "Undo - [Ctrl+" + std::string(al_keycode_to_name(ALLEGRO_KEY_Z)) + "]");
}
