// ObjectBrowser: a full-screen, paged picker of pictures with captions
// (the tile picker fills it with the tile images).
#pragma once

#include "kwui/slider.h"
#include "kwui/textures.h"

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>
#include <vector>

// [SECTION] Layout rules (plain values, no display needed)

// Top of the item area below the toolbar.
int ObjectBrowserAreaTop(int lineHeight);

struct ObjectBrowserPlace {
    int x = 0, y = 0;
};

// Flows items of the given sizes into rows (1-pixel gaps) and pages that
// fill the screen below the toolbar. Returns one position per item and the
// first index of every page (page 0 starts at 0). An item taller than the
// whole item area gets a page of its own.
void ObjectBrowserLayoutItems(const std::vector<ObjectBrowserPlace>& sizes, int screenW, int screenH,
                              int lineHeight, std::vector<ObjectBrowserPlace>& positions,
                              std::vector<int>& pageStarts);

// The page that holds an item; page 0 for an index outside the items.
int ObjectBrowserPageOf(const std::vector<int>& pageStarts, int itemCount, int index);

// One page on or back, wrapping round at either end.
int ObjectBrowserTurnPage(int page, int step, int pageCount);

// [SECTION] The browser

struct ObjectBrowserItem {
    KW_Texture picture;             // sized from the start; pixels once its page is shown
    ALLEGRO_BITMAP* source = nullptr;  // borrowed picture not yet copied
    std::string caption;
    int x = 0, y = 0;
    ALLEGRO_COLOR outline;
    ObjectBrowserItem();
};

class ObjectBrowser {
public:
    std::vector<ObjectBrowserItem> items;  // indices 0 to count - 1
    std::vector<int> pageStarts;           // first item of each page
    bool hasSlider = false;
    SliderClass slider;
    int32_t currentPage = 0;
    std::string title;
    bool editRequested = false;  // the last Run ended with the pop-up's Edit

    ObjectBrowser();
    ObjectBrowser(const ObjectBrowser&) = delete;
    ObjectBrowser& operator=(const ObjectBrowser&) = delete;
    ~ObjectBrowser() { Clear(); }

    // Appends a copy of the picture with a formatted caption (512 bytes).
    void AddItem(ALLEGRO_BITMAP* bitmap, const char* format, ...) __attribute__((format(printf, 3, 4)));
    // Appends a picture that is copied only when its page is first shown; the
    // bitmap must outlive the browser. The pictures of one page that share a
    // parent bitmap (a tile set's atlas) are read and copied in one go.
    void AddBorrowedItem(ALLEGRO_BITMAP* bitmap, const char* format, ...) __attribute__((format(printf, 3, 4)));
    // Copies the borrowed pictures of a page that are not yet copied.
    void PreparePage(int page);
    // Draws a page's pictures and outlines below the toolbar; returns the
    // item under the pointer (outlined in yellow) or -1.
    int DrawPage(int page, int mouseX, int mouseY);
    // Positions every item for the current screen and sets up the page slider.
    void Layout();
    // The chosen item's index, or -1 when cancelled.
    int Run(int start, bool allowEdit);
    void Clear();
    int PageCount() const { return static_cast<int>(pageStarts.size()); }
    int PageOf(int index) const;
    int ItemCount() const { return static_cast<int>(items.size()); }
    // First item of a page and one past its last.
    void PageRange(int page, int& first, int& end) const;
};
