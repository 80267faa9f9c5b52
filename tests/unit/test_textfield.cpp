// Text field: length limit, keys, UTF-8 editing, focus passing with Tab, slots, scrolling.
#include "kwui/textfield.h"

#include "kwui/core.h"

#include <gtest/gtest.h>

#include <utility>

namespace {
void Type(KW_TextField& field, const char* text)
{
    for (const char* c = text; *c; ++c) KW_TextFieldKey(field, ALLEGRO_KEY_A, static_cast<unsigned char>(*c));
}

std::pair<std::string, int> TextAndCaret(const KW_TextField& field) { return {field.text, field.caret}; }

int TenPerCharacter(const std::string& text) { return static_cast<int>(text.size()) * 10; }
}  // namespace

TEST(TextField, CreatedForSixAcceptsFiveOnlyPrintableKeysInsertAndEditingWorksAtTheCaret)
{
    KW_TextField field;
    KW_CreateTextField(field, "Number", 10, 10, 6, 200);
    Type(field, "1234567");
    EXPECT_EQ(TextAndCaret(field), std::make_pair(std::string("12345"), 5));

    KW_TextField other, edit;
    KW_CreateTextField(other, "", 0, 0, 32, 200);
    for (const auto& [key, character] :
         {std::pair{ALLEGRO_KEY_ENTER, 13}, {ALLEGRO_KEY_ESCAPE, 27}, {ALLEGRO_KEY_F1, 0}, {ALLEGRO_KEY_PGUP, 0}})
        EXPECT_FALSE(KW_TextFieldKey(other, key, character)) << key;
    EXPECT_TRUE(KW_TextFieldKey(other, ALLEGRO_KEY_SPACE, ' '));
    EXPECT_EQ(other.text, " ");

    // Editing keys work at the caret.
    KW_CreateTextField(edit, "", 0, 0, 32, 200);
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
    // Typing beyond ASCII: test_mapeditor_edit_and_run.sh saves a map as Größe.map.
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

    // scrolling keeps to character boundaries
    KW_TextField wide;
    KW_CreateTextField(wide, "", 0, 0, 100, 54);
    KW_SetTextFieldText(wide, "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4");
    for (int frame = 0; frame < 20; ++frame) {
        KW_TextFieldScrollStep(wide, TenPerCharacter);
        EXPECT_EQ(wide.scroll % 2, 0) << "scroll inside a character";
    }
    EXPECT_GT(wide.scroll, 0);
}

TEST(TextField, SlotsTabFocusAndScrolling)
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
    EXPECT_TRUE(KW_TextFieldHasFocus(c));
    KW_TextFieldKey(c, ALLEGRO_KEY_TAB, '\t');
    EXPECT_TRUE(KW_TextFieldHasFocus(a));

    KW_TextField d;
    KW_CreateTextField(d, "", 0, 0, 10, 100);
    EXPECT_EQ(d.slot, 1) << "a released slot is used again";

    // Scrolling follows the caret, one character a frame.
    kwScreenW = 800;
    KW_TextField field;
    KW_CreateTextField(field, "", 0, 0, 100, 54);
    KW_SetTextFieldText(field, "abcdefghij");  // 100 pixels in a 54-pixel field
    int frames = 0;
    while (TenPerCharacter(field.text.substr(field.scroll, field.caret - field.scroll)) > 50 && frames < 50) {
        KW_TextFieldScrollStep(field, TenPerCharacter);
        ++frames;
    }
    EXPECT_EQ(std::pair(field.scroll, frames), std::pair(5, 5));
    field.caret = 1;
    KW_TextFieldScrollStep(field, TenPerCharacter);
    EXPECT_EQ(field.scroll, 4);
}
