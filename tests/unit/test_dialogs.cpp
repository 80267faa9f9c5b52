// Modal dialogs: panel geometry and the number entry's conversion rule.
#include "kwui/dialogs.h"
#include "kwui/textfield.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <tuple>

TEST(DialogsLayout, MessageCentredAtMost950WideInputAnchoredTopLeftWideEnoughForFieldAndCaption)
{
    // What the player sees: the message panel in the middle of the screen,
    // never wider than 950 or four fifths of the screen, its text inside it,
    // Yes left of No with the pair centred.
    for (const auto& [screenW, screenH] : {std::pair{1280, 1024}, {800, 600}, {1001, 700}}) {
        const KW_DialogRect panel = KW_MessagePanelRect(screenW, screenH, 26);
        EXPECT_LE(std::abs(panel.x - (screenW - panel.x - panel.w)), 1) << screenW;
        EXPECT_LE(std::abs(panel.y - (screenH - panel.y - panel.h)), 1) << screenW;
        EXPECT_LE(panel.w, std::min(950, screenW * 4 / 5)) << screenW;
        EXPECT_GE(panel.w, std::min(950, screenW * 4 / 5) - 1) << screenW;
        const KW_DialogRect list = KW_MessageListRect(panel, 26);
        EXPECT_TRUE(list.x > panel.x && list.x + list.w < panel.x + panel.w && list.y > panel.y) << screenW;
        int yesX = 0, noX = 0;
        KW_ConfirmButtonsX(screenW, 100, yesX, noX);
        EXPECT_GT(noX, yesX + 100) << "a gap between Yes and No";
        EXPECT_LE(std::abs(yesX - (screenW - noX - 100)), 1) << screenW;
    }

    // The text input sits at the top left, at least 450 wide, with room for
    // its field and its caption, and Ok then Cancel inside it.
    for (const auto& [fieldW, captionW] : {std::pair{100, 50}, {600, 50}, {100, 700}}) {
        const KW_InputTextLayout n = KW_LayoutInputText(fieldW, captionW, 120, 26);
        EXPECT_EQ(std::make_pair(n.panel.x, n.panel.y), std::make_pair(20, 20));
        EXPECT_GE(n.panel.w, 450);
        EXPECT_LT(n.fieldX + fieldW, n.panel.x + n.panel.w) << fieldW;
        EXPECT_LT(n.panel.x + captionW, n.panel.x + n.panel.w) << captionW;
        EXPECT_GT(n.fieldY, n.panel.y + 26) << "the caption above the field";
        EXPECT_GT(n.okX, n.panel.x);
        EXPECT_GT(n.cancelX, n.okX + 120);
        EXPECT_GT(n.buttonsY, n.fieldY + 26);
        EXPECT_LT(n.buttonsY + 34, n.panel.y + n.panel.h);
    }
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
