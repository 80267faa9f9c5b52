// Text field: length limit, keys, UTF-8 editing and scrolling, focus passing with Tab, slots.
#include "kwui/textfield.h"

#include "kwui/core.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {
void Type(KW_TextField& field, const char* text)
{
    for (const char* c = text; *c; ++c) KW_TextFieldKey(field, ALLEGRO_KEY_A, static_cast<unsigned char>(*c));
}

std::pair<std::string, int> TextAndCaret(const KW_TextField& field) { return {field.text, field.caret}; }

int TenPerCharacter(const std::string& text) { return static_cast<int>(text.size()) * 10; }
}  // namespace

TEST(TextField, OnlyPrintableKeysInsertAndEditingWorksAtTheCaret)
{
    KW_TextField edit;
    KW_CreateTextField(edit, "", 0, 0, 32, 200);
    for (const auto& [key, character] :
         {std::pair{ALLEGRO_KEY_ENTER, 13}, {ALLEGRO_KEY_ESCAPE, 27}, {ALLEGRO_KEY_F1, 0}, {ALLEGRO_KEY_PGUP, 0}})
        EXPECT_FALSE(KW_TextFieldKey(edit, key, character)) << key;
    EXPECT_TRUE(KW_TextFieldKey(edit, ALLEGRO_KEY_SPACE, ' '));
    KW_TextFieldKey(edit, ALLEGRO_KEY_BACKSPACE, 8);
    Type(edit, "helo");
    KW_TextFieldKey(edit, ALLEGRO_KEY_LEFT, 0);
    Type(edit, "l");
    EXPECT_EQ(TextAndCaret(edit), std::make_pair(std::string("hello"), 4));
    KW_TextFieldKey(edit, ALLEGRO_KEY_BACKSPACE, 8);
    EXPECT_EQ(TextAndCaret(edit), std::make_pair(std::string("helo"), 3));
    for (int i = 0; i < 10; ++i) KW_TextFieldKey(edit, ALLEGRO_KEY_LEFT, 0);
    KW_TextFieldKey(edit, ALLEGRO_KEY_BACKSPACE, 8);
    EXPECT_EQ(TextAndCaret(edit), std::make_pair(std::string("helo"), 0)) << "backspace at the start";
}

TEST(TextField, TypesAnyLanguageEditsByWholeCharactersAndLimitsBytesWithoutCuttingOne)
{
    KW_TextField field;
    KW_CreateTextField(field, "", 0, 0, 64, 200);
    EXPECT_FALSE(KW_TextFieldKey(field, 0, 127)) << "DEL is not a character";

    // six Backspaces on 日本語.map leave 日, never half a character
    KW_SetTextFieldText(field, "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.map");
    for (int i = 0; i < 6; ++i) KW_TextFieldKey(field, ALLEGRO_KEY_BACKSPACE, 8);
    EXPECT_EQ(TextAndCaret(field), std::make_pair(std::string("\xE6\x97\xA5"), 3));

    // Left, Right and Delete step over a whole character
    KW_SetTextFieldText(field, "a\xC3\xB6" "b");
    for (const auto& [key, caret] : {std::pair{ALLEGRO_KEY_LEFT, 3}, {ALLEGRO_KEY_LEFT, 1}, {ALLEGRO_KEY_RIGHT, 3}, {ALLEGRO_KEY_LEFT, 1}}) {
        KW_TextFieldKey(field, key, 0);
        EXPECT_EQ(field.caret, caret);
    }
    EXPECT_TRUE(KW_TextFieldKey(field, ALLEGRO_KEY_DELETE, 127));
    EXPECT_EQ(TextAndCaret(field), std::make_pair(std::string("ab"), 1));

    // a field made for 6 holds 5 bytes: ä ä fit, ö would not, a does
    KW_TextField small;
    KW_CreateTextField(small, "", 0, 0, 6, 200);
    for (const int c : {0xE4, 0xE4}) EXPECT_TRUE(KW_TextFieldKey(small, 0, c));
    EXPECT_FALSE(KW_TextFieldKey(small, 0, 0xF6));
    EXPECT_TRUE(KW_TextFieldKey(small, 0, 'a'));
    EXPECT_EQ(small.text, "\xC3\xA4\xC3\xA4" "a");
    KW_SetTextFieldText(small, "\xC3\xA4\xC3\xA4\xC3\xA4");
    EXPECT_EQ(small.text, "\xC3\xA4\xC3\xA4") << "cut before the character that does not fit";

    // Scrolling follows the caret a whole character a frame: 20 pixels an ä in a 54-pixel field.
    kwScreenW = 800;  // a field is cut to the screen
    KW_TextField wide;
    KW_CreateTextField(wide, "", 0, 0, 100, 54);
    KW_SetTextFieldText(wide, "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4");
    std::vector<int> scrolls;
    for (int frame = 0; frame < 7; ++frame) {
        KW_TextFieldScrollStep(wide, TenPerCharacter);
        scrolls.push_back(wide.scroll);
    }
    EXPECT_EQ(scrolls, (std::vector<int>{2, 4, 6, 8, 10, 12, 12}));
    wide.caret = 2;
    KW_TextFieldScrollStep(wide, TenPerCharacter);
    EXPECT_EQ(wide.scroll, 10) << "back one character towards a caret left of the field";
}

TEST(TextField, SlotsAndTabFocus)
{
    KW_TextField a, b, c;
    KW_CreateTextField(a, "", 0, 0, 10, 100);
    KW_FocusTextField(a);
    KW_TextFieldKey(a, ALLEGRO_KEY_TAB, '\t');
    EXPECT_TRUE(KW_TextFieldHasFocus(a) && a.text.empty()) << "Tab in the only field keeps the focus";
    KW_CreateTextField(b, "", 0, 0, 10, 100);
    KW_CreateTextField(c, "", 0, 0, 10, 100);
    KW_ReleaseTextField(b);
    KW_TextFieldKey(a, ALLEGRO_KEY_TAB, '\t');
    EXPECT_TRUE(KW_TextFieldHasFocus(c)) << "Tab passes over a released field";

    KW_TextField d;
    KW_CreateTextField(d, "", 0, 0, 10, 100);
    EXPECT_EQ(d.slot, 1) << "a released slot is used again";
}
