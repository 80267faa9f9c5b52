// Buttons: an icon, optionally a text label beside it, a hot key and a tool
// tip. Immediate mode: KW_DoButton draws the button and reports a click.
#pragma once

#include "kwui/textures.h"

#include <allegro5/allegro.h>

#include <cstdint>
#include <string>

enum KW_ButtonStyle : int16_t {
    KW_ButtonIcon = 0,       // tool tip shows the text
    KW_ButtonSeparator = 1,  // inert spacer in a toolbar
    KW_ButtonLabelled = 2,   // text drawn beside the icon
};

struct KW_Button {
    int x = 0, y = 0;
    std::string text;     // label, also the tool tip text
    std::string keyName;  // Allegro's name of the hot key, or empty
    int hotKey = -1;      // Allegro key code (KW_CtrlKey(code) for Ctrl+key), -1 for none
    KW_Texture icon;
    uint8_t iconAlpha = 255;
    int16_t style = KW_ButtonSeparator;  // an unfilled record stays inert
    bool enabled = false;
    bool flat = false;  // no face or raised edge while the mouse is away
    bool clicked = false;
    int width = 32, height = 32;
    int iconX = 0, iconY = 0;
    int textX = 0, textY = 0;
    ALLEGRO_COLOR textColour{0.0f, 0.0f, 0.0f, 1.0f};
};

// Fills a button. A separator needs a real icon: asked for with the default
// texture it is refused (logged) and the button stays an inert separator.
void KW_CreateButtonEx(KW_Button& button, int x, int y, const std::string& text, int hotKey, bool separator,
                       const KW_Texture& icon);
// Looks the icon up by name; the name "seperator" makes a separator.
void KW_CreateButton(KW_Button& button, int x, int y, const std::string& text, int hotKey,
                     const std::string& iconName);
// Makes a labelled button of that size (-1: automatic) with icon and text centred.
void KW_SetButtonSize(KW_Button& button, int width, int height);
// Update and draw, once per frame; true when clicked (mouse or hot key).
bool KW_DoButton(KW_Button& button);

// Sizes and offsets of a labelled button, from plain values.
struct KW_LabelledLayout {
    int width = 0, height = 0;
    int iconX = 0, iconY = 0, textX = 0, textY = 0;
};
KW_LabelledLayout KW_LayoutLabelledButton(int width, int height, int textWidth, int lineHeight);
// True when (mx, my) lies on an enabled, non-separator button (edges included).
bool KW_ButtonHovered(const KW_Button& button, int mx, int my);
// The tool tip text of an icon button: the text, or "text - [key]".
std::string KW_ButtonToolTipText(const KW_Button& button);
