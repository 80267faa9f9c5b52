// The pad's events as the game takes them, from made-up events (test machines have no pad).
#include "game/gamepad.h"

#include <gtest/gtest.h>

#include <array>

namespace {

ALLEGRO_EVENT Axis(int stick, int axis, float pos)
{
    ALLEGRO_EVENT event{};
    event.type = ALLEGRO_EVENT_JOYSTICK_AXIS;
    event.joystick.stick = stick;
    event.joystick.axis = axis;
    event.joystick.pos = pos;
    return event;
}

int Press(PadState& pad, int button)
{
    ALLEGRO_EVENT event{};
    event.type = ALLEGRO_EVENT_JOYSTICK_BUTTON_DOWN;
    event.joystick.button = button;
    return MapJoystickEvent(pad, event);
}

}  // namespace

TEST(Gamepad, SticksAndDPadSteerPastTheDeadZoneAndPressEachDirectionOnce)
{
    PadState pad;
    EXPECT_EQ(MapJoystickEvent(pad, Axis(0, 0, 0.29f)), 0) << "inside the dead zone";
    EXPECT_EQ(MapJoystickEvent(pad, Axis(0, 0, 0.31f)), ALLEGRO_KEY_RIGHT);
    EXPECT_EQ(MapJoystickEvent(pad, Axis(0, 0, 0.9f)), 0) << "held on: no second press";
    EXPECT_EQ(MapJoystickEvent(pad, Axis(0, 1, -1.0f)), ALLEGRO_KEY_UP) << "a diagonal adds Up";
    EXPECT_TRUE(pad.Held(kPadUp) && pad.Held(kPadRight));
    EXPECT_EQ(MapJoystickEvent(pad, Axis(0, 0, 0.0f)), 0);
    EXPECT_FALSE(pad.Held(kPadRight));
    // The d-pad is a stick of its own; a third axis (a trigger) and a stick past the table do nothing.
    EXPECT_EQ(MapJoystickEvent(pad, Axis(2, 1, 1.0f)), ALLEGRO_KEY_DOWN);
    EXPECT_EQ(MapJoystickEvent(pad, Axis(0, 2, 1.0f)), 0);
    EXPECT_EQ(MapJoystickEvent(pad, Axis(99, 0, -1.0f)), 0);

    // A pad unplugged (or another plugged in) while steering: nothing stays held.
    ALLEGRO_EVENT configuration{};
    configuration.type = ALLEGRO_EVENT_JOYSTICK_CONFIGURATION;
    EXPECT_EQ(MapJoystickEvent(pad, configuration), 0);
    for (int d = 0; d < kPadDirections; ++d) EXPECT_FALSE(pad.Held(static_cast<PadDirection>(d))) << d;
}

TEST(Gamepad, AIsEnterBIsEscapeAndStartPauses)
{
    PadState pad;
    pad.buttonCount = 12;
    EXPECT_EQ((std::array{Press(pad, 0), Press(pad, 1), Press(pad, 7), Press(pad, 3)}),
              (std::array<int, 4>{ALLEGRO_KEY_ENTER, ALLEGRO_KEY_ESCAPE, ALLEGRO_KEY_P, 0}));
    pad.buttonCount = 6;  // a small pad: its last button is Start
    EXPECT_EQ(Press(pad, 5), ALLEGRO_KEY_P);
    EXPECT_EQ(Press(pad, 7), 0);
}
