// The credits: pages of a heading and lines sliding in from the right over
// the credits picture, with the credits music, repeating until dismissed.
#include "app/credits.h"

#include "app/startup.h"
#include "audio/audio.h"
#include "content/datapath.h"
#include "game/resources.h"
#include "kwui/kwui.h"

const char* const kToolkitBanner = "KWUI2 immediate-mode toolkit";

std::vector<CreditsPage> BuildCreditsPages()
{
    return {
        {"Sodbolt", {"The cutting edge of the Zentor universe"}},
        {"Game Created by", {"- Rowan Tillery"}},
        {"Game Libraries", {"Allegro 5"}},
        {"Music", {"- Ada Hollowell", "- Bram Castellan"}},
        {"Maps", {"- Ines Marlow", "- Teodor Quill", "- Wren Abernathy", "- Sol Kettering"}},
        {"Thanks to", {"- Mina Okafor", "- Piet Vandermolen", "- The testers"}},
    };
}

void CreditsShow::StartPage(int index, int screenWidth)
{
    pageIndex = (index >= pageCount) ? 0 : index;
    linesShown = 0;
    countdown = 150;
    slideX = screenWidth;
}

void CreditsShow::Tick(int lineCount, int screenWidth)
{
    if (linesShown < lineCount) {
        slideX -= 64;
        if (slideX < 11) {
            ++linesShown;
            slideX = screenWidth;
        }
        return;
    }
    if (--countdown <= 0) StartPage(pageIndex + 1, screenWidth);
}

// A line in the medium font, or in the standard font when the medium one
// would run off a narrow screen.
static void DrawCreditsLine(int x, int y, const std::string& line)
{
    ALLEGRO_FONT* font = KW_TextWidth(kwFontMedium, line.c_str()) <= kwScreenW - 20 ? kwFontMedium : kwFont;
    KW_DrawFontText(font, x, y, al_map_rgb(255, 255, 255), line.c_str());
}

void ShowCredits()
{
    const std::string backgroundPath = ResolveDataPath(std::string("CreditsBack.tga"));
    ALLEGRO_BITMAP* background = al_load_bitmap(backgroundPath.c_str());
    if (!background) {
        KW_ShowMessage("Unable to load bitmap from %s", backgroundPath.c_str());
        return;
    }
    AudioClass::GetInstance().PlayMusic(MusicFilePath(gResources.creditsMusic).c_str());
    KW_ClearConsole();

    const std::vector<CreditsPage> pages = BuildCreditsPages();
    CreditsShow show;
    show.pageCount = static_cast<int>(pages.size());
    show.StartPage(0, kwScreenW);

    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    const std::string allegroVersion = KW_GetAllegroVersionString();
    KW_ClearKey();
    for (;;) {
        const CreditsPage& page = pages[show.pageIndex];
        const int lineCount = static_cast<int>(page.lines.size());
        const int medium = KW_MediumLineHeight();
        const int panelTop = static_cast<int>(kwScreenH * 0.5 - 5);
        const int panelBottom = static_cast<int>(kwScreenH * 0.5 + medium + 20 + lineCount * 2 * medium + 5);

        al_clear_to_color(KW_Colour(KWC_Background));
        al_draw_scaled_bitmap(background, 0, 0, al_get_bitmap_width(background), al_get_bitmap_height(background), 0,
                              0, kwScreenW, kwScreenH, 0);
        KW_DrawRect(0, panelTop, kwScreenW - 1, panelBottom, true, KW_Colour(KWC_Background), 192);
        const int textTop = panelTop + 5;
        KW_DrawFontText(kwFontMedium, 10, textTop, white, page.heading.c_str());
        for (int i = 0; i < show.linesShown && i < lineCount; ++i)
            DrawCreditsLine(10, textTop + (i + 1) * 2 * medium, page.lines[i]);
        if (show.linesShown < lineCount)
            DrawCreditsLine(show.slideX, textTop + (show.linesShown + 1) * 2 * medium, page.lines[show.linesShown]);
        KW_DrawTextF(2, kwScreenH - KW_LineHeight() - 2, white, "%s | %s | Using %s", kVersionText, kToolkitBanner,
                     allegroVersion.c_str());
        KW_PresentFrame();

        // Every frame waits for one tick of the frame timer.
        show.Tick(lineCount, kwScreenW);
        if (kwKeyPending && (kwKeyCode == ALLEGRO_KEY_ESCAPE || kwKeyCode == ALLEGRO_KEY_SPACE)) break;
    }
    KW_ClearKey();
    al_destroy_bitmap(background);
}
