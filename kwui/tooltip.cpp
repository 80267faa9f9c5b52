// Tool tips: queued during a frame, drawn at its end.
#include "kwui/tooltip.h"

void KW_QueueToolTip(int, int, const char*, ...) {}
void KW_DrawToolTips() {}
