// Fonts, text drawing and the toolkit's drawing primitives.
#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

bool KW_LoadFonts();
void KW_DestroyFonts();

// Formatted text (256-byte buffer, cut, never overflowed) at integer positions.
void KW_DrawTextF(int x, int y, ALLEGRO_COLOR colour, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
void KW_DrawFontTextF(ALLEGRO_FONT* font, int x, int y, ALLEGRO_COLOR colour, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
void KW_DrawFontText(ALLEGRO_FONT* font, int x, int y, ALLEGRO_COLOR colour, const char* text);

// Widths of many texts in one font (word-wrapping a long file): the advances
// of pairs of the first 128 character codes are asked of the font once and
// kept, so plain ASCII text is summed from the table. Any other text is
// measured by the font. Gives the same widths as al_get_text_width, which
// also stops at a zero byte.
class KW_TextWidthCache {
public:
    explicit KW_TextWidthCache(ALLEGRO_FONT* font);
    int Width(const char* text, size_t length) const;
    int Width(const std::string& text) const { return Width(text.data(), text.size()); }

private:
    int PairAdvance(int first, int second) const;
    ALLEGRO_FONT* font;
    mutable std::vector<int> pairs;  // [first * 129 + second], second 128 = nothing follows
};

// "Allegro v%d.%d.%d[%d]" from a packed version number (most significant byte first).
std::string KW_FormatAllegroVersion(uint32_t version);
std::string KW_GetAllegroVersionString();

// A 5-6-5 value expanded to 8 bits per channel.
ALLEGRO_COLOR KW_ColourFrom565(uint16_t value);

void KW_DrawRect(int x1, int y1, int x2, int y2, bool filled, ALLEGRO_COLOR colour, int alpha);
// fill equal to the mask colour means no fill.
void KW_DrawBevelBox(int x1, int y1, int x2, int y2, int alpha, ALLEGRO_COLOR light, ALLEGRO_COLOR dark,
                     ALLEGRO_COLOR fill);
// A picture scaled over the whole screen as a plain copy, so nothing needs
// clearing first: over the background black, blending would give the same
// pixels. Without a picture, the screen is cleared.
void KW_DrawBackdrop(ALLEGRO_BITMAP* picture);
void KW_DrawWindowFrame(int x1, int y1, int x2, int y2, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
void KW_DrawCaret(int x, int y, ALLEGRO_COLOR colour);

bool KW_SameColour(ALLEGRO_COLOR a, ALLEGRO_COLOR b);
ALLEGRO_COLOR KW_WithAlpha(ALLEGRO_COLOR colour, int alpha);
