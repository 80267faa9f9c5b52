// TextWindowClass: newest lines always in view, a blinking block caret below.
#include "kwui/textwindow.h"

#include "kwui/core.h"
#include "kwui/redraw.h"
#include "kwui/draw.h"
#include "platform/platform.h"

#include <algorithm>

TextWindowClass::TextWindowClass()
    : background{0.0f, 0.0f, 0.0f, 1.0f}, textColour{1.0f, 1.0f, 1.0f, 1.0f}, caretColour{1.0f, 1.0f, 1.0f, 1.0f}
{
}

void TextWindowClass::Create(TextWindowClass& window, int w, int h)
{
    const int lh = KW_LineHeight();
    window.background = al_map_rgb(0, 0, 0);
    window.textColour = al_map_rgb(255, 255, 255);
    window.caretColour = al_map_rgb(255, 255, 255);
    window.alpha = 255;
    window.x = 10;
    window.y = lh + 12;
    window.w = w;
    window.h = h - lh + 2;
    window.scroll = 0;
    window.follow = true;
    window.lines.clear();
    window.lineSpacing = lh + 2;
}

void TextWindowClass::Print(TextWindowClass& window, const char* text)
{
    std::string line = text ? text : "";
    if (line.size() > 255) line.resize(255);
    window.lines.push_back(line);
}

void TextWindowClass::Clear(TextWindowClass& window)
{
    window.lines.clear();
    window.scroll = 0;
}

int TextWindowClass::FollowScroll(int lineCount, int spacing, int height)
{
    return std::max(0, (lineCount + 1) * spacing - height);
}

void TextWindowClass::VisibleRange(int lineCount, int spacing, int height, int scroll, int& first, int& last)
{
    if (spacing <= 0) spacing = 1;
    first = std::clamp(scroll / spacing, 0, std::max(0, lineCount - 1));
    last = std::clamp((height + scroll) / spacing, 0, std::max(0, lineCount - 1));
    if (last < first) last = first;
}

void TextWindowClass::Draw(TextWindowClass& window)
{
    const int n = static_cast<int>(window.lines.size());
    if (window.follow) window.scroll = FollowScroll(n, window.lineSpacing, window.h);

    KW_DrawRect(window.x, window.y, window.x + window.w - 1, window.y + window.h - 1, true, window.background,
                window.alpha);

    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    if (!previous || window.w <= 0 || window.h <= 0) return;
    ALLEGRO_BITMAP* clip = KW_TargetSubBitmap(window.x, window.y, window.w, window.h);
    if (!clip) return;

    if (n > 0) {
        int first, last;
        VisibleRange(n, window.lineSpacing, window.h, window.scroll, first, last);
        for (int i = first; i <= last; ++i)
            KW_DrawFontText(kwFont, 1, i * window.lineSpacing - window.scroll, window.textColour,
                            window.lines[static_cast<size_t>(i)].c_str());
    }
    if (window.follow) {
        // the blinking caret
        const int caretY = n * window.lineSpacing - window.scroll;
        if (PlatformUtcNow().millisecond >= 500)
            KW_DrawRect(3, caretY, 13, caretY + KW_LineHeight(), true, window.caretColour, 255);
        KW_RedrawArea(window.x + 3, window.y + caretY, window.x + 13, window.y + caretY + KW_LineHeight());
    }

    al_set_target_bitmap(previous);
    al_destroy_bitmap(clip);
}
