// PopupMenuClass: a modal pop-up menu of icon-and-text items that runs its own
// loop until an item is chosen or the menu is cancelled.
#pragma once

#include "kwui/textures.h"

#include <string>
#include <vector>

class PopupMenuClass {
public:
    std::vector<KW_Texture> items;  // each item's icon, its text in the name
    int x = 0, y = 0;
    int current = -1;  // -1: none

    void AddItem(const std::string& text, const std::string& iconName);
    void Clear();
    // The chosen item's index, or -1 when cancelled or empty.
    int Run(int x, int y);

    // [SECTION] Logic without drawing (used by Run and the tests)
    static int ItemHeight(int lineHeight);
    // Moves the menu so that its first item lies inside the screen, then not
    // above or left of 0.
    static void Place(int& x, int& y, int width, int itemHeight, int screenW, int screenH);
    // The item under (mx, my) for a menu at (x, y), or -1.
    int ItemAt(int mx, int my, int width, int itemHeight) const;
    // Up / Down: moves the current item by one, wrapping round.
    void Step(int delta);
};
