// Drawing only what changed.
//
// An idle screen costs next to nothing: a frame is drawn and shown only when
// something on it may have changed; otherwise the window keeps the frame last
// shown while events are still polled at the frame rate. Each frame's end
// (KW_PresentFrame) decides how the next frame is drawn:
//  - whole, after an input or window event (uncovered, resized, switched
//    back to), while a key or mouse button is held, when a console line came
//    or went, when the tool tips differ, when a screen asked (KW_RedrawAll),
//    and for a few frames after each of these, so that what a change sets
//    going (a text field scrolling to its caret, a sliding line) is seen
//    through; and at least once a second whatever happens;
//  - only a part, when a screen asked for that part alone (KW_RedrawArea) and
//    the back buffer is known to keep the last frame after a flip (tried when
//    the display is made); else whole;
//  - not at all: the frame's drawing is clipped to nothing and not flipped.
// The part is the back buffer's clipping rectangle, so screens draw as they
// always do. Widgets that clip their own drawing, or draw into a sub-bitmap
// of the screen, keep within it (KW_ClipWithin, KW_TargetSubBitmap).
#pragma once

#include <allegro5/allegro.h>

#include <cstdint>

enum class KW_DrawMode { Whole, Area, Nothing };

// Frames drawn whole after the last change.
constexpr int kwSettleFrames = 20;
// The longest an unchanged screen goes without a frame drawn whole.
constexpr int64_t kwRedrawAtLeastMs = 1000;

struct KW_RedrawState {
    KW_DrawMode mode = KW_DrawMode::Whole;  // this frame's
    bool spoiled = false;                   // asked to redraw after part of it was drawn clipped
    int settle = kwSettleFrames;            // whole frames still to come
    bool wantArea = false;                  // the part asked for the next frame
    int areaX1 = 0, areaY1 = 0, areaX2 = 0, areaY2 = 0;
    bool backBufferKept = false;            // a flip leaves the frame shown in the back buffer
    int64_t lastWhole = 0;                  // frame clock at the last whole frame
    unsigned consoleChanges = 0;            // bumped when console lines come or go
    unsigned consoleSeen = 0;
    uint64_t toolTipsSeen = 0;              // a digest of the last frame's tool tips
};

// What a frame's end draws over the screen's own picture: console lines (the
// rectangle they cover, inclusive) and tool tips.
struct KW_FrameOverlays {
    bool console = false;
    int x1 = 0, y1 = 0, x2 = -1, y2 = -1;
    bool toolTips = false;
};

// Something on the screen changes outside the toolkit's sight (an animation
// step, a clock): this frame and the next few are drawn whole. A frame that
// already drew clipped is drawn again rather than shown half.
void KW_RedrawAll();
// Only the rectangle x1,y1 - x2,y2 (inclusive) changes in the next frame.
void KW_RedrawArea(int x1, int y1, int x2, int y2);
// How this frame is being drawn. A screen whose drawing is costly skips it
// in a frame that draws nothing (no input came, so its widgets have nothing
// to answer); its own clocks and timers run on.
KW_DrawMode KW_FrameDrawMode();
bool KW_FrameIsDrawn();
// True while the toolkit's own drawing calls (text, rectangles, bevels,
// textures) go to a screen that draws nothing this frame: they return at once.
bool KW_DrawingSkipped();
// A console line came or went.
void KW_NoteConsoleChange();

// What the frame's end knows when it decides on the next frame.
struct KW_FrameFacts {
    bool events = false;       // input or window events were taken
    bool held = false;         // a key or mouse button is down
    bool consoleChanged = false;
    bool toolTipsChanged = false;
    int64_t now = 0;           // frame clock, ms
};
// The next frame's mode from this frame's facts; updates the state.
KW_DrawMode KW_DecideNextFrame(KW_RedrawState& state, const KW_FrameFacts& facts);

// Sets the clipping rectangle to x, y, w, h within the current one (the
// frame's part); the caller restores the one it saved.
void KW_ClipWithin(int x, int y, int w, int h);
// Makes a sub-bitmap of the target its new target, clipped to what the
// target's clip allows; null (target unchanged) when it cannot be made. The
// caller puts the old target back and destroys it.
ALLEGRO_BITMAP* KW_TargetSubBitmap(int x, int y, int w, int h);

// Frame-end steps (KW_PresentFrame): whether this frame is to be flipped,
// and applying the decision for the next one.
bool KW_FrameToBeShown();
void KW_PrepareNextFrame(bool eventsTaken, uint64_t toolTipDigest);
// Tried once a display is made: does a flip keep the frame in the back buffer?
void KW_ProbeBackBuffer();
