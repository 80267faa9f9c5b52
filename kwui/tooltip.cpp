// Tool tips: queued during a frame, drawn at its end on top of everything.
#include "kwui/tooltip.h"

#include "kwui/core.h"
#include "kwui/draw.h"

#include <cstdarg>
#include <cstdio>

void KW_QueueToolTip(int x, int y, const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    kwContext.toolTips.push_back(KW_ToolTip{text, x, y});
}

const std::vector<KW_ToolTip>& KW_QueuedToolTips() { return kwContext.toolTips; }

void KW_ClearToolTips() { kwContext.toolTips.clear(); }

KW_ToolTipBox KW_PlaceToolTip(int x, int y, int textWidth, int lineHeight, int screenW, int screenH)
{
    KW_ToolTipBox box;
    box.w = textWidth + 4;
    box.h = lineHeight + 4;
    box.x = x;
    box.y = y;
    if (box.x + box.w > screenW) box.x = screenW - box.w;
    if (box.y + box.h > screenH) box.y = screenH - box.h;
    if (box.x < 0) box.x = 0;
    if (box.y < 0) box.y = 0;
    return box;
}

void KW_DrawToolTips()
{
    if (kwDisplay) {
        for (const KW_ToolTip& tip : kwContext.toolTips) {
            const KW_ToolTipBox box =
                KW_PlaceToolTip(tip.x, tip.y, KW_TextWidth(tip.text.c_str()), KW_LineHeight(), kwScreenW, kwScreenH);
            KW_DrawRect(box.x + 8, box.y + 8, box.x + 8 + box.w - 1, box.y + 8 + box.h - 1, true,
                        KW_Colour(KWC_Background), 128);
            KW_DrawRect(box.x, box.y, box.x + box.w - 1, box.y + box.h - 1, true, KW_Colour(KWC_ToolTipBox), 128);
            KW_DrawFontText(kwFont, box.x + 2, box.y + 2, KW_Colour(KWC_ToolTipText), tip.text.c_str());
        }
    }
    kwContext.toolTips.clear();
}
