// Toolbars: button layout, auto-hide to the title tab, edge nudging, dragging
// by the title bar, and the per-frame update that returns the clicked button.
#include "kwui/toolbar.h"

#include "kwui/core.h"
#include "kwui/draw.h"
#include "kwui/input.h"
#include "kwui/tooltip.h"
#include "platform/platform.h"

#include <allegro5/allegro_primitives.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

void KW_InitToolbar(KW_Toolbar& toolbar)
{
    toolbar = KW_Toolbar{};
    toolbar.title = "Toolbar";
    toolbar.height = KW_LineHeight() + 48;
}

int KW_ToolbarAdvance(const KW_Button& button) { return button.style == KW_ButtonSeparator ? 10 : 36; }

void KW_PullOntoScreen(int& x, int& y, int w, int h, int screenW, int screenH)
{
    if (x + w >= screenW) x = screenW - w - 1;
    if (x < 0) x = 0;
    if (y + h >= screenH) y = screenH - h - 1;
    if (y < 0) y = 0;
}

void KW_AddToolbarButtonEx(KW_Toolbar& toolbar, const std::string& text, int hotKey, bool separator,
                           const KW_Texture& icon)
{
    KW_Button button;
    KW_CreateButtonEx(button, 0, 0, text, hotKey, separator, icon);
    toolbar.buttons.push_back(button);
    toolbar.width += KW_ToolbarAdvance(button);
    KW_PullOntoScreen(toolbar.x, toolbar.y, toolbar.width, toolbar.height, kwScreenW, kwScreenH);
    toolbar.homeX = toolbar.x;
    toolbar.homeY = toolbar.y;
}

void KW_AddToolbarButton(KW_Toolbar& toolbar, const std::string& iconName, const std::string& text, int hotKey)
{
    const bool separator = PlatformEqualsNoCase(iconName, "seperator");
    KW_AddToolbarButtonEx(toolbar, text, hotKey, separator, KW_GetInternalTexture(iconName));
}

void KW_SetToolbarTitle(KW_Toolbar& toolbar, const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    toolbar.title = text;
}

void KW_ClearToolbar(KW_Toolbar& toolbar)
{
    toolbar.buttons.clear();
    toolbar.width = 0;
}

int KW_LayoutToolbar(KW_Toolbar& toolbar, int lineHeight, int titleWidth, int statusWidth)
{
    int bx = toolbar.x + 2;
    const int by = toolbar.y + lineHeight + 8;
    for (KW_Button& button : toolbar.buttons) {
        button.x = bx;
        button.y = by;
        bx += KW_ToolbarAdvance(button);
    }
    int width = bx - (toolbar.x + 2) + 4;
    if (toolbar.showStatus) width += statusWidth + 2;
    return std::max(width, titleWidth + 6);
}

void KW_NudgeToolbar(KW_Toolbar& toolbar, int mouseX, int mouseY, int screenW, int screenH)
{
    const bool withinRows = mouseY >= toolbar.y && mouseY <= toolbar.y + toolbar.height;
    const bool withinColumns = mouseX >= toolbar.x && mouseX <= toolbar.x + toolbar.width;
    if (withinRows && mouseX < 2 && toolbar.x < 0) toolbar.x = std::min(toolbar.x + 3, 0);
    if (withinRows && mouseX >= screenW - 2 && toolbar.x + toolbar.width > screenW)
        toolbar.x = std::max(toolbar.x - 3, screenW - toolbar.width);
    if (withinColumns && mouseY <= 1 && toolbar.y < 0) toolbar.y = std::min(toolbar.y + 3, 0);
    if (withinColumns && mouseY >= screenH - 2 && toolbar.y + toolbar.height > screenH)
        toolbar.y = std::max(toolbar.y - 3, screenH - toolbar.height);
}

static int FirstClicked(const KW_Toolbar& toolbar)
{
    for (size_t i = 0; i < toolbar.buttons.size(); ++i)
        if (toolbar.buttons[i].clicked) return static_cast<int>(i);
    return -1;
}

// A hidden toolbar is not updated; a click it reported before it hid must not
// be reported again in every hidden frame.
static int HiddenResult(KW_Toolbar& toolbar)
{
    for (KW_Button& button : toolbar.buttons) button.clicked = false;
    return -1;
}

