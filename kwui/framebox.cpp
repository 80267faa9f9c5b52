// FrameBoxClass: a one-pixel black rectangle with its caption set into the top line.
#include "kwui/framebox.h"

#include "kwui/core.h"
#include "kwui/draw.h"

void FrameBoxClass::Create(FrameBoxClass& frame, const std::string& caption, int x, int y, int h)
{
    const int half = KW_LineHeight() / 2;
    frame.caption = caption;
    frame.x = x;
    frame.y = y;
    frame.w = 630;
    frame.h = h;
    frame.innerX1 = x + half;
    frame.innerY1 = y + half;
    frame.innerX2 = x + frame.w - half;
    frame.innerY2 = y + h - half;
    frame.captionWidth = KW_TextWidth(caption.c_str());
}

void FrameBoxClass::Draw(FrameBoxClass& f)
{
    const ALLEGRO_COLOR ink = KW_Colour(KWC_Ink);
    // the top line leaves a gap for the caption
    KW_DrawRect(f.innerX1, f.innerY1, f.innerX1 + 6, f.innerY1, true, ink, 255);
    if (f.innerX1 + f.captionWidth + 12 <= f.innerX2)
        KW_DrawRect(f.innerX1 + f.captionWidth + 12, f.innerY1, f.innerX2, f.innerY1, true, ink, 255);
    KW_DrawRect(f.innerX1, f.innerY1, f.innerX1, f.innerY2, true, ink, 255);
    KW_DrawRect(f.innerX2, f.innerY1, f.innerX2, f.innerY2, true, ink, 255);
    KW_DrawRect(f.innerX1, f.innerY2, f.innerX2, f.innerY2, true, ink, 255);
    KW_DrawFontText(kwFont, f.innerX1 + 10, f.y, ink, f.caption.c_str());
}
