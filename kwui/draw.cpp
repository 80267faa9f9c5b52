// Fonts, formatted text and the toolkit's drawing primitives.
#include "kwui/draw.h"

#include "kwui/core.h"
#include "kwui/redraw.h"
#include "kwui/console.h"
#include "platform/platform.h"

#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

std::string kwFontPath = "kwuidata/fonts/DejaVuSans.ttf";

// [SECTION] Fonts

void KW_DestroyFonts()
{
    for (ALLEGRO_FONT** font : {&kwFont, &kwFontMedium, &kwFontLarge}) {
        if (*font) al_destroy_font(*font);
        *font = nullptr;
    }
}

bool KW_LoadFonts()
{
    al_init_font_addon();
    al_init_ttf_addon();
    struct FontSlot {
        ALLEGRO_FONT** font;
        int size;
        const char* failure;
    };
    const FontSlot slots[] = {
        {&kwFont, 22, "KW_LoadFonts: Unable to read standard font from %s"},
        {&kwFontMedium, 48, "KW_LoadFonts: Unable to read medium font from %s"},
        {&kwFontLarge, 72, "KW_LoadFonts: Unable to read large font from %s"},
    };
    for (const FontSlot& slot : slots) {
        *slot.font = al_load_font(kwFontPath.c_str(), slot.size, 0);
        if (!*slot.font) {
            KW_NativeMessage(slot.failure, kwFontPath.c_str());
            KW_DestroyFonts();
            return false;
        }
    }
    return true;
}

int KW_LineHeight() { return kwFont ? al_get_font_line_height(kwFont) : 22; }
int KW_MediumLineHeight() { return kwFontMedium ? al_get_font_line_height(kwFontMedium) : 48; }
int KW_LargeLineHeight() { return kwFontLarge ? al_get_font_line_height(kwFontLarge) : 72; }

int KW_TextWidth(ALLEGRO_FONT* font, const char* text)
{
    if (!font || !text) return 0;
    return al_get_text_width(font, text);
}

int KW_TextWidth(const char* text) { return KW_TextWidth(kwFont, text); }

// [SECTION] Text widths of long texts

namespace {
constexpr int kCachedCodes = 128;
constexpr int kPairColumns = kCachedCodes + 1;  // the last column: no next character
constexpr int kUnknownAdvance = -1000000;
}  // namespace

KW_TextWidthCache::KW_TextWidthCache(ALLEGRO_FONT* textFont)
    : font(textFont), pairs(static_cast<size_t>(kCachedCodes) * kPairColumns, kUnknownAdvance)
{
}

int KW_TextWidthCache::PairAdvance(int first, int second) const
{
    int& advance = pairs[static_cast<size_t>(first) * kPairColumns + (second < 0 ? kCachedCodes : second)];
    if (advance == kUnknownAdvance)
        advance = al_get_glyph_advance(font, first, second < 0 ? static_cast<int>(ALLEGRO_NO_KERNING) : second);
    return advance;
}

int KW_TextWidthCache::Width(const char* text, size_t length) const
{
    if (!font || !text) return 0;
    // The font measures up to a zero byte, and so does the table.
    const size_t end = std::find(text, text + length, '\0') - text;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    if (std::any_of(bytes, bytes + end, [](unsigned char c) { return c >= kCachedCodes; }))
        return al_get_text_width(font, std::string(text, end).c_str());
    int width = 0;
    for (size_t i = 0; i < end; ++i) width += PairAdvance(bytes[i], i + 1 < end ? bytes[i + 1] : -1);
    return width;
}

// [SECTION] Text

void KW_DrawFontText(ALLEGRO_FONT* font, int x, int y, ALLEGRO_COLOR colour, const char* text)
{
    if (!font || !text || KW_DrawingSkipped()) return;
    al_draw_text(font, colour, static_cast<float>(x), static_cast<float>(y), ALLEGRO_ALIGN_LEFT, text);
}

void KW_DrawTextF(int x, int y, ALLEGRO_COLOR colour, const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    KW_DrawFontText(kwFont, x, y, colour, text);
}

void KW_DrawFontTextF(ALLEGRO_FONT* font, int x, int y, ALLEGRO_COLOR colour, const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    KW_DrawFontText(font, x, y, colour, text);
}

std::string KW_FormatAllegroVersion(uint32_t version)
{
    char text[64];
    std::snprintf(text, sizeof text, "Allegro v%u.%u.%u[%u]", (version >> 24) & 0xFF, (version >> 16) & 0xFF,
                  (version >> 8) & 0xFF, version & 0xFF);
    return text;
}

std::string KW_GetAllegroVersionString() { return KW_FormatAllegroVersion(al_get_allegro_version()); }

// [SECTION] Colours and shapes

