// The on-screen message console, the full-screen console window, the error
// log and native message boxes.
#pragma once

#include "kwui/context.h"

#include <allegro5/allegro.h>

#include <string>
#include <vector>

// The console's lines and settings (kwConsoleLines, kwConsoleTop, ...) are
// part of the toolkit's record, kwui/context.h.

void KW_Message(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Adds one line as it stands (no formatting); what KW_Message does after formatting.
void KW_AddConsoleLine(const char* text);
void KW_ClearConsole();
// Draws the recent lines; once a frame, from the frame's end (KW_PresentFrame).
void KW_DrawConsole();
// A dialog's frame draws the lines first, under its panel, so that they do
// not run across its text; the frame's end then leaves them out.
void KW_DrawConsoleUnderDialog();
// The frame's end: the lines, unless the dialog drew them already.
void KW_DrawConsoleAtFrameEnd();
// The rectangle (inclusive) the console's lines cover when drawn now; false
// when none are shown.
bool KW_ConsoleArea(int& x1, int& y1, int& x2, int& y2);

bool KW_CreateConsole();
void KW_DestroyConsole();
void KW_ShowConsoleWindow(bool visible);
void KW_ConsolePrint(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The console window's lines (for the program's own checks).
const std::vector<std::string>& KW_ConsoleWindowLines();

void KW_LogError(const char* format, ...) __attribute__((format(printf, 1, 2)));
extern std::string kwErrorLogName;  // "KWUI2 Error Log.txt", in the folder start-up chooses
void KW_NativeMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
