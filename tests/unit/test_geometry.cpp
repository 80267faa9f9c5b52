// Binary-angle moves, turns and extents.
#include "kwui/geometry.h"

#include <gtest/gtest.h>

TEST(Geometry, MovesTurnsDistancesAndRotatedExtents)
{
    struct Case { double angle; double dx, dy; };
    const Case cases[] = {{0, 0, -3}, {64, 3, 0}, {128, 0, 3}, {192, -3, 0}, {256, 0, -3}, {64.7, 3, 0}};
    for (const Case& c : cases) {
        double x = 100, y = 100;
        KW_MoveByAngle(x, y, c.angle, 3);
        EXPECT_EQ(x, 100 + c.dx) << "angle " << c.angle;
        EXPECT_EQ(y, 100 + c.dy) << "angle " << c.angle;
    }
    double x = 0, y = 0;
    KW_MoveByAngle(x, y, 32, 10);  // up and to the right
    EXPECT_NEAR(x, 7.071, 0.001);
    EXPECT_NEAR(y, -7.071, 0.001);

    // Left across zero wraps to 248, right across 255 wraps, the last step is only what is left.
    const struct { double from, to, result; KW_TurnDirection dir; } turns[] = {
        {0, 64, 8, KW_TurnRight}, {0, 192, 248, KW_TurnLeft}, {250, 10, 2, KW_TurnRight},
        {60, 64, 64, KW_TurnRight}, {64, 64, 64, KW_TurnNone}};
    for (const auto& t : turns) {
        KW_TurnDirection dir;
        EXPECT_DOUBLE_EQ(KW_TurnTowards(t.from, t.to, 8, &dir), t.result) << t.from << " to " << t.to;
        EXPECT_EQ(dir, t.dir) << t.from << " to " << t.to;
    }

    EXPECT_FLOAT_EQ(KW_Distance(0, 0, 3, 4), 5.0f);
    double w, h;
    KW_RotatedExtent(0, 32, 48, w, h);
    EXPECT_EQ(w, 32);
    EXPECT_EQ(h, 48);
    KW_RotatedExtent(64, 32, 48, w, h);  // a quarter turn swaps the sides
    EXPECT_NEAR(w, 48, 1e-9);
    EXPECT_NEAR(h, 32, 1e-9);
}

