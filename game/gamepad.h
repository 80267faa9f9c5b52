// Gamepads: the first stick or the d-pad steers and moves through menus,
// button A (0) is Enter, B (1) is Escape, Start (7, or the last button of a
// smaller pad) pauses. The mapping from joystick events is pure, so it can
// be tried with made-up events; the pad's queue lives here too.
#pragma once

#include <allegro5/allegro.h>

// A stick's position counts only beyond this much of its travel.
constexpr float kPadDeadZone = 0.3f;

enum PadDirection { kPadUp, kPadDown, kPadLeft, kPadRight, kPadDirections };

// What the pad holds: each stick's two first axes (the d-pad is a stick of
// its own on most pads) and its button count.
struct PadState {
    static constexpr int kSticks = 8;
    float axes[kSticks][2] = {};
    int buttonCount = 0;

    // True while any stick points that way beyond the dead zone.
    bool Held(PadDirection direction) const;
};

// One joystick event applied to the state: the key it presses, as the menus
// and the level take keys (ALLEGRO_KEY_UP ... RIGHT when a direction starts
// to be held, ALLEGRO_KEY_ENTER for A, ALLEGRO_KEY_ESCAPE for B, ALLEGRO_KEY_P
// for Start), or 0. A change of pads (configuration) empties the state.
int MapJoystickEvent(PadState& state, const ALLEGRO_EVENT& event);

// The program's pads: installed on first use, their events taken from a
// queue of their own. Pads plugged in or out are picked up as they come.
// Each call takes the events waiting and returns the last key pressed, or 0.
int PollGamepad();
// The directions the pads hold now (as of the last PollGamepad).
const PadState& GamepadState();
// A key from the pad into this frame's key, for screens that read it.
void FeedGamepadKey();