int KW_DoToolbar(KW_Toolbar& toolbar)
{
    const int lh = KW_LineHeight();
    const int mx = KW_GetMouseX();
    const int my = KW_GetMouseY();
    const bool leftDown = (kwMouse.buttons & 1) != 0;
    const int titleWidth = KW_TextWidth(toolbar.title.c_str());

    // auto-hide
    if (toolbar.autoHide) {
        if (!toolbar.hidden) {
            const bool inside = mx >= toolbar.x && mx < toolbar.x + toolbar.width && my >= toolbar.y &&
                                my < toolbar.y + toolbar.height;
            if (!inside) {
                toolbar.hidden = true;
                return HiddenResult(toolbar);
            }
        } else {
            const int tabW = titleWidth + 2, tabH = lh + 2;
            const bool onTab = mx >= toolbar.x && mx <= toolbar.x + tabW && my >= toolbar.y && my <= toolbar.y + tabH;
            if (!onTab) {
                KW_PullOntoScreen(toolbar.x, toolbar.y, tabW, tabH, kwScreenW, kwScreenH);
                KW_DrawBevelBox(toolbar.x, toolbar.y, toolbar.x + tabW, toolbar.y + tabH, toolbar.alpha,
                                KW_Colour(KWC_TabLight), KW_Colour(KWC_TabDark), KW_Colour(KWC_TabFill));
                KW_DrawFontText(kwFont, toolbar.x + 1, toolbar.y + 1, KW_Colour(KWC_Background),
                                toolbar.title.c_str());
                return HiddenResult(toolbar);
            }
            toolbar.hidden = false;
            toolbar.x = toolbar.homeX;
            toolbar.y = toolbar.homeY;
        }
    }

    // edge nudge
    if (kwMouse.buttons == 0) KW_NudgeToolbar(toolbar, mx, my, kwScreenW, kwScreenH);

    // drag by the title bar
    const bool onTitle = mx >= toolbar.x + 1 && mx <= toolbar.x + toolbar.width - 1 && my >= toolbar.y + 1 &&
                         my <= toolbar.y + lh + 2;
    char tip[256] = "";
    if (toolbar.docked) {
        toolbar.dragging = false;
        if (onTitle && leftDown) std::snprintf(tip, sizeof tip, "%s", "This toolbar is docked and cannot be dragged");
    } else {
        if (!leftDown) toolbar.dragging = false;
        if (leftDown && (onTitle || toolbar.dragging)) {
            if (toolbar.dragging) {
                toolbar.x += mx - toolbar.lastMouseX;
                toolbar.y += my - toolbar.lastMouseY;
            }
            toolbar.dragging = true;
            std::snprintf(tip, sizeof tip, "%d, %d", toolbar.x, toolbar.y);
        } else if (onTitle) {
            std::snprintf(tip, sizeof tip, "%s", "Drag");
        }
    }
    toolbar.lastMouseX = mx;
    toolbar.lastMouseY = my;

    // lay out and draw
    const int statusWidth = KW_TextWidth(toolbar.status.c_str());
    toolbar.width = KW_LayoutToolbar(toolbar, lh, titleWidth, statusWidth);
    KW_DrawWindowFrame(toolbar.x, toolbar.y, toolbar.x + toolbar.width - 1, toolbar.y + toolbar.height - 1, "%s",
                       toolbar.title.c_str());
    if (toolbar.showStatus)
        KW_DrawFontText(kwFont, toolbar.x + 2 + 36 * static_cast<int>(toolbar.buttons.size()),
                        toolbar.y + toolbar.height - lh - 10, KW_Colour(KWC_StatusText), toolbar.status.c_str());

    for (size_t i = toolbar.buttons.size(); i-- > 0;) KW_DoButton(toolbar.buttons[i]);

    const int result = FirstClicked(toolbar);
    if (result == -1 && tip[0]) KW_QueueToolTip(mx + 16, toolbar.y + 16, "%s", tip);
    return result;
}

void KW_FrameToolbarButton(const KW_Toolbar& toolbar, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= toolbar.buttons.size()) return;
    if (toolbar.autoHide && toolbar.hidden) return;
    const KW_Button& button = toolbar.buttons[static_cast<size_t>(index)];
    al_draw_rectangle(button.x - 1.0f, button.y - 1.0f, button.x + button.width + 1.0f, button.y + button.height + 1.0f,
                      al_map_rgb(255, 255, 0), 2);
}
