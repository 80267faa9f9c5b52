// The message console (recent status lines, lower left), the full-screen
// console window shown while loading, the error log and native boxes.
#include "kwui/console.h"

#include "kwui/core.h"
#include "kwui/draw.h"
#include "kwui/input.h"
#include "kwui/textwindow.h"
#include "platform/platform.h"

#include <allegro5/allegro_native_dialog.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <ctime>

std::string kwErrorLogName = "KWUI2 Error Log.txt";

static long WallSecond() { return static_cast<long>(std::time(nullptr)); }

// [SECTION] Message console

void KW_AddConsoleLine(const char* text)
{
    KW_ConsoleLine line;
    line.text = text;
    line.colour = kwConsoleColour;
    line.age = 0;
    line.lastSecond = WallSecond();
    kwConsoleLines.push_back(line);
    KW_NoteConsoleChange();
    while (static_cast<int>(kwConsoleLines.size()) >= kwConsoleMaxLines && !kwConsoleLines.empty())
        kwConsoleLines.erase(kwConsoleLines.begin());
}

void KW_Message(const char* format, ...)
{
    if (!kwInitialised || !format || !*format) return;
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    // Also on the standard error stream: an on-screen line is gone in seconds.
    std::fprintf(stderr, "%s\n", text);
    KW_ConsolePrint("%s", text);
    KW_AddConsoleLine(text);
}

void KW_ClearConsole()
{
    if (!kwConsoleLines.empty()) KW_NoteConsoleChange();
    kwConsoleLines.clear();
}

void KW_DrawConsole()
{
    if (kwConsoleWindowVisible) return;
    const long now = WallSecond();
    const int lh = KW_LineHeight();
    for (size_t i = 0; i < kwConsoleLines.size();) {
        KW_ConsoleLine& line = kwConsoleLines[i];
        if (line.lastSecond != now) {
            line.age += 1;
            line.lastSecond = now;
        }
        KW_DrawTextF(kwConsoleX, kwConsoleTop + static_cast<int>(i) * lh, line.colour, "%s", line.text.c_str());
        if (line.age > kwConsoleLifetime) {
            kwConsoleLines.erase(kwConsoleLines.begin() + static_cast<long>(i));
            KW_NoteConsoleChange();
        } else {
            ++i;
        }
    }
    const int n = static_cast<int>(kwConsoleLines.size());
    if (n > 0) {
        const int top = kwConsoleTop, bottom = kwConsoleTop + n * lh;
        KW_DrawRect(1, top, 1, bottom, true, kwConsoleColour, 255);
        KW_DrawRect(1, top, 3, top, true, kwConsoleColour, 255);
        KW_DrawRect(1, bottom, 3, bottom, true, kwConsoleColour, 255);
    }
}

bool KW_ConsoleArea(int& x1, int& y1, int& x2, int& y2)
{
    if (kwConsoleWindowVisible || kwConsoleLines.empty()) return false;
    int widest = 0;
    for (const KW_ConsoleLine& line : kwConsoleLines) widest = std::max(widest, KW_TextWidth(line.text.c_str()));
    // the bar on the left from x 1, the text from kwConsoleX; a little room for the glyphs' overhang
    x1 = 0;
    y1 = kwConsoleTop - 2;
    x2 = kwConsoleX + widest + 4;
    y2 = kwConsoleTop + static_cast<int>(kwConsoleLines.size()) * KW_LineHeight() + 4;
    return true;
}

void KW_DrawConsoleUnderDialog()
{
    KW_DrawConsole();
    kwContext.consoleDrawnUnder = true;
}

void KW_DrawConsoleAtFrameEnd()
{
    if (!kwContext.consoleDrawnUnder) KW_DrawConsole();
    kwContext.consoleDrawnUnder = false;
}

// [SECTION] Console window

bool KW_CreateConsole()
{
    TextWindowClass::Create(kwContext.consoleWindow, kwScreenW - 20, kwScreenH - 20);
    kwContext.consoleWindowMade = true;
    kwConsoleWindowVisible = false;
    return true;
}

void KW_DestroyConsole()
{
    TextWindowClass::Clear(kwContext.consoleWindow);
    kwContext.consoleWindowMade = false;
    kwConsoleWindowVisible = false;
}

void KW_ShowConsoleWindow(bool visible) { kwConsoleWindowVisible = visible && kwContext.consoleWindowMade; }

const std::vector<std::string>& KW_ConsoleWindowLines() { return kwContext.consoleWindow.lines; }

void KW_ConsolePrint(const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    TextWindowClass::Print(kwContext.consoleWindow, text);
    if (kwConsoleWindowVisible && kwDisplay) {
        al_clear_to_color(KW_Colour(KWC_Background));
        TextWindowClass::Draw(kwContext.consoleWindow);
        KW_PresentFrame();
    }
}

// [SECTION] Error log and native boxes

void KW_NativeMessage(const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    // A grabbed pointer could not reach the box's button.
    if (kwDisplay) al_ungrab_mouse();
    al_show_native_message_box(nullptr, "Message", "", text, nullptr, ALLEGRO_MESSAGEBOX_ERROR);
    if (kwDisplay) al_grab_mouse(kwDisplay);
}

void KW_LogError(const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    KW_ConsolePrint("%s", text);

    FILE* log = std::fopen(kwErrorLogName.c_str(), "a");
    if (!log) {
        // The log's folder is made on the first error.
        const size_t slash = kwErrorLogName.find_last_of("/\\");
        if (slash != std::string::npos && slash > 0 && PlatformMakeFolders(kwErrorLogName.substr(0, slash)))
            log = std::fopen(kwErrorLogName.c_str(), "a");
    }
    if (!log) {
        KW_NativeMessage("KW_LogError: KWUI was unable to write the following error to the log file (the log file "
                         "could not be opened):\n%s",
                         text);
        return;
    }
    const time_t now = std::time(nullptr);
    char stamp[64] = "?\n";
    if (const char* when = std::ctime(&now)) std::snprintf(stamp, sizeof stamp, "%s", when);
    std::fprintf(log, "%s>%s\n\n", stamp, text);
    std::fclose(log);
}
