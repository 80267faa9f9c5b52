// Binary-angle moves and turns.
#include "kwui/geometry.h"

#include <gtest/gtest.h>

TEST(Geometry, MovesAndTurns)
{
    // Up at 0, right at 64, down at 128; a fraction of a unit points the same way.
    const struct { double angle, dx, dy; } moves[] = {{0, 0, -3}, {64, 3, 0}, {128, 0, 3}, {192, -3, 0}, {64.7, 3, 0}};
    for (const auto& m : moves) {
        double x = 100, y = 100;
        KW_MoveByAngle(x, y, m.angle, 3);
        EXPECT_EQ(std::pair(x, y), std::pair(100 + m.dx, 100 + m.dy)) << "angle " << m.angle;
    }
    // Left across zero wraps to 248, right across 255 wraps, the last step is only what is left.
    const struct { double from, to, result; KW_TurnDirection dir; } turns[] = {
        {0, 64, 8, KW_TurnRight}, {0, 192, 248, KW_TurnLeft}, {250, 10, 2, KW_TurnRight},
        {60, 64, 64, KW_TurnRight}, {64, 64, 64, KW_TurnNone}};
    for (const auto& t : turns) {
        KW_TurnDirection dir;
        EXPECT_DOUBLE_EQ(KW_TurnTowards(t.from, t.to, 8, &dir), t.result) << t.from << " to " << t.to;
        EXPECT_EQ(dir, t.dir) << t.from << " to " << t.to;
    }
}
