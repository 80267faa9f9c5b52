// Per-frame input polling, the mouse helpers and the frame end.
#pragma once

#include "kwui/redraw.h"

#include <string>

void KW_PollEvents();

// A hot key is an Allegro key code, with KW_HotKeyCtrl added for one pressed
// with Ctrl (KW_CtrlKey(ALLEGRO_KEY_Z)). A plain hot key does not answer
// while Ctrl is held, so Ctrl+N is never taken for N.
constexpr int KW_HotKeyCtrl = 0x10000;
constexpr int KW_CtrlKey(int keyCode) { return keyCode | KW_HotKeyCtrl; }
bool KW_HotKeyMatches(int hotKey, int keyCode, int modifiers);
// True when this frame's key is that hot key.
bool KW_HotKeyPressed(int hotKey);
int KW_GetMouseX();
int KW_GetMouseY();
int KW_GetMouseZ();
// Bit 1 left, bit 2 right, bit 4 middle, from the latest mouse query.
int KW_GetMouseButtons();
bool KW_MouseLeftDown();
bool KW_MouseRightDown();
void KW_RefreshMouse();
void KW_WaitMouseRelease();
// A left-button press the last poll took, and where; cleared by the call. On
// a slow frame a quick click can come and go between two frames, unseen by
// the button state.
bool KW_TakeLeftPress(int& x, int& y);
// The end of every screen's frame: poll events, wait for the tick, console,
// tool tips, flip. Every screen loop has the one shape
//     clear -> widgets -> act on their results -> KW_PresentFrame()
// and leaves the drawing target on the screen; debug and sanitizer builds
// stop with a message at a frame that does not (KW_FrameEndFault).
void KW_PresentFrame();
// What is wrong with the state a frame leaves for the flip, empty when
// nothing: the drawing target not back on the screen, tool tips still queued.
std::string KW_FrameEndFault();
// Frames presented so far: a loop that sees it change across a call knows
// the call ran a dialog (or another loop) of its own.
unsigned KW_FramesPresented();
// What the last frame end drew over the screen's own picture, which a screen
// that redraws only what it changed must draw again: console lines (where)
// and tool tips.
const KW_FrameOverlays& KW_LastFrameOverlays();
// Called right after each frame is shown (benchmarks time the flips); null by default.
extern void (*kwFramePresentedHook)();
