// MenuScreen: the full-screen menu every menu of the program is built from,
// with its shared animation (pulsing grey, breathing icon, sliding text).
#pragma once

#include "kwui/textures.h"
#include "kwui/timing.h"

#include <string>
#include <vector>

struct MenuItem {
    std::string label;
    std::string description;
    std::string iconName;
    KW_Texture icon;
};

// One animation for all menus, so moving between them does not restart it.
struct MenuAnimation {
    int greyLevel = 255;
    bool greyFalling = true;
    float iconScale = 1.0f;
    bool iconShrinking = true;
    float ticks = 0.0f;
    // One tick: grey between 140 and 250 by 6, icon scale between 0.8 and 1.6 by 0.03.
    void Step();
};
extern MenuAnimation gMenuAnimation;

class MenuScreen {
public:
    enum { kNothing = -1, kCancelled = -2 };

    void Init(const std::string& title);
    void AddItem(const std::string& label, const std::string& description, const std::string& iconName);
    // Looks up the three menu sounds by name.
    void FindSounds();
    // Draws the menu and handles one frame of input: -1 nothing chosen, -2
    // cancelled (Escape), else the chosen item's index.
    int Update();
    void ReloadIcons();

    // Moves the selection by one row, wrapping at both ends.
    void MoveSelection(int delta);
    int RowHeight() const { return rowHeight; }
    int ItemRowTop(int index) const;
    int ItemRowHeight() const;
    // Draws one frame of the menu for a pointer at (mouseX, mouseY) with
    // those buttons held; clicked is set when the selected row is pressed.
    void DrawWithPointer(int mouseX, int mouseY, int buttons, bool& clicked);
    // Where the message console goes on this menu: under the last row when
    // its lines fit there, else right of the rows, so no entry is covered.
    void PlaceConsole(int lineCount, int& x, int& top) const;

    std::string title;
    std::string versionText;
    std::string webLine;
    std::string statusText;
    int lastMouseX = -1, lastMouseY = -1;
    int descriptionX = 0;
    int selected = -1;
    int width = 320;
    int rowHeight = 0;
    KW_FrameTimer animationTimer;
    std::vector<MenuItem> items;
    int selectSound = -1, moveSound = -1, cancelSound = -1;

private:
    void DrawTitleBar();
    void AskForAnimatedParts() const;
    void PlayMenuSound(int number) const;
    void KeepSelectionInRange();
};

// Draws a background picture scaled over the whole screen.
void DrawMenuBackground(ALLEGRO_BITMAP* background);

void RunNewGameScreen(ALLEGRO_BITMAP* background);
void RunDeleteSaveScreen(ALLEGRO_BITMAP* background);
