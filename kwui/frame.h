// Where the screens draw and how it reaches the window: straight into the
// back buffer while the window has the toolkit's screen size (every windowed
// start), or into a picture of that size while the window is a full-screen
// one of another size, scaled into the window at the flip. F11 / Alt+Enter
// switch full screen; "Sharp pixels" scales by whole numbers, unfiltered.
#pragma once

#include <allegro5/allegro.h>

// The picture every screen draws into (kwScreenW x kwScreenH): the back
// buffer, or the frame picture while the window is scaled. Null without a display.
ALLEGRO_BITMAP* KW_FrameBitmap();
// True when that picture still holds the frame last shown once it is shown (the
// frame picture always does; the back buffer where the display keeps it).
bool KW_FrameKeptAfterShow();
// Makes it the drawing target.
void KW_TargetFrame();
// Puts the drawn frame in the window (scaled while there is a frame picture) and flips.
void KW_ShowFrame();

// F11 / Alt+Enter: the window covers the screen, or goes back to its size.
// False when it cannot be switched (a display made in a full-screen mode of its own).
bool KW_ToggleFullScreen();
// The full-screen keys and the window's resizes; true when the event was one
// of them (a toggle key goes no further: Alt+Enter is no Enter).
bool KW_TakeFrameEvent(const ALLEGRO_EVENT& event);
// Drops the frame picture; before the display goes.
void KW_ForgetFrame();

// Whole-number scaling without filtering, black around, instead of the smooth fit.
bool KW_SharpPixels();
void KW_SetSharpPixels(bool sharp);

// Where a frame of one size lies in a window of another, centred, the rest
// black: as large as fits with its shape kept, or (sharp) the largest whole
// multiple that fits (the smooth fit when not even one does).
struct KW_FrameFit {
    int x, y, w, h;
};
KW_FrameFit KW_FitFrame(int frameW, int frameH, int windowW, int windowH, bool sharp);
// A point in the window (the pointer) in the screens' own pixels.
void KW_WindowToScreen(int& x, int& y);
