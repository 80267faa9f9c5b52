// Fonts, text drawing and the toolkit's drawing primitives.
#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include <cstdint>
#include <string>

bool KW_LoadFonts();
void KW_DestroyFonts();

// Formatted text (256-byte buffer, cut, never overflowed) at integer positions.
void KW_DrawTextF(int x, int y, ALLEGRO_COLOR colour, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
void KW_DrawFontTextF(ALLEGRO_FONT* font, int x, int y, ALLEGRO_COLOR colour, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
void KW_DrawFontText(ALLEGRO_FONT* font, int x, int y, ALLEGRO_COLOR colour, const char* text);

// "Allegro v%d.%d.%d[%d]" from a packed version number (most significant byte first).
std::string KW_FormatAllegroVersion(uint32_t version);
std::string KW_GetAllegroVersionString();

// A 5-6-5 value expanded to 8 bits per channel.
ALLEGRO_COLOR KW_ColourFrom565(uint16_t value);

void KW_DrawRect(int x1, int y1, int x2, int y2, bool filled, ALLEGRO_COLOR colour, int alpha);
// fill equal to the mask colour means no fill.
void KW_DrawBevelBox(int x1, int y1, int x2, int y2, int alpha, ALLEGRO_COLOR light, ALLEGRO_COLOR dark,
                     ALLEGRO_COLOR fill);
void KW_DrawWindowFrame(int x1, int y1, int x2, int y2, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
void KW_DrawCaret(int x, int y, ALLEGRO_COLOR colour);

bool KW_SameColour(ALLEGRO_COLOR a, ALLEGRO_COLOR b);
ALLEGRO_COLOR KW_WithAlpha(ALLEGRO_COLOR colour, int alpha);
