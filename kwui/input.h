// Per-frame input polling, the mouse helpers and the frame end.
#pragma once

void KW_PollEvents();
int KW_GetMouseX();
int KW_GetMouseY();
int KW_GetMouseZ();
// Bit 1 left, bit 2 right, bit 4 middle, from the latest mouse query.
int KW_GetMouseButtons();
bool KW_MouseLeftDown();
bool KW_MouseRightDown();
void KW_RefreshMouse();
void KW_WaitMouseRelease();
// Poll events, wait for the tick, console, tool tips, flip.
void KW_PresentFrame();
