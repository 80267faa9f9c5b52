// The single-line text field: keyboard focus through the toolkit's 256 field
// slots, Tab to the next field, a blinking caret and horizontal scrolling.
#pragma once

#include <cstdint>
#include <string>

struct KW_TextField {
    std::string text;
    std::string label;  // drawn above the field when not empty
    int caret = 0;      // insertion position (characters)
    int scroll = 0;     // first visible character
    int x = 0, y = 0, width = 0, height = 0;
    uint16_t maxLength = 1;  // accepts at most maxLength - 1 characters
    bool readOnly = false;
    uint8_t slot = 0;
    bool created = false;
};

// width -1: the width of "W" times maxLength; cut to end 20 pixels inside the screen.
void KW_CreateTextField(KW_TextField& field, const std::string& label, int x, int y, int maxLength, int width);
// Draws and edits, once per frame.
void KW_DoTextField(KW_TextField& field);
// Frees the field's slot.
void KW_ReleaseTextField(KW_TextField& field);
// Gives the keyboard focus to the field.
void KW_FocusTextField(const KW_TextField& field);
bool KW_TextFieldHasFocus(const KW_TextField& field);
// Replaces the text (cut to maxLength - 1) and puts the caret at its end.
void KW_SetTextFieldText(KW_TextField& field, const std::string& text);

// [SECTION] Logic without drawing (used by KW_DoTextField and the tests)

// Applies one latched key to a focused field: Backspace, Tab, Left, Right,
// or inserts a printable character. True when the key was used.
bool KW_TextFieldKey(KW_TextField& field, int keyCode, int keyChar);
// The next used slot above 'from', wrapping round to the lowest; 'from' when alone.
uint8_t KW_NextFieldSlot(const uint8_t slots[256], uint8_t from);
// The lowest free slot id, 0 when all are taken.
uint8_t KW_FreeFieldSlot(const uint8_t slots[256]);
// One frame of keeping the caret in view (one character at most).
void KW_TextFieldScrollStep(KW_TextField& field, int (*measure)(const std::string&));
