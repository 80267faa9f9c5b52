// The per-frame tool tip queue.
#pragma once

void KW_QueueToolTip(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
void KW_DrawToolTips();
