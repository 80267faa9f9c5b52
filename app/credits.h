// The credits slide show and the text viewer (help).
#pragma once

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

extern const char* const kToolkitBanner;
