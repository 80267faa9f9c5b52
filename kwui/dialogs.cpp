// Modal dialogs. Until the widget set lands the message goes to the console.
#include "kwui/dialogs.h"

#include "kwui/console.h"

#include <cstdarg>
#include <cstdio>

void KW_ShowMessage(const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    KW_Message("%s", text);
}

bool KW_Confirm(const char*, ...) { return false; }
bool KW_InputText(char*, int, const char*, ...) { return false; }
bool KW_InputNumber(int&, int, int, const char*, ...) { return false; }
bool KW_SelectColour(ALLEGRO_COLOR&) { return false; }
