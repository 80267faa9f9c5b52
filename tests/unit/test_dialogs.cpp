// Modal dialogs: panel geometry and the number entry's conversion rule.
#include "kwui/dialogs.h"
#include "kwui/textfield.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

TEST(DialogsMessagePanel, WidthIsTheSmallerOf950AndFourFifthsOfTheScreen)
{
    EXPECT_EQ(KW_MessagePanelWidth(1280), 950);
    EXPECT_EQ(KW_MessagePanelWidth(800), 640);
    EXPECT_EQ(KW_MessagePanelWidth(1001), 800);  // 800.8 is cut
}

TEST(DialogsMessagePanel, PanelIsCentredWithAFourRowTextList)
{
    const KW_DialogRect panel = KW_MessagePanelRect(800, 600, 26);
    EXPECT_EQ(panel.x, 80);
    EXPECT_EQ(panel.h, 8 * 26);
    EXPECT_EQ(panel.y, (600 - 208) / 2);
    const KW_DialogRect list = KW_MessageListRect(panel, 26);
    EXPECT_EQ(list.x, 85);
    EXPECT_EQ(list.y, panel.y + 39);
    EXPECT_EQ(list.w, 630);
    EXPECT_EQ(list.h, 4);

    int yesX = 0, noX = 0;
    KW_ConfirmButtonsX(800, 100, yesX, noX);
    EXPECT_EQ(yesX, (800 - 205) / 2);
    EXPECT_EQ(noX, yesX + 105);
}

TEST(DialogsInputNumber, OutOfRangeAndNonNumbersKeepTheValue)
{
    int value = 17;
    EXPECT_FALSE(KW_ApplyNumberInput("0", 1, 100, value));
    EXPECT_EQ(value, 17);
    EXPECT_FALSE(KW_ApplyNumberInput("abc", 1, 100, value));  // reads as 0
    EXPECT_EQ(value, 17);
    EXPECT_FALSE(KW_ApplyNumberInput("101", 1, 100, value));
    EXPECT_FALSE(KW_ApplyNumberInput("99999999999", 1, 100, value));  // no wrap into range
    EXPECT_EQ(value, 17);
    EXPECT_TRUE(KW_ApplyNumberInput("42", 1, 100, value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(KW_ApplyNumberInput("100", 1, 100, value));
    EXPECT_EQ(value, 100);
    EXPECT_TRUE(KW_ApplyNumberInput("-7", -10, 10, value));
    EXPECT_EQ(value, -7);
}

TEST(DialogsInputNumber, CaptionFallsBackToEnterANewNumber)
{
    EXPECT_EQ(KW_NumberCaption("", 1, 100), "Enter a new number (1 to 100)");
    EXPECT_EQ(KW_NumberCaption("Time limit", 10, 999), "Time limit (10 to 999)");
    EXPECT_EQ(KW_NumberCaption("100% sure", -5, 5), "100% sure (-5 to 5)");
}

TEST(DialogsInputNumber, TheFieldTakesFiveCharactersSoANegativeNumberHasFourDigits)
{
    KW_TextField field;
    KW_CreateTextField(field, "", 40, 40, kNumberFieldLength, 200);
    for (const char* key = "-12345"; *key; ++key) KW_TextFieldKey(field, 0, *key);
    EXPECT_EQ(field.text, "-1234");
    KW_ReleaseTextField(field);
}

TEST(DialogsInputText, LayoutIsAnchoredTopLeftAndAtLeast450Wide)
{
    const KW_InputTextLayout narrow = KW_LayoutInputText(100, 50, 120, 26);
    EXPECT_EQ(narrow.panel.x, 20);
    EXPECT_EQ(narrow.panel.y, 20);
    EXPECT_EQ(narrow.panel.w, 450);
    EXPECT_EQ(narrow.panel.h, 156);
    EXPECT_EQ(narrow.fieldY, 20 + 52 + 5);
    EXPECT_EQ(narrow.okX, 30);
    EXPECT_EQ(narrow.cancelX, 30 + 120 + 10);
    EXPECT_EQ(narrow.buttonsY, 20 + 156 - 42);

    EXPECT_EQ(KW_LayoutInputText(600, 50, 120, 26).panel.w, 640);  // field + 40
    EXPECT_EQ(KW_LayoutInputText(100, 700, 120, 26).panel.w, 720); // caption + 20
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
