// The credits slide show and the text viewer (help).
#pragma once

#include <allegro5/allegro.h>

#include <string>
#include <vector>

struct CreditsPage {
    std::string heading;
    std::vector<std::string> lines;
};

// The pages in the order they are shown.
std::vector<CreditsPage> BuildCreditsPages();

// The credits, until Escape or Space.
void ShowCredits();
// Shows a file line by line (isFile) or one line of text, until "Done".
void ShowTextViewer(const char* textOrPath, bool isFile, const char* titleFormat, ...)
    __attribute__((format(printf, 3, 4)));

// The slide show's state, stepped once per tick.
struct CreditsShow {
    int pageIndex = 0;
    int linesShown = 0;
    int countdown = 150;
    int slideX = 0;
    int pageCount = 0;

    void StartPage(int index, int screenWidth);
    // One tick; lineCount is the current page's number of lines.
    void Tick(int lineCount, int screenWidth);
};

// Where a page goes: a line every two medium line heights from half the
// screen down, closer (down to one line height) and then higher up when the
// page's lines would otherwise reach the status line at statusTop.
struct CreditsLayout {
    int panelTop = 0, panelBottom = 0, textTop = 0, spacing = 0;
    int LineTop(int index) const { return textTop + (index + 1) * spacing; }
};
CreditsLayout LayoutCreditsPage(int lineCount, int screenHeight, int mediumHeight, int statusTop);
// The top of the status line at the bottom of the credits screen.
int CreditsStatusTop();
// One picture of a page: the background, the panel, the heading, the lines
// shown so far and the one sliding in at slideX, and the status line.
void DrawCreditsPage(ALLEGRO_BITMAP* background, const CreditsPage& page, int linesShown, int slideX);

extern const char* const kToolkitBanner;
