// The check box: a textured box that toggles when clicked, with a label.
#pragma once

#include "kwui/textures.h"

#include <string>

struct KW_CheckBox {
    std::string label = "Window";
    int x = 0, y = 0;
    bool checked = false;
    KW_Texture checkedTexture, uncheckedTexture, mouseOverTexture;
};

void KW_CreateCheckBox(KW_CheckBox& box, int x, int y);
// Draws and toggles; true in the frame in which it was toggled.
bool KW_DoCheckBox(KW_CheckBox& box);
// True when (mx, my) lies on the box (its texture's size, edges included).
bool KW_CheckBoxHovered(const KW_CheckBox& box, int mx, int my);