ALLEGRO_COLOR KW_ColourFrom565(uint16_t value)
{
    const int r = (value >> 11) & 0x1F;
    const int g = (value >> 5) & 0x3F;
    const int b = value & 0x1F;
    return al_map_rgb(static_cast<unsigned char>(r * 255 / 31), static_cast<unsigned char>(g * 255 / 63),
                      static_cast<unsigned char>(b * 255 / 31));
}

bool KW_SameColour(ALLEGRO_COLOR a, ALLEGRO_COLOR b)
{
    unsigned char ar, ag, ab, aa, br, bg, bb, ba;
    al_unmap_rgba(a, &ar, &ag, &ab, &aa);
    al_unmap_rgba(b, &br, &bg, &bb, &ba);
    return ar == br && ag == bg && ab == bb && aa == ba;
}

ALLEGRO_COLOR KW_WithAlpha(ALLEGRO_COLOR colour, int alpha)
{
    if (alpha >= 255) return colour;
    unsigned char r, g, b;
    al_unmap_rgb(colour, &r, &g, &b);
    if (alpha < 0) alpha = 0;
    return al_map_rgba(r, g, b, static_cast<unsigned char>(alpha));
}

void KW_DrawRect(int x1, int y1, int x2, int y2, bool filled, ALLEGRO_COLOR colour, int alpha)
{
    if (KW_DrawingSkipped()) return;
    const ALLEGRO_COLOR c = KW_WithAlpha(colour, alpha);
    if (filled)
        al_draw_filled_rectangle(x1, y1, x2 + 1, y2 + 1, c);
    else
        al_draw_rectangle(x1 + 0.5f, y1 + 0.5f, x2 + 0.5f, y2 + 0.5f, c, 1.0f);
}

static void DrawPixelLine(int x1, int y1, int x2, int y2, ALLEGRO_COLOR colour)
{
    // Pixel-centred so a one-pixel line covers exactly one row or column.
    if (x1 == x2)
        al_draw_filled_rectangle(x1, std::min(y1, y2), x1 + 1, std::max(y1, y2) + 1, colour);
    else if (y1 == y2)
        al_draw_filled_rectangle(std::min(x1, x2), y1, std::max(x1, x2) + 1, y1 + 1, colour);
    else
        al_draw_line(x1 + 0.5f, y1 + 0.5f, x2 + 0.5f, y2 + 0.5f, colour, 1.0f);
}

void KW_DrawBevelBox(int x1, int y1, int x2, int y2, int alpha, ALLEGRO_COLOR light, ALLEGRO_COLOR dark,
                     ALLEGRO_COLOR fill)
{
    if (KW_DrawingSkipped()) return;
    if (!KW_SameColour(fill, KW_Colour(KWC_Mask))) KW_DrawRect(x1, y1, x2, y2, true, fill, alpha);
    const ALLEGRO_COLOR l = KW_WithAlpha(light, alpha);
    const ALLEGRO_COLOR d = KW_WithAlpha(dark, alpha);
    DrawPixelLine(x1, y1, x2, y1, l);
    DrawPixelLine(x1, y1, x1, y2, l);
    DrawPixelLine(x1, y2, x2, y2, d);
    DrawPixelLine(x2, y1, x2, y2, d);
}

void KW_DrawBackdrop(ALLEGRO_BITMAP* picture)
{
    if (!picture) {
        al_clear_to_color(KW_Colour(KWC_Background));
        return;
    }
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_BLENDER);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    al_draw_scaled_bitmap(picture, 0, 0, static_cast<float>(al_get_bitmap_width(picture)),
                          static_cast<float>(al_get_bitmap_height(picture)), 0, 0, static_cast<float>(kwScreenW),
                          static_cast<float>(kwScreenH), 0);
    al_restore_state(&state);
}

void KW_DrawWindowFrame(int x1, int y1, int x2, int y2, const char* format, ...)
{
    char title[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(title, sizeof title, format, args);
    va_end(args);

    const int titleBottom = y1 + KW_LineHeight() + 4;
    KW_DrawBevelBox(x1, y1, x2, titleBottom, 255, KW_Colour(KWC_TitleLight), KW_Colour(KWC_TitleDark),
                    KW_Colour(KWC_TitleFill));
    KW_DrawBevelBox(x1, titleBottom, x2, y2, 255, KW_Colour(KWC_WindowLight), KW_Colour(KWC_WindowDark),
                    KW_Colour(KWC_WindowFill));
    KW_DrawFontText(kwFont, x1 + 3, y1 + 3, KW_Colour(KWC_TitleText), title);
}

void KW_DrawCaret(int x, int y, ALLEGRO_COLOR colour)
{
    // Blinks with the wall clock: on in the second half of each second.
    KW_RedrawArea(x, y, x + 1, y + KW_LineHeight() - 1);
    if (PlatformUtcNow().millisecond < 500) return;
    KW_DrawRect(x, y, x + 1, y + KW_LineHeight() - 1, true, colour, 255);
}
