// Text widths kept in a character table must be the font's own widths.
#include "kwui/draw.h"

#include <allegro5/allegro_ttf.h>
#include <gtest/gtest.h>

#include <string>

TEST(TextWidthCache, GivesTheFontsOwnWidthForPlainKernedForeignBrokenAndCutTexts)
{
    ASSERT_TRUE(al_init_font_addon() && al_init_ttf_addon());
    ALLEGRO_FONT* font = al_load_ttf_font("kwuidata/fonts/DejaVuSans.ttf", 22, 0);
    ASSERT_NE(font, nullptr) << "the font is placed by the set-up";
    const KW_TextWidthCache widths(font);
    const std::string texts[] = {
        "",
        "Mow every patch of grass before the clock runs out.",
        "AVATAR To Ty Wa yo LT",                // kerned pairs
        "tab\there, and ~ { } | \x7f \x01",    // every code below 128 is in the table
        "M\xc3\xbcller's lawn \xe2\x80\x94 50%", // UTF-8 is measured by the font
        "broken \xff\xfe bytes",
        std::string("cut at\0 the zero byte", 21),
    };
    for (int round = 0; round < 2; ++round)  // the second round reads the kept table
        for (const std::string& text : texts)
            EXPECT_EQ(widths.Width(text), al_get_text_width(font, text.c_str())) << text;
    EXPECT_EQ(KW_TextWidthCache(nullptr).Width("no font"), 0);
    al_destroy_font(font);
}
