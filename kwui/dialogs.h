// Modal dialogs: message, confirm, text and number entry, colour chooser.
// Each is a nested frame loop that returns its result to the caller.
#pragma once

#include <allegro5/allegro.h>

#include <string>

void KW_ShowMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
bool KW_Confirm(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Edits text (a buffer of at least maxLength + 1 bytes) in place.
bool KW_InputText(char* text, int maxLength, const char* captionFormat, ...) __attribute__((format(printf, 3, 4)));
// Edits a string that may hold up to maxCharacters characters: a longer one
// is offered cut, and all maxCharacters fit in the field (KW_InputText's field
// takes one character less than its length). On Ok the text is stored.
bool KW_InputString(std::string& text, int maxCharacters, const char* caption);
bool KW_InputNumber(int& value, int min, int max, const char* captionFormat, ...)
    __attribute__((format(printf, 4, 5)));
bool KW_SelectColour(ALLEGRO_COLOR& colour);

// [SECTION] Layout and conversion rules (plain values, no display needed)

struct KW_DialogRect {
    int x = 0, y = 0, w = 0, h = 0;
};

// The "Message" and "Confirm" panel: the smaller of 950 and 80 % of the
// screen width, 8 lines high, centred.
int KW_MessagePanelWidth(int screenW);
KW_DialogRect KW_MessagePanelRect(int screenW, int screenH, int lineHeight);
// The read-only text list inside that panel (4 rows).
KW_DialogRect KW_MessageListRect(const KW_DialogRect& panel, int lineHeight);
// Left edges of "Yes" and "No" (equal widths), 5 pixels apart, centred.
void KW_ConfirmButtonsX(int screenW, int buttonW, int& yesX, int& noX);

// The caption of the number entry: "%s (%d to %d)" with "Enter a new number"
// standing in for an empty caption.
std::string KW_NumberCaption(const char* caption, int min, int max);
// Converts the typed text as atoi would (no digits read as 0). In range the
// number is stored and true returned; otherwise the value is left alone.
bool KW_ApplyNumberInput(const char* text, int min, int max, int& value);
// The number field's length: it takes one character less (5).
constexpr int kNumberFieldLength = 6;

// The "Edit Text String" dialog for a field of the given width.
struct KW_InputTextLayout {
    KW_DialogRect panel;
    int fieldX = 0, fieldY = 0;
    int okX = 0, cancelX = 0, buttonsY = 0;
};
KW_InputTextLayout KW_LayoutInputText(int fieldWidth, int captionWidth, int buttonWidth, int lineHeight);
