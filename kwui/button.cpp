// Buttons: create, size, and the per-frame update that draws the button and
// reports a click by mouse or hot key.
#include "kwui/button.h"

#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/draw.h"
#include "kwui/input.h"
#include "kwui/tooltip.h"
#include "platform/platform.h"

#include <algorithm>
#include <cmath>

static std::string KeyName(int hotKey)
{
    // The names come from the keyboard driver; without one there is none.
    const int keyCode = hotKey & ~KW_HotKeyCtrl;
    if (hotKey <= 0 || keyCode >= ALLEGRO_KEY_MAX || !al_is_keyboard_installed()) return "";
    const char* name = al_keycode_to_name(keyCode);
    if (!name || !*name) return "";
    return (hotKey & KW_HotKeyCtrl) ? std::string("Ctrl+") + name : std::string(name);
}

void KW_CreateButtonEx(KW_Button& button, int x, int y, const std::string& text, int hotKey, bool separator,
                       const KW_Texture& icon)
{
    button = KW_Button{};
    button.x = x;
    button.y = y;
    button.width = separator ? 6 : 32;
    button.height = 32;
    button.iconAlpha = 255;
    button.hotKey = hotKey;
    button.textColour = KW_Colour(KWC_ButtonText);
    button.icon = icon;

    if (KW_IsDefaultTexture(icon) && separator) {
        // Left as an inert separator: nothing to click, nothing half-built.
        KW_LogError("KW_CreateButtonEx: Seperator buttons must have an icon");
        button.style = KW_ButtonSeparator;
        button.enabled = false;
        button.hotKey = -1;
        return;
    }
    button.enabled = true;
    if (separator) {
        button.style = KW_ButtonSeparator;
        return;
    }
    button.style = KW_ButtonIcon;
    button.text = text;
    button.keyName = hotKey == -1 ? "" : KeyName(hotKey);
}

void KW_CreateButton(KW_Button& button, int x, int y, const std::string& text, int hotKey,
                     const std::string& iconName)
{
    const bool separator = PlatformEqualsNoCase(iconName, "seperator");
    KW_CreateButtonEx(button, x, y, text, hotKey, separator, KW_GetInternalTexture(iconName));
}

KW_LabelledLayout KW_LayoutLabelledButton(int width, int height, int textWidth, int lineHeight)
{
    KW_LabelledLayout layout;
    layout.width = width == -1 ? textWidth + 40 : width;
    layout.height = height == -1 ? std::max(34, lineHeight + 2) : height;
    layout.iconX = (layout.width - textWidth - 34) / 2;
    layout.textX = layout.iconX + 34;
    layout.iconY = (layout.height - 32) / 2;
    layout.textY = (layout.height - lineHeight) / 2;
    return layout;
}

void KW_SetButtonSize(KW_Button& button, int width, int height)
{
    const KW_LabelledLayout layout =
        KW_LayoutLabelledButton(width, height, KW_TextWidth(button.text.c_str()), KW_LineHeight());
    button.style = KW_ButtonLabelled;
    button.width = layout.width;
    button.height = layout.height;
    button.iconX = layout.iconX;
    button.iconY = layout.iconY;
    button.textX = layout.textX;
    button.textY = layout.textY;
}

bool KW_ButtonHovered(const KW_Button& button, int mx, int my)
{
    if (!button.enabled || button.style == KW_ButtonSeparator) return false;
    return mx >= button.x && mx <= button.x + button.width && my >= button.y && my <= button.y + button.height;
}

std::string KW_ButtonToolTipText(const KW_Button& button)
{
    if (button.hotKey == -1) return button.text;
    return button.text + " - [" + button.keyName + "]";
}

bool KW_DoButton(KW_Button& button)
{
    const int mx = KW_GetMouseX();
    const int my = KW_GetMouseY();
    const bool hovered = KW_ButtonHovered(button, mx, my);

    // draw: a hovered button sits one pixel lower and further right
    const int shift = hovered ? 1 : 0;
    const int x1 = button.x + shift, y1 = button.y + shift;
    const int x2 = x1 + button.width - 1, y2 = y1 + button.height - 1;
    if (hovered)
        KW_DrawRect(x1, y1, x2, y2, true, KW_Colour(KWC_ButtonHover), 255);
    else if (!button.flat)
        KW_DrawRect(x1, y1, x2, y2, true, KW_Colour(KWC_ButtonFace), 255);
    KW_DrawTexture(x1 + button.iconX, y1 + button.iconY, 0.0, button.iconAlpha, button.icon);
    if (button.style == KW_ButtonLabelled)
        KW_DrawFontText(kwFont, x1 + button.textX, y1 + button.textY, button.textColour, button.text.c_str());
    if (!button.enabled) KW_DrawRect(x1, y1, x2, y2, true, KW_Colour(KWC_ButtonFace), 255);

    const ALLEGRO_COLOR light = KW_Colour(KWC_WindowLight);
    const ALLEGRO_COLOR dark = KW_Colour(KWC_WindowDark);
    const ALLEGRO_COLOR noFill = KW_Colour(KWC_Mask);
    if (hovered) {
        KW_DrawBevelBox(x1, y1, x2, y2, 128, dark, light, noFill);
        if (button.style == KW_ButtonIcon)
            KW_QueueToolTip(button.x + 20, button.y + 52, "%s", KW_ButtonToolTipText(button).c_str());
    } else if (button.style == KW_ButtonLabelled && !button.flat) {
        const int edgeAlpha = static_cast<int>(std::lround(0.8 * button.iconAlpha));
        KW_DrawBevelBox(x1, y1, x2, y2, edgeAlpha, light, dark, noFill);
    }

    // handle click: held on the button until released there
    bool clicked = false;
    if (button.enabled && button.style != KW_ButtonSeparator) {
        if (hovered && (kwMouse.buttons & 1)) {
            for (;;) {
                KW_RefreshMouse();
                if (!KW_ButtonHovered(button, kwMouse.x, kwMouse.y)) break;
                if (!(kwMouse.buttons & 1)) {
                    clicked = true;
                    break;
                }
                al_rest(0.001);
            }
        } else if (button.hotKey != -1 && KW_HotKeyPressed(button.hotKey)) {
            clicked = true;
        }
    }
    button.clicked = clicked;
    return clicked;
}
