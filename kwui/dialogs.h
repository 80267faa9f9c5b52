// Modal dialogs: message, confirm, text and number entry, colour chooser.
#pragma once

#include <allegro5/allegro.h>

void KW_ShowMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
bool KW_Confirm(const char* format, ...) __attribute__((format(printf, 1, 2)));
bool KW_InputText(char* text, int maxLength, const char* captionFormat, ...) __attribute__((format(printf, 3, 4)));
bool KW_InputNumber(int& value, int min, int max, const char* captionFormat, ...)
    __attribute__((format(printf, 4, 5)));
bool KW_SelectColour(ALLEGRO_COLOR& colour);
