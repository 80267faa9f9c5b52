// The single-line text field: keyboard focus through the toolkit's 256 field
// slots, Tab to the next field, a blinking caret and horizontal scrolling.
// The text is UTF-8: typing inserts any printable character in any language,
// the caret and the editing keys move by whole characters, and the length
// limit counts bytes (what a file or a buffer holds) without ever cutting a
// character in two.
#pragma once

#include <cstdint>
#include <string>

struct KW_TextField {
    std::string text;
    std::string label;  // drawn above the field when not empty
    int caret = 0;      // insertion position (a byte offset, always between characters)
    int scroll = 0;     // byte offset of the first visible character
    int x = 0, y = 0, width = 0, height = 0;
    uint16_t maxLength = 1;  // holds at most maxLength - 1 bytes
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
// Replaces the text (cut to at most maxLength - 1 bytes, between characters)
// and puts the caret at its end.
void KW_SetTextFieldText(KW_TextField& field, const std::string& text);

// [SECTION] Logic without drawing (used by KW_DoTextField and the tests)

// Applies one latched key to a focused field: Backspace, Delete, Tab, Left,
// Right, or inserts a printable character (code point 32 and up but 127).
// True when the key was used.
bool KW_TextFieldKey(KW_TextField& field, int keyCode, int keyChar);
// The next used slot above 'from', wrapping round to the lowest; 'from' when alone.
uint8_t KW_NextFieldSlot(const uint8_t slots[256], uint8_t from);
// The lowest free slot id, 0 when all are taken.
uint8_t KW_FreeFieldSlot(const uint8_t slots[256]);

// [SECTION] UTF-8 helpers
// The code point's UTF-8 bytes; empty for a value no character has.
std::string KW_Utf8Encode(int codePoint);
// The byte offset of the character boundary before / after 'at'.
int KW_Utf8Previous(const std::string& text, int at);
int KW_Utf8Next(const std::string& text, int at);
// The longest start of the text within 'bytes' bytes that ends between characters.
std::string KW_Utf8Cut(const std::string& text, size_t bytes);
// One frame of keeping the caret in view (one character at most).
// (measure is given the bytes from the scroll offset to the caret.)
void KW_TextFieldScrollStep(KW_TextField& field, int (*measure)(const std::string&));
