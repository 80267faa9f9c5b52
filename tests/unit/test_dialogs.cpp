// Modal dialogs: panel geometry and the number entry's conversion rule.
#include "kwui/dialogs.h"
#include "kwui/textfield.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <array>
#include <tuple>

TEST(DialogsLayout, MessagePanelCentredAtMost950WideInputTextAnchoredTopLeftAtLeast450Wide)
{
    EXPECT_EQ(KW_MessagePanelWidth(1280), 950);
    EXPECT_EQ(KW_MessagePanelWidth(800), 640);
    EXPECT_EQ(KW_MessagePanelWidth(1001), 800);  // 800.8 is cut
    const KW_DialogRect panel = KW_MessagePanelRect(800, 600, 26);
    EXPECT_EQ((std::array<int, 3>{panel.x, panel.y, panel.h}), (std::array<int, 3>{80, (600 - 208) / 2, 8 * 26}));
    const KW_DialogRect list = KW_MessageListRect(panel, 26);
    EXPECT_EQ((std::array<int, 4>{list.x, list.y, list.w, list.h}), (std::array<int, 4>{85, panel.y + 39, 630, 4}));
    int yesX = 0, noX = 0;
    KW_ConfirmButtonsX(800, 100, yesX, noX);
    EXPECT_EQ(yesX, (800 - 205) / 2);
    EXPECT_EQ(noX, yesX + 105);

    // The text input is anchored top left and at least 450 wide.
    const KW_InputTextLayout n = KW_LayoutInputText(100, 50, 120, 26);
    EXPECT_EQ((std::array<int, 8>{n.panel.x, n.panel.y, n.panel.w, n.panel.h, n.fieldY, n.okX, n.cancelX, n.buttonsY}),
              (std::array<int, 8>{20, 20, 450, 156, 20 + 52 + 5, 30, 30 + 120 + 10, 20 + 156 - 42}))
        << "panel x, y, w, h; field y; Ok x, Cancel x, buttons y";
    EXPECT_EQ(KW_LayoutInputText(600, 50, 120, 26).panel.w, 640);   // field + 40
    EXPECT_EQ(KW_LayoutInputText(100, 700, 120, 26).panel.w, 720);  // caption + 20
}

TEST(DialogsInputNumber, OutOfRangeAndNonNumbersKeepTheValueCaptionAndAFiveCharacterField)
{
    int value = 17;
    // "abc" reads as 0; a huge number must not wrap into range.
    for (const char* refused : {"0", "abc", "101", "99999999999"}) {
        EXPECT_FALSE(KW_ApplyNumberInput(refused, 1, 100, value)) << refused;
        EXPECT_EQ(value, 17) << refused;
    }
    for (const auto& [text, min, max, result] :
         {std::tuple{"42", 1, 100, 42}, {"100", 1, 100, 100}, {"-7", -10, 10, -7}}) {
        EXPECT_TRUE(KW_ApplyNumberInput(text, min, max, value)) << text;
        EXPECT_EQ(value, result) << text;
    }

    EXPECT_EQ(KW_NumberCaption("", 1, 100), "Enter a new number (1 to 100)");
    EXPECT_EQ(KW_NumberCaption("100% sure", -5, 5), "100% sure (-5 to 5)");
    // Five characters, so a negative number has four digits.
    KW_TextField field;
    KW_CreateTextField(field, "", 40, 40, kNumberFieldLength, 200);
    for (const char* key = "-12345"; *key; ++key) KW_TextFieldKey(field, 0, *key);
    EXPECT_EQ(field.text, "-1234");
    KW_ReleaseTextField(field);
}

TEST(DialogsHeadless, WithoutADisplayTheDialogsAnswerNoAtOnce)
{
    char text[8] = "keep";
    EXPECT_FALSE(KW_Confirm("Delete %s?", "everything"));
    EXPECT_FALSE(KW_InputText(text, 7, "Name"));
    EXPECT_STREQ(text, "keep");
    int value = 5;
    EXPECT_FALSE(KW_InputNumber(value, 1, 10, "%s", ""));
    EXPECT_EQ(value, 5);
    ALLEGRO_COLOR colour = al_map_rgb(1, 2, 3);
    EXPECT_FALSE(KW_SelectColour(colour));
}
