// PopupMenuClass: a modal menu of icon-and-text items with its own frame loop.
#include "kwui/popupmenu.h"

#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/draw.h"
#include "kwui/input.h"

#include <algorithm>

void PopupMenuClass::AddItem(const std::string& text, const std::string& iconName)
{
    KW_Texture item = KW_GetInternalTexture(iconName);
    item.name = text;
    items.push_back(item);
}

void PopupMenuClass::Clear()
{
    items.clear();
    current = -1;
}

int PopupMenuClass::ItemHeight(int lineHeight) { return std::max(36, lineHeight + 4); }

void PopupMenuClass::Place(int& px, int& py, int width, int itemHeight, int screenW, int screenH)
{
    if (px + width > screenW - 1) px = screenW - 1 - width;
    if (py + itemHeight > screenH - 1) py = screenH - 1 - itemHeight;
    if (px < 0) px = 0;
    if (py < 0) py = 0;
}

int PopupMenuClass::ItemAt(int mx, int my, int width, int itemHeight) const
{
    if (mx < x || mx > x + width || my < y || itemHeight <= 0) return -1;
    const int index = (my - y) / itemHeight;
    return index < static_cast<int>(items.size()) ? index : -1;
}

void PopupMenuClass::Step(int delta)
{
    const int count = static_cast<int>(items.size());
    if (count == 0) return;
    current = ((current + delta) % count + count) % count;
}

int PopupMenuClass::Run(int atX, int atY)
{
    if (items.empty()) return -1;
    const int lh = KW_LineHeight();
    const int itemHeight = ItemHeight(lh);
    int widest = 0;
    for (const KW_Texture& item : items) widest = std::max(widest, KW_TextWidth(item.name.c_str()));
    const int width = widest + 38;
    x = atX;
    y = atY;
    Place(x, y, width, itemHeight, kwScreenW, kwScreenH);
    int lastX = KW_GetMouseX(), lastY = KW_GetMouseY();
    if (current < 0 || current >= static_cast<int>(items.size())) current = 0;
    const int menuHeight = itemHeight * static_cast<int>(items.size());

    // The key that opened the menu must not also choose in it.
    KW_ModalScope modal;
    bool armed = false;
    int result = -1;
    for (;;) {
        al_clear_to_color(KW_Colour(KWC_Background));
        KW_DrawConsoleUnderDialog();
        const int mx = KW_GetMouseX();
        const int my = KW_GetMouseY();
        const bool leftDown = (kwMouse.buttons & 1) != 0;

        // a menu taller than the screen scrolls while the pointer pushes an edge
        if (y + menuHeight > kwScreenH && my >= kwScreenH - 2) y -= 2;
        if (y < 0 && my <= 1) y += 2;

        // mouse: press arms, release chooses
        if (leftDown) armed = true;
        if (armed && !leftDown) {
            result = ItemAt(mx, my, width, itemHeight);
            break;
        }
        if (kwKeyPending && (kwKeyCode == ALLEGRO_KEY_ESCAPE || kwKeyCode == ALLEGRO_KEY_LEFT)) {
            result = -1;
            break;
        }
        if ((mx != lastX || my != lastY)) {
            const int hovered = ItemAt(mx, my, width, itemHeight);
            if (hovered != -1) {
                current = hovered;
                lastX = mx;
                lastY = my;
            }
        }
        if (kwKeyPending && (kwKeyCode == ALLEGRO_KEY_ENTER || kwKeyCode == ALLEGRO_KEY_RIGHT)) {
            result = current;
            break;
        }
        if (kwKeyPending && kwKeyCode == ALLEGRO_KEY_UP) Step(-1);
        if (kwKeyPending && kwKeyCode == ALLEGRO_KEY_DOWN) Step(1);

        // draw the items and the frame round them
        for (size_t i = 0; i < items.size(); ++i) {
            const int top = y + itemHeight * static_cast<int>(i);
            const bool isCurrent = static_cast<int>(i) == current;
            KW_DrawRect(x, top, x + width, top + itemHeight - 1, true,
                        KW_Colour(isCurrent ? KWC_MenuHighlightFill : KWC_MenuItemFill), 255);
            const KW_Texture& icon = items[i];
            if (icon.hasBitmap)
                al_draw_scaled_bitmap(icon.bitmap.get(), 0, 0, icon.width, icon.height, x + 2, top + 2, 32, 32, 0);
            KW_DrawFontText(kwFont, x + 36, top + 2, KW_Colour(isCurrent ? KWC_MenuHighlightText : KWC_StatusText),
                            icon.name.c_str());
        }
        KW_DrawBevelBox(x, y, x + width, y + menuHeight, 255, KW_Colour(KWC_TitleLight), KW_Colour(KWC_TitleDark),
                        KW_Colour(KWC_Mask));
        KW_PresentFrame();
    }
    return result;
}
