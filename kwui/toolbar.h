// Toolbars: a titled, movable strip of icon buttons across the top of a screen,
// optionally auto-hiding to its title tab.
#pragma once

#include "kwui/button.h"

#include <cstdint>
#include <string>
#include <vector>

struct KW_Toolbar {
    std::vector<KW_Button> buttons;  // in the order added
    std::string title = "Toolbar";
    std::string status;  // drawn after the last button when showStatus is set
    int x = 0, y = 0;
    int width = 0;   // recomputed every frame
    int height = 0;  // line height + 48
    bool docked = true;
    bool showStatus = false;
    bool dragging = false;
    int lastMouseX = 0, lastMouseY = 0;
    uint8_t alpha = 255;  // opacity of the title tab
    bool autoHide = false;
    bool hidden = true;  // meaningful only with autoHide
    int homeX = 0, homeY = 0;
};

void KW_InitToolbar(KW_Toolbar& toolbar);
// "" as icon name: no icon (the default texture); "seperator": a separator.
void KW_AddToolbarButton(KW_Toolbar& toolbar, const std::string& iconName, const std::string& text, int hotKey);
void KW_AddToolbarButtonEx(KW_Toolbar& toolbar, const std::string& text, int hotKey, bool separator,
                           const KW_Texture& icon);
void KW_SetToolbarTitle(KW_Toolbar& toolbar, const char* format, ...) __attribute__((format(printf, 2, 3)));
void KW_ClearToolbar(KW_Toolbar& toolbar);
// Update and draw; the index of the clicked button (the lowest if several), or -1.
int KW_DoToolbar(KW_Toolbar& toolbar);
// A yellow frame round button index (as KW_DoToolbar lays it out): the tool
// that is switched on. Nothing for an index the toolbar does not have.
void KW_FrameToolbarButton(const KW_Toolbar& toolbar, int index);

// [SECTION] Layout helpers (plain values, used by the toolbar and its tests)

// Places the buttons along the row and returns the toolbar's width.
int KW_LayoutToolbar(KW_Toolbar& toolbar, int lineHeight, int titleWidth, int statusWidth);
// How far the next button moves along: 10 after a separator, 36 after a button.
int KW_ToolbarAdvance(const KW_Button& button);
// Pulls a w x h rectangle fully onto a screen of the given size.
void KW_PullOntoScreen(int& x, int& y, int w, int h, int screenW, int screenH);
// One frame of edge nudging: moves the toolbar 3 pixels back towards the
// screen while the pointer pushes against the edge it sticks out of.
void KW_NudgeToolbar(KW_Toolbar& toolbar, int mouseX, int mouseY, int screenW, int screenH);
