// The per-frame tool tip queue: widgets queue tips while a frame is built and
// the frame end draws them on top of everything.
#pragma once

#include "kwui/context.h"

#include <string>
#include <vector>

void KW_QueueToolTip(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
// Draws every queued tip in the order queued and empties the queue.
void KW_DrawToolTips();
// What is queued so far this frame (the gallery and tests look at it).
const std::vector<KW_ToolTip>& KW_QueuedToolTips();
void KW_ClearToolTips();

// Where a tip box of the given text width lands: moved left or up so that it
// ends inside the screen, then clamped at 0.
struct KW_ToolTipBox {
    int x = 0, y = 0, w = 0, h = 0;
};
KW_ToolTipBox KW_PlaceToolTip(int x, int y, int textWidth, int lineHeight, int screenW, int screenH);
