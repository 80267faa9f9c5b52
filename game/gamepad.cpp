// Gamepad events to the game's keys.
#include "game/gamepad.h"

#include "kwui/kwui.h"

#include <algorithm>
#include <cmath>

bool PadState::Held(PadDirection direction) const
{
    for (const auto& stick : axes) {
        const float along = direction == kPadLeft || direction == kPadRight ? stick[0] : stick[1];
        const bool negative = direction == kPadUp || direction == kPadLeft;
        if (negative ? along < -kPadDeadZone : along > kPadDeadZone) return true;
    }
    return false;
}

int MapJoystickEvent(PadState& state, const ALLEGRO_EVENT& event)
{
    switch (event.type) {
    case ALLEGRO_EVENT_JOYSTICK_AXIS: {
        const int stick = event.joystick.stick, axis = event.joystick.axis;
        if (stick < 0 || stick >= PadState::kSticks || axis < 0 || axis > 1) return 0;
        const float position = std::isfinite(event.joystick.pos) ? event.joystick.pos : 0.0f;
        bool before[kPadDirections];
        for (int d = 0; d < kPadDirections; ++d) before[d] = state.Held(static_cast<PadDirection>(d));
        state.axes[stick][axis] = position;
        static const int kKeys[kPadDirections] = {ALLEGRO_KEY_UP, ALLEGRO_KEY_DOWN, ALLEGRO_KEY_LEFT,
                                                  ALLEGRO_KEY_RIGHT};
        for (int d = 0; d < kPadDirections; ++d)
            if (!before[d] && state.Held(static_cast<PadDirection>(d))) return kKeys[d];
        return 0;
    }
    case ALLEGRO_EVENT_JOYSTICK_BUTTON_DOWN: {
        const int button = event.joystick.button;
        if (button == 0) return ALLEGRO_KEY_ENTER;
        if (button == 1) return ALLEGRO_KEY_ESCAPE;
        const int start = state.buttonCount > 0 && state.buttonCount < 8 ? state.buttonCount - 1 : 7;
        if (button == start) return ALLEGRO_KEY_P;
        return 0;
    }
    case ALLEGRO_EVENT_JOYSTICK_CONFIGURATION: state = PadState(); return 0;
    default: return 0;
    }
}

namespace {
ALLEGRO_EVENT_QUEUE* gPadQueue = nullptr;
bool gPadTried = false;
PadState gPad;

int CountButtons()
{
    int most = 0;
    for (int i = 0; i < al_get_num_joysticks(); ++i)
        if (ALLEGRO_JOYSTICK* stick = al_get_joystick(i)) most = std::max(most, al_get_joystick_num_buttons(stick));
    return most;
}
}  // namespace

int PollGamepad()
{
    if (!gPadTried) {
        gPadTried = true;
        if (al_install_joystick() && (gPadQueue = al_create_event_queue())) {
            al_register_event_source(gPadQueue, al_get_joystick_event_source());
            gPad.buttonCount = CountButtons();
        }
    }
    if (!gPadQueue) return 0;
    int key = 0;
    ALLEGRO_EVENT event;
    while (al_get_next_event(gPadQueue, &event)) {
        const int pressed = MapJoystickEvent(gPad, event);
        if (pressed) key = pressed;
        if (event.type == ALLEGRO_EVENT_JOYSTICK_CONFIGURATION) {
            // A pad came or went: the list of pads is read again.
            al_reconfigure_joysticks();
            gPad.buttonCount = CountButtons();
        }
    }
    return key;
}

const PadState& GamepadState() { return gPad; }

void FeedGamepadKey()
{
    const int key = PollGamepad();
    if (!key || kwKeyPending) return;
    kwKeyPending = true;
    kwKeyCode = key;
    kwKeyChar = key == ALLEGRO_KEY_ENTER ? '\r' : key == ALLEGRO_KEY_ESCAPE ? 27 : 0;
    kwKeyModifiers = 0;
    KW_RedrawAll();
}
