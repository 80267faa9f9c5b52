// The credits: pages of a heading and lines sliding in from the right over
// the credits picture, with the credits music, repeating until dismissed.
#include "app/credits.h"

#include "app/startup.h"
#include "audio/audio.h"
#include "content/datapath.h"
#include "game/resources.h"
#include "kwui/kwui.h"

#include <algorithm>

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

CreditsLayout LayoutCreditsPage(int lineCount, int screenHeight, int mediumHeight, int statusTop)
{
    CreditsLayout layout;
    const int bottomLimit = statusTop - 4;
    layout.panelTop = static_cast<int>(screenHeight * 0.5 - 5);
    layout.textTop = layout.panelTop + 5;
    layout.spacing = 2 * mediumHeight;
    // The panel ends 10 pixels below the last line's bottom.
    const auto bottom = [&] { return layout.textTop + lineCount * layout.spacing + mediumHeight + 10; };
    if (lineCount > 0 && bottom() > bottomLimit)
        layout.spacing =
            std::max(mediumHeight, (bottomLimit - 10 - mediumHeight - layout.textTop) / lineCount);
    if (bottom() > bottomLimit) {
        layout.textTop = std::max(5, layout.textTop - (bottom() - bottomLimit));
        layout.panelTop = layout.textTop - 5;
    }
    layout.panelBottom = bottom();
    return layout;
}

int CreditsStatusTop() { return kwScreenH - KW_LineHeight() - 2; }

void DrawCreditsPage(ALLEGRO_BITMAP* background, const CreditsPage& page, int linesShown, int slideX)
{
    const ALLEGRO_COLOR white = al_map_rgb(255, 255, 255);
    const int lineCount = static_cast<int>(page.lines.size());
    const CreditsLayout layout =
        LayoutCreditsPage(lineCount, kwScreenH, KW_MediumLineHeight(), CreditsStatusTop());
    KW_DrawBackdrop(background);
    KW_DrawRect(0, layout.panelTop, kwScreenW - 1, layout.panelBottom, true, KW_Colour(KWC_Background), 192);
    KW_DrawFontText(kwFontMedium, 10, layout.textTop, white, page.heading.c_str());
    for (int i = 0; i < linesShown && i < lineCount; ++i) DrawCreditsLine(10, layout.LineTop(i), page.lines[i]);
    if (linesShown < lineCount) DrawCreditsLine(slideX, layout.LineTop(linesShown), page.lines[linesShown]);
    KW_DrawTextF(2, CreditsStatusTop(), white, "%s | %s | Using %s", kVersionText, kToolkitBanner,
                 KW_GetAllegroVersionString().c_str());
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

    KW_ModalScope modal;
    for (;;) {
        const CreditsPage& page = pages[show.pageIndex];
        KW_RedrawAll();  // the sliding line
        DrawCreditsPage(background, page, show.linesShown, show.slideX);
        KW_PresentFrame();

        // Every frame waits for one tick of the frame timer.
        show.Tick(static_cast<int>(page.lines.size()), kwScreenW);
        if (kwKeyPending && (kwKeyCode == ALLEGRO_KEY_ESCAPE || kwKeyCode == ALLEGRO_KEY_SPACE)) break;
    }
    al_destroy_bitmap(background);
}
