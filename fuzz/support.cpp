// Stand-ins for the few toolkit calls the content code makes, so the fuzz
// targets link the content formats alone.
#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/draw.h"
#include "kwui/timing.h"

#include <cstdio>
#include <cstdlib>

void KW_Message(const char*, ...) {}

// A fatal fault is a finding: end so that the fuzzer reports it.
void KW_Fatal(const char* text)
{
    std::fprintf(stderr, "Fatal: %s\n", text);
    std::abort();
}

ALLEGRO_COLOR KW_ColourFrom565(uint16_t value)
{
    const int r = (value >> 11) & 0x1F;
    const int g = (value >> 5) & 0x3F;
    const int b = value & 0x1F;
    return al_map_rgb(static_cast<unsigned char>(r * 255 / 31), static_cast<unsigned char>(g * 255 / 63),
                      static_cast<unsigned char>(b * 255 / 31));
}

void KW_GetDateTime(KW_DateTime& record) { record = KW_DateTime(); }

bool KW_TimeElapsed(KW_DateTime&, int hundredths) { return hundredths <= 0; }
